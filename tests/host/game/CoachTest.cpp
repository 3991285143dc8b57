// The coach against the PC's own strategy: on thousands of random positions its
// suggestion must be the move the strategy makes when the two hands change
// places, and following it press by press must make exactly that move.
#include "game/BoardRecord.h"
#include "game/CaptureCodec.h"
#include "game/MatchController.h"
#include "game/PcStrategy.h"
#include "game/Table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <numeric>
#include <random>
#include <vector>

namespace MyGame {
namespace {

constexpr int Positions = 5000;

struct Position {
    Card PcHand[HandSize] = {};
    Card PlayerHand[HandSize] = {};
    Card Table[TableSize] = {};
    int PlayerLastLaid = -1;
    int PcLastLaid = -1;
};

// Distinct cards, hands with gaps, a table of up to nine cards anywhere in its
// thirteen places, and either side's last laid value or none.
Position RandomPosition(std::mt19937& random) {
    std::vector<Card> deck(DeckSize);
    std::iota(deck.begin(), deck.end(), 1);
    std::shuffle(deck.begin(), deck.end(), random);
    auto next = [&deck]() {
        const Card card = deck.back();
        deck.pop_back();
        return card;
    };
    auto roll = [&random](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
    Position position;
    bool playerHolds = false;
    for (int i = 0; i < HandSize; ++i) {
        if (roll(4) != 0) position.PcHand[i] = next();
        if (roll(4) != 0 || (i == HandSize - 1 && !playerHolds)) {
            position.PlayerHand[i] = next();
            playerHolds = true;
        }
    }
    const int tableCards = roll(10);
    for (int i = 0; i < tableCards; ++i) position.Table[roll(TableSize)] = next();
    position.PlayerLastLaid = roll(11) == 0 ? -1 : 1 + roll(10);
    position.PcLastLaid = roll(11) == 0 ? -1 : 1 + roll(10);
    return position;
}

void Lay(BoardRecord& board, int position, Card card) {
    PositionRecord& record = board.Positions[position];
    record.Shown = card != NoCard;
    record.HeldCard = card;
    record.Picture = CardPicture(card);
}

// The position on the board, with the hands as given.
void LayOut(BoardRecord& board, const Position& position, const Card (&pcHand)[HandSize],
           const Card (&playerHand)[HandSize]) {
    for (int i = 0; i < HandSize; ++i) {
        Lay(board, HandPosition(Side::Pc, i), pcHand[i]);
        Lay(board, HandPosition(Side::Player, i), playerHand[i]);
    }
    for (int place = 0; place < TableSize; ++place) Lay(board, TablePositions[place], position.Table[place]);
}

bool OnTable(const BoardRecord& board, Card card) {
    for (int position : TablePositions) {
        if (board.IsPositionShown(position) && board.CardAt(position) == card) return true;
    }
    return false;
}

// The player's turn in the position, the coach asked.
struct Table {
    BoardRecord Board;
    DeckRandom Deck{1};
    MatchController Match{Board, Deck};

    explicit Table(const Position& position) {
        Match.StartMatch();
        LayOut(Board, position, position.PcHand, position.PlayerHand);
        Match.State.PlayerLastLaidValue = position.PlayerLastLaid;
        Match.State.PcLastLaidValue = position.PcLastLaid;
        Match.ShowSuggestion();
    }
};

// Presses the suggested card and then the picks in this order while the rules
// still ask for table cards; whether exactly the suggested cards were taken
// (or the card laid, when nothing is marked).
bool FollowSuggestion(const Position& position, const std::vector<int>& order) {
    Table table(position);
    BoardRecord& board = table.Board;
    MatchController& match = table.Match;
    const int suggested = match.Move().SuggestedPosition;
    CardList expected{board.CardAt(suggested)};
    for (int place : order) expected.push_back(board.CardAt(place));
    match.OnCardClicked(board.Identifier(suggested));
    for (int place : order) {
        if (!match.Move().AwaitingTableChoice()) break;
        match.OnCardClicked(board.Identifier(place));
    }
    if (match.PlayerToMove() || board.Beeps != 0) return false;
    if (order.empty()) return match.State.PlayerPile.empty() && OnTable(board, expected.front());
    CardList pile = match.State.PlayerPile;
    std::sort(pile.begin(), pile.end());
    std::sort(expected.begin(), expected.end());
    return pile == expected;
}

TEST(Coach, SuggestsThePcStrategysMoveWithThePlayersHandAndThePlayerCanMakeIt) {
    std::mt19937 random(2026);
    int captures = 0;
    int orderMatters = 0;
    for (int round = 0; round < Positions; ++round) {
        SCOPED_TRACE(round);
        const Position position = RandomPosition(random);

        // The strategy as the PC plays it, on the board with the hands swapped.
        BoardRecord mirror;
        LayOut(mirror, position, position.PlayerHand, position.PcHand);
        GameState mirrorState;
        mirrorState.PlayerLastLaidValue = position.PcLastLaid;
        const PcMove expected = ChoosePcMove(mirrorState, mirror);

        Table table(position);
        // A digit on an emptied hand place does nothing, to the suggestion too.
        for (int i = 0; i < HandSize; ++i) {
            if (position.PlayerHand[i] == NoCard) table.Match.PressHandCard(i);
        }
        const MoveUnderWay& move = table.Match.Move();
        ASSERT_EQ(move.SuggestedPosition, HandPosition(Side::Player, expected.HandIndex));
        std::vector<int> named;
        for (const CaptureToken& token : ParseCapture(expected.CaptureText)) {
            named.push_back(PositionNamed(table.Board, token));
        }
        ASSERT_EQ(move.SuggestedPicks, named);
        ASSERT_EQ(table.Board.Positions[move.SuggestedPosition].OffsetY, -PlayerChosenRaise);
        for (int place : named) ASSERT_EQ(table.Board.Positions[place].OffsetY, PlayerMarkDrop);
        if (!named.empty()) ++captures;

        // Some order of pressing the marked cards makes exactly that move. Not
        // always every order: a press on a card that some options name goes to
        // those options before any that would fill an open value with it.
        std::vector<int> order = named;
        std::sort(order.begin(), order.end());
        bool reached = false;
        bool first = true;
        do {
            const bool made = FollowSuggestion(position, order);
            if (first && !made) ++orderMatters;
            first = false;
            reached = made;
        } while (!reached && std::next_permutation(order.begin(), order.end()));
        ASSERT_TRUE(reached) << "no order of presses makes the suggested move " << expected.CaptureText;
    }
    // Both kinds of move were met, and the orders that miss are rare.
    EXPECT_GT(captures, Positions / 3);
    EXPECT_LT(captures, Positions);
    EXPECT_LT(orderMatters, Positions / 50);
    std::cout << captures << " captures suggested; " << orderMatters
              << " made another capture when the marked cards were pressed in table order\n";
}

}  // namespace
}  // namespace MyGame
