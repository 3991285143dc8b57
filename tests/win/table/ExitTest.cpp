// The exit question, asked from "Chiudi", from the menu item "&Esci" and from
// the close box: "No" in the middle of the PC's move leaves the match as it was
// and the move goes on; ticks that arrive while the question is open, even the
// one that ends a hand, are safe; "Sì" stops the timer and closes the window.
// Deleting the form, as the program does after its loop, asks nothing.
#include "BoardView.h"
#include "GameWindow.h"
#include "MatchDriver.h"
#include "TestSupport.h"
#include "table/FormMain.h"
#include "toolkit/Button.h"
#include "toolkit/FormAbout.h"
#include "toolkit/FormText.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Timer.h"
#include "toolkit/WindowProcedure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using TableTest::GameWindow;
using TableTest::MatchDriver;
using TableTest::Player;

namespace {

enum class Route { CloseButton, ExitItem, CloseBox };

const char* Name(Route route) {
    switch (route) {
        case Route::CloseButton: return "Chiudi";
        case Route::ExitItem: return "&Esci";
        case Route::CloseBox: return "the close box";
    }
    return "";
}

void AskToExit(GameWindow& game, Route route) {
    MyGame::FormMain& form = game.Form();
    switch (route) {
        case Route::CloseButton: game.Click(*form.CloseButton); break;
        case Route::ExitItem: game.ChooseMenuItem(form.ExitItem->controlId); break;
        case Route::CloseBox: SendMessageW(game.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
}

void ExpectTheQuestion(const TableTest::Question& question, Route route) {
    EXPECT_EQ(question.owner, nullptr) << Name(route);
    EXPECT_EQ(question.text, "Vuoi realmente uscire?") << Name(route);
    EXPECT_EQ(question.caption, "Uscita") << Name(route);
    EXPECT_EQ(question.flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL)) << Name(route);
}

// The turn state of the match, compared whole.
struct TurnState {
    explicit TurnState(const MyGame::MatchController& match)
        : phase(match.Phase()), pcTickCount(match.Move().PcTickCount), pcStepDone(match.Move().PcStepDone),
          pcChosenPosition(match.Move().PcChosenPosition), pcCapture(match.Move().PcCapture),
          playerOptions(match.Move().PlayerOptions), pcPile(match.State.PcPile), playerPile(match.State.PlayerPile) {}
    bool operator==(const TurnState& other) const {
        return phase == other.phase && pcTickCount == other.pcTickCount && pcStepDone == other.pcStepDone &&
               pcChosenPosition == other.pcChosenPosition && pcCapture == other.pcCapture &&
               playerOptions == other.playerOptions && pcPile == other.pcPile && playerPile == other.playerPile;
    }
    MyGame::MatchPhase phase;
    int pcTickCount;
    MyGame::PcStep pcStepDone;
    int pcChosenPosition;
    std::string pcCapture;
    MyGame::CaptureList playerOptions;
    MyGame::CardList pcPile;
    MyGame::CardList playerPile;
};

// A seeded match played by the strategy up to the PC's first step: its card
// turned up, the wait for the next step just begun.
std::string PlayToThePcsCardShown(MatchDriver& driver, GameWindow& game) {
    std::string fault = driver.StartMatch(5);
    while (fault.empty() && game.Form().Match.PlayerToMove()) fault = driver.Advance();
    if (fault.empty()) fault = driver.WaitForPcStep();
    if (fault.empty()) fault = driver.MakePcStep();
    if (fault.empty() && !game.Form().Match.Move().PcCardShown()) fault = "the PC's card is not shown";
    return fault;
}

// Plays the first hand up to the PC's last move, with its last wait done: the
// next tick makes the move that ends the hand.
std::string PlayToTheLastMoveOfTheHand(MatchDriver& driver, GameWindow& game) {
    const MyGame::MatchController& match = game.Form().Match;
    std::string fault = driver.StartMatch(9);
    while (fault.empty()) {
        const MyGame::MoveUnderWay& move = match.Move();
        const bool lastMoveReady = match.HandActive() && !match.PlayerToMove() && match.State.CardsLeft == 0 &&
                                   move.PcCardShown() && (move.PcCaptureShown() || move.PcCapture.empty()) &&
                                   !game.Form().IsPositionShown(MyGame::PlayerHandFirst) &&
                                   !game.Form().IsPositionShown(MyGame::PlayerHandFirst + 1) &&
                                   !game.Form().IsPositionShown(MyGame::PlayerHandFirst + 2);
        if (lastMoveReady) return driver.WaitForPcStep();
        if (!match.HandActive()) return "the hand ended before its last move was seen";
        fault = driver.Advance();
    }
    return fault;
}

std::string RouteName(const ::testing::TestParamInfo<Route>& info) {
    const char* const names[] = {"CloseButton", "ExitItem", "CloseBox"};
    return names[static_cast<int>(info.param)];
}

void ExpectWindowLives(const GameWindow& game) {
    EXPECT_TRUE(IsWindow(game.Window()));
    EXPECT_TRUE(IsWindowVisible(game.Window()));
    EXPECT_TRUE(IsWindowEnabled(game.Window()));
}

// The end of the main window ends the program's message loop. The main window
// is the first form of the process: the game window when the test runs alone.
void ExpectQuitPosted(HWND window) {
    if (KTUtility::Dispatch().mainWindow != window) return;
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace

TEST(GameWindowExit, NoInTheMiddleOfThePcsMoveLeavesTheMatchAsItWasAndTheMoveGoesOn) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 1);
    ASSERT_EQ(PlayToThePcsCardShown(driver, game), "");
    const MyGame::MatchController& match = game.Form().Match;
    for (int i = 0; i < 17; ++i) game.Tick();
    ASSERT_EQ(match.Move().PcTickCount, 17);

    const Route routes[] = {Route::CloseButton, Route::ExitItem, Route::CloseBox};
    for (Route route : routes) {
        const TableTest::BoardView before = TableTest::ReadBoard(game.Form());
        const TurnState turn(match);
        const std::size_t asked = game.questions.size();
        AskToExit(game, route);
        ToolkitTest::Pump();
        ASSERT_EQ(game.questions.size(), asked + 1) << Name(route);
        ExpectTheQuestion(game.questions.back(), route);
        EXPECT_EQ(TableTest::Differences(before, TableTest::ReadBoard(game.Form())), std::vector<std::string>{})
            << Name(route);
        EXPECT_TRUE(TurnState(match) == turn) << Name(route);
        ExpectWindowLives(game);
    }

    // The wait goes on from where it was: the step comes on the 41st tick.
    const TableTest::BoardView waiting = TableTest::ReadBoard(game.Form());
    for (int i = 17; i < MyGame::PcWaitTicks; ++i) game.Tick();
    EXPECT_EQ(TableTest::Differences(waiting, TableTest::ReadBoard(game.Form())), std::vector<std::string>{});
    ASSERT_EQ(match.Move().PcTickCount, MyGame::PcWaitTicks);
    ASSERT_EQ(driver.MakePcStep(), "");
    ASSERT_EQ(driver.PlayToEnd(), "");
    EXPECT_EQ(game.questions.size(), 3u);
}

TEST(GameWindowExit, ThePcStepsOnTicksThatArriveWhileTheQuestionIsOpen) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 2);
    ASSERT_EQ(PlayToThePcsCardShown(driver, game), "");
    std::string underQuestion = "the question was not asked";
    game.duringQuestion = [&] {
        underQuestion = driver.WaitForPcStep();
        if (underQuestion.empty()) underQuestion = driver.MakePcStep();
    };
    AskToExit(game, Route::CloseButton);
    game.duringQuestion = nullptr;
    ASSERT_EQ(underQuestion, "");
    ASSERT_EQ(game.questions.size(), 1u);
    ExpectWindowLives(game);
    ASSERT_EQ(driver.Check("after the question"), "");
    ASSERT_EQ(driver.PlayToEnd(), "");
}

