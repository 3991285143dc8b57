// The levels that decide from a side's view play fair: with the seed fixed, the
// move is the same however the cards the side cannot see lie between the other
// hand and the stock.
#include "game/PcLevel.h"
#include "tests/host/game/PlayedPositions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace MyGame {
namespace {

constexpr int Positions = 60;
constexpr int Rearrangements = 3;

// The cards the side to move cannot see, dealt again at random to the same
// places: the other hand's and the stock's.
void RearrangeHidden(PlayedPosition& played, Side seer, std::mt19937& random) {
    GameState& state = played.Match.State;
    std::vector<Card*> places;
    for (int i = 0; i < HandSize; ++i) {
        PositionRecord& record = played.Board.Positions[HandPosition(Other(seer), i)];
        if (record.Shown) places.push_back(&record.HeldCard);
    }
    for (int i = DeckSize - state.CardsLeft; i < DeckSize; ++i) places.push_back(&state.Deck[i]);
    std::vector<Card> cards;
    for (Card* place : places) cards.push_back(*place);
    std::shuffle(cards.begin(), cards.end(), random);
    for (std::size_t i = 0; i < places.size(); ++i) *places[i] = cards[i];
}

TEST(Levels, DecideTheSameWhereverTheHiddenCardsLie) {
    std::mt19937 random(11);
    int withStock[2] = {};
    for (int round = 0; round < Positions; ++round) {
        SCOPED_TRACE(round);
        PlayedPosition played(round, std::uniform_int_distribution<int>(0, 80)(random));
        const Side side = played.ToMove();
        for (PcLevel level : {PcLevel::Principiante, PcLevel::Esperto}) {
            const std::uint64_t seed = played.Match.DecisionSeed();
            const PcMove chosen = ChooseLevelMove(played.Match.State, played.Board, side, level, seed);
            ASSERT_GE(chosen.HandIndex, 0);
            for (int again = 0; again < Rearrangements; ++again) {
                RearrangeHidden(played, side, random);
                const PcMove rechosen = ChooseLevelMove(played.Match.State, played.Board, side, level, seed);
                ASSERT_EQ(rechosen.HandIndex, chosen.HandIndex);
                ASSERT_EQ(rechosen.CaptureText, chosen.CaptureText);
            }
        }
        if (played.Match.State.CardsLeft > 0) ++withStock[static_cast<int>(side)];
    }
    // Both seats, most often with a stock to share the hidden cards with.
    EXPECT_GT(withStock[0], Positions / 4);
    EXPECT_GT(withStock[1], Positions / 4);
}

}  // namespace
}  // namespace MyGame
