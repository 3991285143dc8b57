// The PC's paced turn: a step on the 41st tick of each wait, three waits to
// capture and two to lay, and what each step shows.
#include "tests/host/game/MatchFixture.h"

namespace MyGame {
namespace {

int Place(int place) {
    return TablePositions[place - 1];
}

TEST_F(MatchTest, ACaptureTakesThreeWaitsOfFortyOneTicks) {
    Arrange({25, 31, 12}, {1}, {15, 24, 3}, 20, false);  // the 5 takes the 5

    Tick(PcWaitTicks);
    EXPECT_EQ(match.Move().PcTickCount, PcWaitTicks);
    EXPECT_FALSE(match.Move().PcCardShown());
    Tick();
    EXPECT_TRUE(match.Move().PcCardShown());
    EXPECT_EQ(match.Move().PcTickCount, 0);
    EXPECT_EQ(match.Move().PcChosenPosition, 0);
    EXPECT_EQ(match.Move().PcCapture, Id(board, 1));
    EXPECT_EQ(board.Positions[0].Picture, CardPicture(25));
    EXPECT_EQ(board.Positions[0].OffsetY, PcCardDrop);
    EXPECT_EQ(board.Positions[Place(1)].OffsetY, 0);

    Tick(PcWaitTicks);
    EXPECT_FALSE(match.Move().PcCaptureShown());
    Tick();
    EXPECT_TRUE(match.Move().PcCaptureShown());
    EXPECT_EQ(match.Move().PcTickCount, 0);
    EXPECT_EQ(board.Positions[Place(1)].OffsetY, -PcTakeRaise);
    EXPECT_EQ(board.Positions[Place(2)].OffsetY, 0);

    Tick(PcWaitTicks);
    EXPECT_FALSE(match.PlayerToMove());
    EXPECT_TRUE(board.IsPositionShown(Place(1)));
    Tick();
    EXPECT_TRUE(match.PlayerToMove());
    EXPECT_EQ(match.Move().PcTickCount, 0);
    EXPECT_EQ(match.State.PcPile, (CardList{25, 15}));
    EXPECT_FALSE(board.IsPositionShown(0) || board.IsPositionShown(Place(1)));
    EXPECT_TRUE(AllAtPlace());
    EXPECT_FALSE(match.State.LastTakerIsPlayer);
    EXPECT_FALSE(match.Move().PcCardShown() || match.Move().PcCaptureShown());
    EXPECT_EQ(match.Move().PcChosenPosition, -1);
    EXPECT_TRUE(match.Move().PcCapture.empty());
    EXPECT_EQ(board.Status, "Ora tocca a te");
    for (int i = 0; i < HandSize; ++i) EXPECT_TRUE(board.Positions[PlayerHandFirst + i].HandCursor);

    // The player's turn: the count rests at 0 whatever the ticks.
    Tick(100);
    EXPECT_EQ(match.Move().PcTickCount, 0);
}

// A reply before the next tick still leaves the PC its full wait.
TEST_F(MatchTest, ThePcWaitsItsFullCountAfterAQuickReply) {
    Arrange({25, 31}, {1, 2}, {15, 24, 3}, 20, false);
    PcStep();
    PcStep();
    PcStep();
    ASSERT_TRUE(match.PlayerToMove());
    Press(PlayerHandFirst);
    ASSERT_FALSE(match.PlayerToMove());
    Tick(PcWaitTicks);
    EXPECT_FALSE(match.Move().PcCardShown());
    Tick();
    EXPECT_TRUE(match.Move().PcCardShown());
}

TEST_F(MatchTest, LayingACardTakesTwoWaits) {
    Arrange({33, 18}, {1}, {15, 24}, 20, false);
    match.State.PlayerLastLaidValue = 6;
    PcStep();
    EXPECT_TRUE(match.Move().PcCardShown());
    EXPECT_TRUE(match.Move().PcCapture.empty());
    const int chosen = match.Move().PcChosenPosition;
    const Card card = board.CardAt(chosen);
    EXPECT_EQ(board.Positions[chosen].OffsetY, PcCardDrop);

    Tick(PcWaitTicks);
    EXPECT_FALSE(match.PlayerToMove());
    Tick();
    EXPECT_TRUE(match.PlayerToMove());
    EXPECT_FALSE(board.IsPositionShown(chosen));
    EXPECT_TRUE(board.IsPositionShown(Place(3)));
    EXPECT_EQ(board.CardAt(Place(3)), card);
    EXPECT_EQ(board.Positions[Place(3)].Picture, CardPicture(card));
    EXPECT_TRUE(AllAtPlace());
    EXPECT_EQ(match.State.PlayerLastLaidValue, 6);  // only the player's laying sets it
    EXPECT_EQ(board.Status, "Ora tocca a te");
}

TEST_F(MatchTest, APcSweepIsAnnouncedWithItsSound) {
    Arrange({39, 31}, {1}, {15, 24}, 20, false);
    PcStep();
    PcStep();
    PcStep();
    EXPECT_EQ(match.State.PcSweeps, 1);
    EXPECT_EQ(board.Status, "LURNA!! Ora tocca a te");
    EXPECT_EQ(board.Sounds, std::vector<int>{PcSound});
}

TEST_F(MatchTest, ThePcsLastMoveEndsTheHandAndTheTimerRests) {
    Arrange({39}, {}, {15, 24}, 0, false);
    match.State.LastTakerIsPlayer = true;
    PcStep();
    PcStep();
    PcStep();
    EXPECT_FALSE(match.HandActive());
    EXPECT_EQ(match.State.PcSweeps, 0);
    EXPECT_TRUE(board.Sounds.empty());
    EXPECT_EQ(board.Status, "Fine mano");
    EXPECT_TRUE(board.ReportShown);
    const CardList pile = match.State.PcPile;
    Tick(500);
    EXPECT_EQ(match.State.PcPile, pile);
    EXPECT_EQ(match.Move().PcTickCount, 0);
}

// Ticks straight after the PC's last move count from zero in the next hand too.
TEST_F(MatchTest, ThePcBeginningAHandWaitsItsFullCount) {
    Arrange({39}, {}, {15, 24}, 0, false);
    PcStep();
    PcStep();
    PcStep();
    ASSERT_TRUE(board.ReportShown);
    match.ContinueAfterHand();
    ASSERT_FALSE(match.PlayerToMove());
    EXPECT_EQ(board.Status, "Tocca al pc");
    for (int i = 0; i < HandSize; ++i) EXPECT_FALSE(board.Positions[PlayerHandFirst + i].HandCursor);
    Tick(PcWaitTicks);
    EXPECT_FALSE(match.Move().PcCardShown());
    Tick();
    EXPECT_TRUE(match.Move().PcCardShown());
}

// Eleven table cards: the PC raises cards on the extra places like the others.
TEST_F(MatchTest, ThePcRaisesCardsOnTheExtraTablePlaces) {
    Arrange({32}, {1}, {1, 4, 5, 6, 7, 8, 9, 10, 3, 11, 31}, 20, false);
    PcStep();
    PcStep();
    // The open aces resolve to the coin ace and the ace at the highest place.
    EXPECT_EQ(match.Move().PcCapture, Id(board, 1) + ";" + Id(board, 11));
    EXPECT_EQ(board.Positions[Place(1)].OffsetY, -PcTakeRaise);
    EXPECT_EQ(board.Positions[Place(11)].OffsetY, -PcTakeRaise);
    EXPECT_EQ(board.Positions[Place(10)].OffsetY, 0);
    PcStep();
    EXPECT_EQ(match.State.PcPile, (CardList{32, 1, 31}));
    EXPECT_TRUE(AllAtPlace());
    EXPECT_TRUE(board.IsPositionShown(Place(10)));
}

}  // namespace
}  // namespace MyGame