TEST(GameWindowExit, NoAfterATickUnderTheQuestionEndedTheHandLeavesTheScorePanelUp) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 3);
    ASSERT_EQ(PlayToTheLastMoveOfTheHand(driver, game), "");
    std::string underQuestion = "the question was not asked";
    game.duringQuestion = [&] { underQuestion = driver.MakePcStep(); };
    AskToExit(game, Route::CloseBox);
    game.duringQuestion = nullptr;
    ASSERT_EQ(underQuestion, "");
    ExpectWindowLives(game);
    EXPECT_TRUE(IsWindowVisible(game.Form().ReportPanel->windowHandle));
    EXPECT_EQ(TableTest::ReadBoard(game.Form()).status, L"Fine mano");
    ASSERT_EQ(driver.Check("after the question"), "");
    ASSERT_EQ(driver.PlayToEnd(), "");
}

TEST(GameWindowExit, YesAfterATickUnderTheQuestionEndedTheHandClosesTheWindow) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 4);
    ASSERT_EQ(PlayToTheLastMoveOfTheHand(driver, game), "");
    game.Form().TurnTimer->Start();
    std::string underQuestion = "the question was not asked";
    game.duringQuestion = [&] { underQuestion = driver.MakePcStep(); };
    game.answer = IDYES;
    AskToExit(game, Route::ExitItem);
    game.duringQuestion = nullptr;
    EXPECT_EQ(underQuestion, "");
    EXPECT_EQ(game.questions.size(), 1u);
    EXPECT_FALSE(game.Form().TurnTimer->running);
    EXPECT_FALSE(IsWindow(game.Window()));
    ExpectQuitPosted(game.Window());
}

