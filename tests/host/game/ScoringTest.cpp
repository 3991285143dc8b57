#include "game/Scoring.h"

#include "game/BoardRecord.h"

#include <gtest/gtest.h>

using namespace MyGame;

namespace {

CardList Range(Card first, Card last) {
    CardList cards;
    for (Card card = first; card <= last; ++card) cards.push_back(card);
    return cards;
}

CardList Joined(CardList first, const CardList& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace

TEST(PrimieraOf, AddsEachSuitsBestAndWritesItShort) {
    const Primiera full = PrimieraOf({38, 7, 21, 16, 2});
    EXPECT_EQ(full.Sum, 65);
    EXPECT_EQ(full.Text, "7 6 1 F ");

    const Primiera noSwords = PrimieraOf({7, 16, 31});
    EXPECT_EQ(noSwords.Sum, 55);
    EXPECT_EQ(noSwords.Text, "7 6 0;1 ");

    const Primiera figures = PrimieraOf({8, 9, 10, 12, 13, 14, 15});
    EXPECT_EQ(figures.Sum, 25);
    EXPECT_EQ(figures.Text, "F 5 0;0;");

    EXPECT_EQ(PrimieraOf({}).Text, "0;0;0;0;");
    EXPECT_EQ(PrimieraOf({4, 33}).Text, "4 0;0;3 ");
}

// The PC took 22 cards with 5 coins and the settebello, the player 18 with 5
// coins and three sweeps: cards and settebello to the PC, coins to nobody.
TEST(ScoreHand, CountsBothSidesAndAddsToTheTotals) {
    GameState state;
    BoardRecord board;
    state.PcPile = Joined({1, 2, 3, 4, 7}, Range(11, 27));
    state.PlayerPile = Joined({5, 6, 8, 9, 10}, Range(28, 40));
    state.PlayerSweeps = 3;
    state.PcMatchPoints = 4;
    state.PlayerMatchPoints = 6;
    ScoreHand(state, board);

    const ReportColumn& pc = board.Report.Pc;
    EXPECT_EQ(pc.Points, "PC - Punti 3");
    EXPECT_EQ(pc.Cards, "Numero carte: 22");
    EXPECT_EQ(pc.Coins, "Carte Denaro: 5");
    EXPECT_EQ(pc.Settebello, "Settebello: SI");
    EXPECT_EQ(pc.Primiera, "Primiera: SI (7 7 7 0;)");
    EXPECT_EQ(pc.Sweeps, "Numero lurne: 0");
    const ReportColumn& player = board.Report.Player;
    EXPECT_EQ(player.Points, "Giocatore - Punti 3");
    EXPECT_EQ(player.Cards, "Numero carte: 18");
    EXPECT_EQ(player.Settebello, "Settebello: NO");
    EXPECT_EQ(player.Primiera, "Primiera: NO (6 0;F 7 )");
    EXPECT_EQ(player.Sweeps, "Numero lurne: 3");

    EXPECT_EQ(state.PcMatchPoints, 7);
    EXPECT_EQ(state.PlayerMatchPoints, 9);
    EXPECT_EQ(board.PcTotal, "7");
    EXPECT_EQ(board.PlayerTotal, "9");
    EXPECT_TRUE(board.ReportShown);
    EXPECT_EQ(state.Report.Player.Points, player.Points);
}

TEST(ScoreHand, TwentyCardsEachAndEqualPrimieraScoreNothing) {
    GameState state;
    BoardRecord board;
    // Each side has the low half of two suits and the high half of the others.
    state.PcPile = Joined(Joined(Range(1, 5), Range(11, 15)), Joined(Range(26, 30), Range(36, 40)));
    state.PlayerPile = Joined(Joined(Range(6, 10), Range(16, 20)), Joined(Range(21, 25), Range(31, 35)));
    ScoreHand(state, board);
    EXPECT_EQ(board.Report.Pc.Points, "PC - Punti 0");
    EXPECT_EQ(board.Report.Player.Points, "Giocatore - Punti 1");  // the settebello
    EXPECT_EQ(board.Report.Pc.Primiera, "Primiera: NO (1 1 7 7 )");
    EXPECT_EQ(board.Report.Player.Primiera, "Primiera: NO (7 7 1 1 )");
}

TEST(MatchResultOf, NeedsElevenAndAStrictLead) {
    EXPECT_EQ(MatchResultOf(11, 11), MatchResult::NextHand);
    EXPECT_EQ(MatchResultOf(12, 11), MatchResult::PlayerLost);
    EXPECT_EQ(MatchResultOf(10, 11), MatchResult::PlayerWon);
    EXPECT_EQ(MatchResultOf(11, 10), MatchResult::PlayerLost);
    EXPECT_EQ(MatchResultOf(10, 8), MatchResult::NextHand);
    EXPECT_EQ(MatchResultOf(0, 0), MatchResult::NextHand);
}

TEST(ShowMatchTotals, WritesTheNumbersAlone) {
    GameState state;
    BoardRecord board;
    state.PcMatchPoints = 12;
    state.PlayerMatchPoints = 0;
    ShowMatchTotals(state, board);
    EXPECT_EQ(board.PcTotal, "12");
    EXPECT_EQ(board.PlayerTotal, "0");
}
