#include "game/Captures.h"

#include "tests/host/game/TableSetup.h"

#include <gtest/gtest.h>

using namespace MyGame;

namespace {

// Coins 1..10, cups 11..20, swords 21..30, clubs 31..40.
Card Cups(int value) { return 10 + value; }
Card Swords(int value) { return 20 + value; }
Card Clubs(int value) { return 30 + value; }

}  // namespace

TEST(FindCaptures, EqualCardIsCompulsoryAndAceTakesOnlyAces) {
    BoardRecord board;
    SetTable(board, {Cups(3), Swords(4)});
    EXPECT_TRUE(FindCaptures(board, 1).empty());

    SetTable(board, {1, Cups(3), Swords(1)});
    EXPECT_EQ(FindCaptures(board, 1), (CaptureList{Id(board, 1), Id(board, 3)}));

    SetTable(board, {Cups(7), Swords(3), Clubs(4)});
    EXPECT_EQ(FindCaptures(board, 7), CaptureList{Id(board, 1)});
}

TEST(FindCaptures, SumsListTheLargestValueFirst) {
    BoardRecord board;
    SetTable(board, {Cups(3), Swords(4)});
    EXPECT_EQ(FindCaptures(board, 7), CaptureList{Id(board, 2) + ";" + Id(board, 1)});

    // More 5s than the row needs: which 5 is taken stays open.
    SetTable(board, {Cups(5), Swords(2), Clubs(5)});
    EXPECT_EQ(FindCaptures(board, 7), CaptureList{"(5);" + Id(board, 2)});

    SetTable(board, {Cups(3), Swords(3), Clubs(3)});
    EXPECT_EQ(FindCaptures(board, 6), CaptureList{"(3);(3)"});

    SetTable(board, {Cups(5), Swords(3), Clubs(3), Swords(2)});
    EXPECT_EQ(FindCaptures(board, 8),
              (CaptureList{Id(board, 1) + ";(3)", Id(board, 2) + ";" + Id(board, 3) + ";" + Id(board, 4)}));
}

TEST(FindCaptures, KingTakesAKingOrTheSumsOfTen) {
    BoardRecord board;
    SetTable(board, {Cups(4), Swords(6), Clubs(1), 9});
    EXPECT_EQ(FindCaptures(board, 10),
              (CaptureList{Id(board, 4) + ";" + Id(board, 3), Id(board, 2) + ";" + Id(board, 1)}));
    SetTable(board, {Cups(4), Swords(6), Clubs(10), 9});
    EXPECT_EQ(FindCaptures(board, 10), CaptureList{Id(board, 3)});
}

TEST(CaptureReady, NeedsOneOptionWithNothingOpen) {
    EXPECT_TRUE(CaptureReady({"16;17"}));
    EXPECT_FALSE(CaptureReady({"16;(3)"}));
    EXPECT_FALSE(CaptureReady({"16", "17"}));
    EXPECT_FALSE(CaptureReady({}));
}

TEST(SelectTableCard, FillsOpenTokensOneCardAtATime) {
    BoardRecord board;
    SetTable(board, {Cups(3), Swords(3), Clubs(3), Swords(10)});
    const CaptureList options = FindCaptures(board, 6);
    const CaptureList first = SelectTableCard(options, 17, Swords(3));
    EXPECT_EQ(first, CaptureList{"17;(3)"});
    EXPECT_EQ(SelectTableCard(first, 17, Swords(3)), first);
    EXPECT_TRUE(SelectTableCard(first, 19, Swords(10)).empty());  // a king fills nothing
    const CaptureList second = SelectTableCard(first, 16, Cups(3));
    EXPECT_EQ(second, CaptureList{"17;16"});
    EXPECT_TRUE(CaptureReady(second));
}

TEST(SelectTableCard, PressOnANamedCardKeepsTheOptionsNamingIt) {
    BoardRecord board;
    SetTable(board, {Cups(5), Swords(3), Clubs(3), Swords(2)});
    const CaptureList options = FindCaptures(board, 8);  // "16;(3)", "17;18;19"

    // A 3 is named by the second option only; the first has it open, and the
    // press on a named card drops it.
    EXPECT_EQ(SelectTableCard(options, 17, Swords(3)), CaptureList{"17;18;19"});
    EXPECT_EQ(SelectTableCard(options, 19, Swords(2)), CaptureList{"17;18;19"});

    const CaptureList five = SelectTableCard(options, 16, Cups(5));
    EXPECT_EQ(five, CaptureList{"16;(3)"});
    EXPECT_FALSE(CaptureReady(five));
    EXPECT_EQ(SelectTableCard(five, 18, Clubs(3)), CaptureList{"16;18"});
    EXPECT_TRUE(SelectTableCard(five, 19, Swords(2)).empty());
}