class GameWindowExitYes : public ::testing::TestWithParam<Route> {};

TEST_P(GameWindowExitYes, StopsTheTimerAndDestroysTheWindow) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 5);
    ASSERT_EQ(PlayToThePcsCardShown(driver, game), "");
    MyGame::FormMain& form = game.Form();
    form.TurnTimer->Start();
    game.answer = IDYES;
    game.duringQuestion = [&] { game.Tick(); };
    AskToExit(game, GetParam());
    ASSERT_EQ(game.questions.size(), 1u);
    ExpectTheQuestion(game.questions.back(), GetParam());
    EXPECT_FALSE(form.TurnTimer->running);
    EXPECT_FALSE(IsWindow(game.Window()));
    EXPECT_TRUE(form.destroyed);
    ExpectQuitPosted(game.Window());
    game.Delete();
    EXPECT_EQ(game.questions.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Routes, GameWindowExitYes,
                         ::testing::Values(Route::CloseButton, Route::ExitItem, Route::CloseBox), RouteName);

TEST(GameWindowExit, DeletingTheFormAsksNothingAndDestroysItsWindow) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 6);
    ASSERT_EQ(PlayToThePcsCardShown(driver, game), "");
    game.Form().TurnTimer->Start();
    const HWND window = game.Window();
    game.Delete();
    EXPECT_TRUE(game.questions.empty());
    EXPECT_FALSE(IsWindow(window));
    ToolkitTest::Pump();
}

TEST(GameWindowExit, DeletingTheFormWithItsAboutFormAndItsRulesOpenAsksNothingAndDestroysEveryWindow) {
    GameWindow game;
    game.Click(*game.Form().InfoButton);
    ToolkitTest::Pump();
    ASSERT_TRUE(game.Form().AboutForm);
    const HWND about = game.Form().AboutForm->windowHandle;
    ASSERT_TRUE(IsWindowVisible(about));
    // Only a program can open the rules while the About form disables the game.
    game.ChooseMenuItem(game.Form().GuideItem->controlId);
    ToolkitTest::Pump();
    ASSERT_TRUE(game.Form().RulesForm);
    const HWND rules = game.Form().RulesForm->windowHandle;
    ASSERT_TRUE(IsWindowVisible(rules));
    const HWND window = game.Window();
    game.Delete();
    EXPECT_TRUE(game.questions.empty());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(about));
    EXPECT_FALSE(IsWindow(rules));
    ToolkitTest::Pump();
}
