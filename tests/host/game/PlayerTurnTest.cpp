// The player's presses: choosing the card, laying it, capturing at once or after
// picking table cards, with the marks, cursors, beeps, messages and sounds.
#include "tests/host/game/MatchFixture.h"

namespace MyGame {
namespace {

constexpr int FirstHand = PlayerHandFirst;

int Place(int place) {
    return TablePositions[place - 1];
}

TEST_F(MatchTest, ACardThatTakesNothingIsLaidAtOnce) {
    Arrange({21}, {10, 32}, {15, 24}, 20);
    Press(FirstHand);  // a king on 5 and 4
    EXPECT_FALSE(board.IsPositionShown(FirstHand));
    EXPECT_TRUE(board.IsPositionShown(Place(3)));
    EXPECT_EQ(board.CardAt(Place(3)), 10);
    EXPECT_EQ(board.Positions[Place(3)].Picture, CardPicture(10));
    EXPECT_EQ(match.State.PlayerLastLaidValue, 10);
    EXPECT_FALSE(match.PlayerToMove());
    EXPECT_EQ(board.Status, "Ora tocca al PC");
    for (int i = 0; i < HandSize; ++i) EXPECT_FALSE(board.Positions[FirstHand + i].HandCursor);
    EXPECT_EQ(board.Beeps, 0);
}

TEST_F(MatchTest, OneCompleteCaptureIsTakenOnTheFirstPress) {
    Arrange({21}, {37, 32}, {15, 24, 3}, 20);
    Press(FirstHand);  // a 7 on 5, 4, 3: only "4;3"
    EXPECT_EQ(match.State.PlayerPile, (CardList{37, 24, 3}));
    EXPECT_TRUE(board.IsPositionShown(Place(1)));
    EXPECT_FALSE(board.IsPositionShown(Place(2)) || board.IsPositionShown(Place(3)));
    EXPECT_TRUE(match.State.LastTakerIsPlayer);
    EXPECT_EQ(board.Status, "Ora tocca al PC");
    EXPECT_FALSE(match.PlayerToMove());
    EXPECT_FALSE(match.Move().AwaitingTableChoice());
    EXPECT_TRUE(match.Move().PlayerOptions.empty());
    EXPECT_TRUE(board.Sounds.empty());
}

// Table 5, 3, 3, 2 and an 8: "5;(3)" and "3;3;2".
TEST_F(MatchTest, PickingMarksThePressedCardsUntilOneCaptureIsLeft) {
    Arrange({21}, {8, 38}, {5, 13, 23, 2}, 20);
    Press(FirstHand);
    EXPECT_EQ(board.Status, "Selezionare le carte dal tavolo");
    EXPECT_TRUE(match.Move().AwaitingTableChoice());
    EXPECT_EQ(match.Move().PlayerChosenPosition, FirstHand);
    EXPECT_EQ(match.Move().PlayerOptions.size(), 2u);
    for (int position : TablePositions) EXPECT_TRUE(board.Positions[position].HandCursor) << position;
    EXPECT_TRUE(board.Positions[FirstHand + 1].HandCursor);
    // The chosen card stays in the hand, raised, and the keyboard's focus is on
    // the first card that fits: the 5.
    EXPECT_TRUE(board.IsPositionShown(FirstHand));
    EXPECT_EQ(board.Positions[FirstHand].OffsetY, -PlayerChosenRaise);
    EXPECT_EQ(match.Move().TableFocus, Place(1));
    EXPECT_TRUE(board.Positions[Place(1)].Focus);

    Press(Place(1));
    EXPECT_EQ(board.Positions[Place(1)].OffsetY, PlayerMarkDrop);
    EXPECT_EQ(match.Move().PlayerOptions, CaptureList{Id(board, 1) + ";(3)"});
    EXPECT_TRUE(match.Move().AwaitingTableChoice());

    Press(Place(3));
    EXPECT_FALSE(match.Move().AwaitingTableChoice());
    EXPECT_EQ(match.State.PlayerPile, (CardList{8, 5, 23}));
    EXPECT_TRUE(board.IsPositionShown(Place(2)) && board.IsPositionShown(Place(4)));
    EXPECT_TRUE(AllAtPlace());
    for (const PositionRecord& position : board.Positions) EXPECT_FALSE(position.Focus);
    for (int position : TablePositions) EXPECT_FALSE(board.Positions[position].HandCursor) << position;
    for (int i = 0; i < HandSize; ++i) EXPECT_FALSE(board.Positions[FirstHand + i].HandCursor);
    EXPECT_EQ(board.Status, "Ora tocca al PC");
    EXPECT_EQ(board.Beeps, 0);
}

TEST_F(MatchTest, RefusedPressesWhilePickingBeepAndChangeNothing) {
    Arrange({21}, {8, 38}, {5, 13, 23, 2}, 20);
    Press(FirstHand);
    Press(Place(1));
    const CaptureList options = match.Move().PlayerOptions;

    Press(FirstHand + 1);  // the chosen card cannot be changed
    EXPECT_EQ(board.Beeps, 1);
    Press(Place(4));  // the 2 is in no option left
    EXPECT_EQ(board.Beeps, 2);
    EXPECT_EQ(board.Positions[Place(4)].OffsetY, 0);
    EXPECT_EQ(match.Move().PlayerOptions, options);
    EXPECT_EQ(match.Move().PlayerChosenPosition, FirstHand);

    // Silently ignored: the PC's cards, the stock, an empty table place.
    Press(PcHandFirst);
    Press(StockPosition);
    Press(Place(7));
    match.OnCardClicked(999);
    EXPECT_EQ(board.Beeps, 2);
    EXPECT_EQ(match.Move().PlayerOptions, options);
    EXPECT_TRUE(match.Move().AwaitingTableChoice());
}

TEST_F(MatchTest, TablePressesCountOnlyWhilePicking) {
    Arrange({21}, {8, 38}, {5, 13, 23, 2}, 20);
    Press(Place(1));
    Press(PcHandFirst);
    Press(StockPosition);
    EXPECT_EQ(board.Beeps, 0);
    EXPECT_TRUE(AllAtPlace());
    EXPECT_FALSE(match.Move().AwaitingTableChoice());
    EXPECT_TRUE(match.PlayerToMove());
    EXPECT_EQ(board.Status, "Tocca a te");
}

// Table 4, 4, 4, 2, 2, 2 and a jack: "(4);(4)" and "(4);(2);(2)"; no option names
// a card, so the press fills an open token instead of being refused.
TEST_F(MatchTest, OpenTokensOnlyStillLetThePlayerPick) {
    Arrange({21}, {18}, {4, 14, 24, 2, 12, 22}, 20);
    Press(FirstHand);
    ASSERT_EQ(match.Move().PlayerOptions, (CaptureList{"(4);(4)", "(4);(2);(2)"}));
    Press(Place(2));
    Press(Place(3));
    EXPECT_EQ(match.State.PlayerPile, (CardList{18, 14, 24}));
    EXPECT_EQ(board.Beeps, 0);
    EXPECT_TRUE(AllAtPlace());
}

TEST_F(MatchTest, APlayerSweepIsAnnouncedWithItsSound) {
    Arrange({21}, {7, 32}, {3, 14}, 20);
    Press(FirstHand);
    EXPECT_EQ(board.Status, "LURNA!! Ora tocca al PC");
    EXPECT_EQ(board.Sounds, std::vector<int>{PlayerSound});
    EXPECT_EQ(match.State.PlayerSweeps, 1);
}

TEST_F(MatchTest, EmptyingTheTableWithTheLastCardIsNoSweep) {
    Arrange({}, {7}, {3, 14}, 0);
    Press(FirstHand);
    EXPECT_EQ(match.State.PlayerSweeps, 0);
    EXPECT_TRUE(board.Sounds.empty());
    EXPECT_EQ(board.Status, "Fine mano");
    EXPECT_TRUE(board.ReportShown);
    EXPECT_EQ(board.Report.Player.Sweeps, "Numero lurne: 0");
}

// Eleven table cards: the extra places are picked and marked like the others.
TEST_F(MatchTest, ExtraTablePlacesArePickedAndMarked) {
    Arrange({21}, {32}, {1, 4, 5, 6, 7, 8, 9, 10, 3, 11, 31}, 20);
    Press(FirstHand);  // a 2 on three aces: "(1);(1)"
    ASSERT_EQ(match.Move().PlayerOptions, CaptureList{"(1);(1)"});
    EXPECT_TRUE(board.Positions[Place(11)].HandCursor);
    Press(Place(11));
    EXPECT_EQ(board.Positions[Place(11)].OffsetY, PlayerMarkDrop);
    Press(Place(10));
    EXPECT_EQ(match.State.PlayerPile, (CardList{32, 31, 11}));
    EXPECT_FALSE(board.IsPositionShown(Place(10)) || board.IsPositionShown(Place(11)));
    EXPECT_TRUE(AllAtPlace());
    EXPECT_FALSE(board.Positions[Place(11)].HandCursor);
}

}  // namespace
}  // namespace MyGame
