// The search's compact form of the cards against the rule routines, over many
// random positions: its captures must be exactly FindCaptures' options with their
// open tokens resolved every way they can be, and its points ScoreHand's.
#include "game/CompactRules.h"

#include "game/BoardRecord.h"
#include "game/CaptureCodec.h"
#include "game/Captures.h"
#include "game/Scoring.h"
#include "game/Table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace MyGame {
namespace {

constexpr int Rounds = 20000;

int Roll(std::mt19937& random, int below) {
    return std::uniform_int_distribution<int>(0, below - 1)(random);
}

std::vector<Card> ShuffledDeck(std::mt19937& random) {
    std::vector<Card> deck(DeckSize);
    std::iota(deck.begin(), deck.end(), 1);
    std::shuffle(deck.begin(), deck.end(), random);
    return deck;
}

// Every set of table cards the option can end up taking: the cards it names and,
// for each value it leaves open, any choice of as many of the other table cards
// of that value.
std::vector<CardSet> Resolutions(const TableCards& table, const std::string& option) {
    CardSet named = 0;
    int open[CardsPerSuit + 1] = {};
    for (const CaptureToken& token : ParseCapture(option)) {
        if (token.Kind == TokenKind::Open) {
            ++open[token.Number];
            continue;
        }
        const int* end = table.Identifiers + table.Count;
        const int* found = std::find(table.Identifiers, end, token.Number);
        EXPECT_NE(found, end) << option;
        if (found != end) named |= CardBit(table.Cards[found - table.Identifiers]);
    }
    std::vector<CardSet> sets{named};
    for (int value = 1; value <= CardsPerSuit; ++value) {
        if (open[value] == 0) continue;
        std::vector<Card> free;
        for (int i = 0; i < table.Count; ++i) {
            if (table.Values[i] == value && !Holds(named, table.Cards[i])) free.push_back(table.Cards[i]);
        }
        std::vector<CardSet> widened;
        for (CardSet set : sets) {
            for (unsigned pick = 0; pick < (1u << free.size()); ++pick) {
                if (__builtin_popcount(pick) != open[value]) continue;
                CardSet more = set;
                for (std::size_t k = 0; k < free.size(); ++k) {
                    if (pick & (1u << k)) more |= CardBit(free[k]);
                }
                widened.push_back(more);
            }
        }
        sets = widened;
    }
    return sets;
}

TEST(CompactRules, CapturesAreFindCapturesOptionsWithEveryResolution) {
    std::mt19937 random(7);
    int withOpenTokens = 0;
    int sums = 0;
    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE(round);
        const std::vector<Card> deck = ShuffledDeck(random);
        BoardRecord board;
        const int count = Roll(random, TableSize + 1);
        CardSet table = 0;
        // Cards at random places, gaps between them.
        for (int i = 0; i < count; ++i) {
            PositionRecord& place = board.Positions[TablePositions[Roll(random, TableSize)]];
            if (place.Shown) continue;
            place.Shown = true;
            place.HeldCard = deck[i];
            table |= CardBit(deck[i]);
        }
        const int value = 1 + Roll(random, CardsPerSuit);

        std::vector<CardSet> expected;
        const TableCards cards = ReadTable(board);
        for (const std::string& option : FindCaptures(board, value)) {
            if (HasOpenToken(option)) ++withOpenTokens;
            const std::vector<CardSet> resolved = Resolutions(cards, option);
            expected.insert(expected.end(), resolved.begin(), resolved.end());
        }
        std::vector<CardSet> found;
        VisitCaptures(table, value, [&found](CardSet taken) { found.push_back(taken); });
        if (found.size() > 1 && CardCount(found.front()) > 1) ++sums;
        std::sort(expected.begin(), expected.end());
        std::sort(found.begin(), found.end());
        ASSERT_EQ(found, expected) << "value " << value;
    }
    // Both the open tokens and the choice among sums were met often.
    EXPECT_GT(withOpenTokens, Rounds / 20);
    EXPECT_GT(sums, Rounds / 20);
}

TEST(CompactRules, PointsAreScoreHands) {
    std::mt19937 random(8);
    int evenCards = 0;
    int evenCoins = 0;
    int evenPrimiera = 0;
    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE(round);
        // Most hands end with all forty cards taken; now and then a pile is
        // short, as in a position under way.
        GameState state;
        const bool partial = Roll(random, 5) == 0;
        for (Card card = 1; card <= DeckSize; ++card) {
            const int where = Roll(random, partial ? 3 : 2);
            if (where == 0) state.PcPile.push_back(card);
            if (where == 1) state.PlayerPile.push_back(card);
        }
        state.PcSweeps = Roll(random, 4);
        state.PlayerSweeps = Roll(random, 4);
        BoardRecord board;
        ScoreHand(state, board);

        const CardSet pc = SetOf(state.PcPile);
        const CardSet player = SetOf(state.PlayerPile);
        ASSERT_EQ(PilePoints(pc, player, state.PcSweeps), state.PcMatchPoints);
        ASSERT_EQ(PilePoints(player, pc, state.PlayerSweeps), state.PlayerMatchPoints);
        ASSERT_EQ(PrimieraSum(pc), PrimieraOf(state.PcPile).Sum);
        if (CardCount(pc) == CardCount(player)) ++evenCards;
        if (CardCount(pc & CoinCards) == CardCount(player & CoinCards)) ++evenCoins;
        if (PrimieraSum(pc) == PrimieraSum(player)) ++evenPrimiera;
    }
    // The ties that give a point to nobody were met.
    EXPECT_GT(evenCards, Rounds / 50);
    EXPECT_GT(evenCoins, Rounds / 50);
    EXPECT_GT(evenPrimiera, Rounds / 100);
}

}  // namespace
}  // namespace MyGame