// Two options of open tokens only: no press could ever name a card, and the
// turn would be stuck. A press on a card of an open value fills that token.
TEST(SelectTableCard, OpenOnlyOptionsNarrowByTheValuePressed) {
    BoardRecord board;
    SetTable(board, {4, Cups(4), Swords(4), 2, Cups(2), Swords(2)});
    const CaptureList options = FindCaptures(board, 8);
    ASSERT_EQ(options, (CaptureList{"(4);(4)", "(4);(2);(2)"}));

    const CaptureList afterFour = SelectTableCard(options, 17, Cups(4));
    EXPECT_EQ(afterFour, (CaptureList{"17;(4)", "17;(2);(2)"}));
    EXPECT_EQ(SelectTableCard(afterFour, 17, Cups(4)), afterFour);
    EXPECT_EQ(SelectTableCard(afterFour, 16, 4), CaptureList{"17;16"});
    const CaptureList afterTwo = SelectTableCard(afterFour, 21, Swords(2));
    EXPECT_EQ(afterTwo, CaptureList{"17;21;(2)"});
    EXPECT_EQ(SelectTableCard(afterTwo, 19, 2), CaptureList{"17;21;19"});

    EXPECT_EQ(SelectTableCard(options, 20, Cups(2)), CaptureList{"(4);20;(2)"});
    EXPECT_TRUE(SelectTableCard(options, 30, Clubs(5)).empty());
}

class CaptureMove : public ::testing::Test {
protected:
    GameState state;
    BoardRecord board;
};

TEST_F(CaptureMove, TakesPlayedCardThenTakenCardsInCaptureOrder) {
    state.CardsLeft = 10;
    SetTable(board, {Cups(3), Swords(4), Clubs(9)});
    SetHand(board, PlayerHandFirst, {Swords(7)});
    TakeCapture(state, board, Side::Player, PlayerHandFirst, Id(board, 2) + ";" + Id(board, 1));
    EXPECT_EQ(state.PlayerPile, (CardList{Swords(7), Swords(4), Cups(3)}));
    EXPECT_TRUE(state.PcPile.empty());
    EXPECT_FALSE(board.IsPositionShown(PlayerHandFirst));
    EXPECT_FALSE(board.IsPositionShown(TablePositions[0]));
    EXPECT_TRUE(board.IsPositionShown(TablePositions[2]));
    EXPECT_TRUE(state.LastTakerIsPlayer);
    EXPECT_EQ(state.PlayerSweeps, 0);

    SetHand(board, PcHandFirst, {Cups(9)});
    TakeCapture(state, board, Side::Pc, PcHandFirst, Id(board, 3));
    EXPECT_EQ(state.PcPile, (CardList{Cups(9), Clubs(9)}));
    EXPECT_FALSE(state.LastTakerIsPlayer);
    EXPECT_EQ(state.PcSweeps, 1);
}

TEST_F(CaptureMove, EmptyingTheTableIsASweepOnlyWhileTheHandGoesOn) {
    SetTable(board, {Cups(5)});
    SetHand(board, PcHandFirst, {Swords(5), Clubs(1)});
    state.CardsLeft = 0;
    TakeCapture(state, board, Side::Pc, PcHandFirst, Id(board, 1));
    EXPECT_EQ(state.PcSweeps, 1);  // a card is still in a hand

    SetTable(board, {Cups(1)});
    TakeCapture(state, board, Side::Pc, PcHandFirst + 1, Id(board, 1));
    EXPECT_EQ(state.PcSweeps, 1);  // the last card of the hand
    EXPECT_FALSE(IsSweep(state, board));
}

TEST_F(CaptureMove, EndOfHandGivesTheRestToTheLastTakerOrElseToThePc) {
    state.CardsLeft = 6;
    SetTable(board, {Cups(2), Swords(8)});
    EXPECT_FALSE(EndOfHand(state, board));
    state.CardsLeft = 0;
    SetHand(board, PlayerHandFirst + 2, {Clubs(4)});
    EXPECT_FALSE(EndOfHand(state, board));
    EXPECT_EQ(ReadTable(board).Count, 2);
    EXPECT_EQ(board.Status, "");

    board.HidePosition(PlayerHandFirst + 2);
    board.Positions[TablePositions[1]].AtPlace = false;
    state.LastTakerIsPlayer = true;
    state.PlayerPile = {Clubs(7)};
    EXPECT_TRUE(EndOfHand(state, board));
    EXPECT_EQ(state.PlayerPile, (CardList{Clubs(7), Cups(2), Swords(8)}));
    EXPECT_EQ(board.Status, "Fine mano");
    EXPECT_EQ(ReadTable(board).Count, 0);
    EXPECT_TRUE(board.Positions[TablePositions[1]].AtPlace);

    GameState nobodyTook;
    BoardRecord other;
    SetTable(other, {Cups(2)});
    EXPECT_TRUE(EndOfHand(nobodyTook, other));
    EXPECT_EQ(nobodyTook.PcPile, CardList{Cups(2)});
}
