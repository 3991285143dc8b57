// The coach against Esperto: in positions of played matches its suggestion must
// be Esperto's move for the player's side, whatever the PC's level, and pressing
// the suggested cards must make exactly that move.
#include "game/CaptureCodec.h"
#include "game/Captures.h"
#include "game/PcLevel.h"
#include "tests/host/game/PlayedPositions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace MyGame {
namespace {

constexpr int Positions = 120;

// The player's turn after about the number of moves.
struct PlayerTurn : PlayedPosition {
    PlayerTurn(std::uint32_t seed, int moves) : PlayedPosition(seed, moves + (moves % 2 == 0 ? 0 : 1)) {
        if (Match.Phase() != MatchPhase::PlayerTurn) {
            while (Match.Phase() == MatchPhase::PcTurn) Match.OnTurnTimer();
        }
    }
};

// Presses the suggested card and then the picks in this order while the rules
// still ask for table cards; whether the move was made and exactly the suggested
// cards were taken (or the card laid, when nothing is marked).
bool FollowSuggestion(std::uint32_t seed, int moves, const std::vector<int>& order) {
    PlayerTurn table(seed, moves);
    BoardRecord& board = table.Board;
    MatchController& match = table.Match;
    match.ShowSuggestion();
    const int suggested = match.Move().SuggestedPosition;
    CardList expected{board.CardAt(suggested)};
    for (int place : order) expected.push_back(board.CardAt(place));
    const CardList pileBefore = match.State.PlayerPile;
    // A card is laid exactly when it can take nothing.
    const bool lays = FindCaptures(board, CardValue(expected.front())).empty();
    match.OnCardClicked(board.Identifier(suggested));
    for (int place : order) {
        if (!match.Move().AwaitingTableChoice()) break;
        match.OnCardClicked(board.Identifier(place));
    }
    if (match.PlayerToMove() || board.Beeps != 0) return false;
    if (order.empty()) return lays;
    // The move may have ended the hand, which gives the table's rest away after it.
    CardList taken(match.State.PlayerPile.begin() + pileBefore.size(), match.State.PlayerPile.end());
    taken.resize(std::min(taken.size(), expected.size()));
    std::sort(taken.begin(), taken.end());
    std::sort(expected.begin(), expected.end());
    return taken == expected;
}

TEST(Coach, SuggestsEspertosMoveForThePlayerWhichThePlayerCanMake) {
    std::mt19937 random(2026);
    int captures = 0;
    for (int round = 0; round < Positions; ++round) {
        SCOPED_TRACE(round);
        const int moves = std::uniform_int_distribution<int>(0, 80)(random);
        PlayerTurn table(round, moves);
        ASSERT_EQ(table.Match.Phase(), MatchPhase::PlayerTurn);
        // The PC's level plays no part in the coach's advice.
        table.Match.SetPcLevel(static_cast<PcLevel>(round % 3));
        const PcMove expected = ChooseLevelMove(table.Match.State, table.Board, Side::Player, PcLevel::Esperto,
                                                table.Match.DecisionSeed());
        table.Match.ShowSuggestion();
        // A digit on an emptied hand place does nothing, to the suggestion too.
        for (int i = 0; i < HandSize; ++i) {
            if (!table.Board.IsPositionShown(HandPosition(Side::Player, i))) table.Match.PressHandCard(i);
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

        // Some order of pressing the marked cards makes exactly that move: a
        // press on a card that some options name goes to those options before any
        // that would fill an open value with it.
        std::vector<int> order = named;
        std::sort(order.begin(), order.end());
        bool reached = false;
        do {
            reached = FollowSuggestion(round, moves, order);
        } while (!reached && std::next_permutation(order.begin(), order.end()));
        ASSERT_TRUE(reached) << "no order of presses makes the suggested move " << expected.CaptureText;
    }
    EXPECT_GT(captures, Positions / 3);
    EXPECT_LT(captures, Positions);
}

}  // namespace
}  // namespace MyGame
