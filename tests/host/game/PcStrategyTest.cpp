#include "game/PcStrategy.h"

#include "tests/host/game/TableSetup.h"

#include <gtest/gtest.h>

using namespace MyGame;

namespace {

PcMove Choose(const BoardRecord& board, int playerLastLaidValue = -1) {
    GameState state;
    state.PlayerLastLaidValue = playerLastLaidValue;
    return ChoosePcMove(state, board);
}

void ExpectMove(const PcMove& move, int handIndex, const std::string& capture) {
    EXPECT_EQ(move.HandIndex, handIndex);
    EXPECT_EQ(move.CaptureText, capture);
}

MoveCandidate Keys(int settebello, int sevens, int coins, int sixes, int cards, int takesLastLaid,
                   const std::string& text) {
    MoveCandidate candidate;
    candidate.Settebello = settebello;
    candidate.Sevens = sevens;
    candidate.Coins = coins;
    candidate.Sixes = sixes;
    candidate.Cards = cards;
    candidate.TakesLastLaid = takesLastLaid;
    candidate.CaptureText = text;
    return candidate;
}

}  // namespace

// The seven of coins takes the 7 of swords although the other captures take more.
TEST(ChoosePcMove, SettebelloDecidesTheWorkedExample) {
    BoardRecord board;
    SetTable(board, {3, 14, 27, 32});
    SetHand(board, PcHandFirst, {7, 15, 36});
    ExpectMove(Choose(board), 0, Id(board, 3));
}

TEST(BetterCandidate, ComparesTheKeysInTheirOrder) {
    const MoveCandidate plain = Keys(0, 0, 0, 0, 2, 0, "16");
    EXPECT_TRUE(BetterCandidate(Keys(1, 1, 1, 0, 2, 0, "16"), Keys(0, 0, 3, 2, 6, 1, "20")));
    EXPECT_TRUE(BetterCandidate(Keys(0, 1, 0, 0, 2, 0, "16"), Keys(0, 0, 3, 2, 6, 1, "20")));
    EXPECT_TRUE(BetterCandidate(Keys(0, 0, 1, 0, 2, 0, "16"), Keys(0, 0, 0, 2, 6, 1, "20")));
    EXPECT_TRUE(BetterCandidate(Keys(0, 0, 0, 1, 2, 0, "16"), Keys(0, 0, 0, 0, 6, 1, "20")));
    EXPECT_TRUE(BetterCandidate(Keys(0, 0, 0, 0, 3, 0, "16"), Keys(0, 0, 0, 0, 2, 1, "20")));
    EXPECT_TRUE(BetterCandidate(Keys(0, 0, 0, 0, 2, 1, "16"), Keys(0, 0, 0, 0, 2, 0, "20")));
    EXPECT_TRUE(BetterCandidate(Keys(0, 0, 0, 0, 2, 0, "17"), plain));
    EXPECT_TRUE(BetterCandidate(Keys(0, 0, 0, 0, 2, 0, "16;17"), plain));  // extends it
    EXPECT_FALSE(BetterCandidate(plain, plain));
}

TEST(ChoosePcMove, SweepsWithACardEqualToTheTableSumCoinFirst) {
    BoardRecord board;
    SetTable(board, {24, 35});
    SetHand(board, PcHandFirst, {12, 15, 19});  // the 5 could take the 5; the 9 sweeps
    ExpectMove(Choose(board), 2, Id(board, 1) + ";" + Id(board, 2));

    BoardRecord coins;
    SetTable(coins, {22, 34});
    SetHand(coins, PcHandFirst, {16, 21, 6});
    ExpectMove(Choose(coins), 2, Id(coins, 1) + ";" + Id(coins, 2));
}

TEST(ChoosePcMove, OpenTokensResolveToTheCoinThenTheHighestPlace) {
    BoardRecord board;
    SetTable(board, {13, 3, 23});
    SetHand(board, PcHandFirst, {26});
    ExpectMove(Choose(board), 0, Id(board, 2) + ";" + Id(board, 3));

    BoardRecord noCoin;
    SetTable(noCoin, {13, 23, 33});
    SetHand(noCoin, PcHandFirst, {26});
    ExpectMove(Choose(noCoin), 0, Id(noCoin, 3) + ";" + Id(noCoin, 2));
}

// The 6 takes two 3s, one of them the coin through an open token, which scores
// nothing; the 3 naming the coin 3 wins on coins although it takes fewer cards.
TEST(ChoosePcMove, ACoinReachedOnlyThroughAnOpenTokenDoesNotCount) {
    BoardRecord board;
    SetTable(board, {3, 13, 23});
    SetHand(board, PcHandFirst, {26, 33});
    ExpectMove(Choose(board), 1, Id(board, 1));
}

TEST(ChoosePcMove, TakingTheValueThePlayerLastLaidBreaksATie) {
    BoardRecord board;
    SetTable(board, {28, 24});
    SetHand(board, PcHandFirst, {14, 18});
    ExpectMove(Choose(board), 0, Id(board, 2));  // the later place wins the text key
    ExpectMove(Choose(board, 8), 1, Id(board, 1));
}

// A 3 that only fills an open token is not counted, so it never takes the
// player's last laid value: the row "3;3;3" names its 3s and wins on that key,
// where the row "4;3;2" would otherwise win on the text.
TEST(ChoosePcMove, OnlyNamedCardsTakeTheLastLaidValue) {
    BoardRecord board;
    SetTable(board, {13, 23, 33, 24, 22});
    SetHand(board, PcHandFirst, {19});
    const std::string namedThrees = Id(board, 1) + ";" + Id(board, 2) + ";" + Id(board, 3);
    const std::string fourThreeTwo = Id(board, 4) + ";" + Id(board, 3) + ";" + Id(board, 5);
    ExpectMove(Choose(board), 0, fourThreeTwo);
    ExpectMove(Choose(board, 3), 0, namedThrees);
    ExpectMove(Choose(board, 2), 0, fourThreeTwo);
}

// Two non-coin 5s take the same 5: equal in every key, the one built first wins.
TEST(ChoosePcMove, EqualCandidatesKeepTheirBuildOrder) {
    BoardRecord board;
    SetTable(board, {35, 22});
    SetHand(board, PcHandFirst, {15, 25});
    ExpectMove(Choose(board), 0, Id(board, 1));
    SetHand(board, PcHandFirst, {25, 15});
    ExpectMove(Choose(board), 0, Id(board, 1));
}

TEST(ChoosePcMove, LaysTheLowestValuePassingTenPreferringNonCoins) {
    BoardRecord board;
    SetTable(board, {24});
    SetHand(board, PcHandFirst, {13, 27, 38});
    ExpectMove(Choose(board), 1, "");

    BoardRecord empty;
    SetHand(empty, PcHandFirst, {3, 13, 25});
    ExpectMove(Choose(empty), 1, "");
    SetHand(empty, PcHandFirst, {13, 23, 5});
    ExpectMove(Choose(empty), 1, "");
    SetHand(empty, PcHandFirst, {3, 18, 19});
    ExpectMove(Choose(empty), 0, "");  // only a coin has the lowest value

    BoardRecord none;
    EXPECT_EQ(Choose(none).HandIndex, -1);
}

TEST(ChooseMove, PlaysTheSameStrategyFromThePlayersHand) {
    BoardRecord board;
    SetTable(board, {3, 14, 27, 32});
    SetHand(board, PlayerHandFirst, {7, 15, 36});
    ExpectMove(ChooseMove(GameState{}, board, Side::Player), 0, Id(board, 3));
}
