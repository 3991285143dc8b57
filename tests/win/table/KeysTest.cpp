// The keyboard where the mouse has left the focus or a form covers the game: a
// focused button hands the game's keys to the game and never clicks on them, and
// under the About form and the rules window the game's keys change nothing,
// while Escape closes the form. The keys here are real input (SendInput), which
// the system routes to whichever window has the keyboard. After the exit question
// is declined, the keys reach the game again.
#include "GameWindow.h"
#include "MatchDriver.h"
#include "TestSupport.h"
#include "table/AskYesNo.h"
#include "table/FormMain.h"
#include "toolkit/Button.h"
#include "toolkit/FormAbout.h"
#include "toolkit/FormText.h"

#include <gtest/gtest.h>

using TableTest::GameWindow;
using TableTest::MatchDriver;
using TableTest::Player;

namespace {

bool IsOpen(const KTUtility::GUIElement* form) {
    return form && IsWindow(form->windowHandle) && IsWindowVisible(form->windowHandle);
}

// Every game key but Escape and Enter, which close the form on top.
std::string GameKeysChangeNothing(GameWindow& game, MatchDriver& driver, const std::string& under) {
    const TableTest::BoardView before = TableTest::ReadBoard(game.Form());
    const MyGame::MatchPhase phase = game.Form().Match.Phase();
    const int beeps = game.beeps;
    for (WORD key : {WORD{'1'}, WORD{'2'}, WORD{'3'}, WORD{'H'}, WORD{VK_F2}, WORD{VK_F1}, WORD{VK_RIGHT},
                     WORD{VK_TAB}, WORD{VK_SPACE}}) {
        ToolkitTest::RealKey(key);
        for (int i = 0; i < 5; ++i) game.Tick();
    }
    const std::vector<std::string> changed = TableTest::Differences(before, TableTest::ReadBoard(game.Form()));
    if (!changed.empty()) return "keys under " + under + " changed " + changed.front();
    if (game.Form().Match.Phase() != phase || game.beeps != beeps) return "keys under " + under + " moved the match";
    return driver.Check("keys under " + under);
}

TEST(GameWindowKeys, AFocusedButtonHandsTheKeysToTheGameAndNeverClicks) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 5);
    ASSERT_EQ(driver.StartMatch(3), "");
    MyGame::FormMain& form = game.Form();
    SetForegroundWindow(game.Window());
    ToolkitTest::Pump();

    // A click leaves the focus on the button; Space and Enter there would
    // press "ABBANDONA".
    for (KTUtility::Button* button : {form.PlayButton.get(), form.InfoButton.get(), form.CloseButton.get()}) {
        SetFocus(button->windowHandle);
        ASSERT_EQ(GetFocus(), button->windowHandle);
        game.Key(VK_SPACE);
        game.Key(VK_RETURN);
        ToolkitTest::Pump();
        EXPECT_EQ(form.Match.Phase(), MyGame::MatchPhase::PlayerTurn);
        EXPECT_TRUE(game.questions.empty());
        EXPECT_FALSE(IsOpen(form.AboutForm.get()));
    }
    // The digits still play, from the button's focus.
    const int cardsInHand = form.IsPositionShown(3) + form.IsPositionShown(4) + form.IsPositionShown(5);
    for (int i = 0; i < 3 && form.Match.Phase() == MyGame::MatchPhase::PlayerTurn; ++i) {
        ASSERT_EQ(driver.PressWith(MyGame::HandPosition(MyGame::Side::Player, 0), [&] { game.Key('1'); }), "");
        if (form.Match.Move().AwaitingTableChoice()) {
            ASSERT_EQ(driver.PressWith(form.Match.Move().TableFocus, [&] { game.Key(VK_SPACE); }), "");
        }
    }
    EXPECT_EQ(form.Match.Phase(), MyGame::MatchPhase::PcTurn);
    EXPECT_EQ(form.IsPositionShown(3) + form.IsPositionShown(4) + form.IsPositionShown(5), cardsInHand - 1);
}

TEST(GameWindowKeys, UnderTheAboutFormAndTheRulesKeysChangeNothingAndEscapeCloses) {
    GameWindow game;
    MatchDriver driver(game, Player::Random, 6);
    MyGame::FormMain& form = game.Form();
    // Picking table cards, the moment with the most keys to answer.
    for (unsigned seed = 1; seed < 20 && !form.Match.Move().AwaitingTableChoice(); ++seed) {
        ASSERT_EQ(driver.StartMatch(seed), "");
        while (!driver.MatchOver() && !form.Match.Move().AwaitingTableChoice()) {
            ASSERT_EQ(form.Match.PlayerToMove() ? driver.PressRandomCard() : driver.Advance(), "");
        }
    }
    ASSERT_TRUE(form.Match.Move().AwaitingTableChoice());
    SetForegroundWindow(game.Window());
    ToolkitTest::Pump();

    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    ASSERT_TRUE(IsOpen(form.AboutForm.get()));
    EXPECT_EQ(GameKeysChangeNothing(game, driver, "the About form"), "");
    ToolkitTest::RealKey(VK_ESCAPE);
    EXPECT_FALSE(IsOpen(form.AboutForm.get()));

    SetForegroundWindow(game.Window());
    ToolkitTest::Pump();
    game.Key(VK_F1);
    ToolkitTest::Pump();
    ASSERT_TRUE(IsOpen(form.RulesForm.get()));
    EXPECT_EQ(GameKeysChangeNothing(game, driver, "the rules"), "");
    ToolkitTest::RealKey(VK_ESCAPE);
    EXPECT_FALSE(IsOpen(form.RulesForm.get()));
    EXPECT_EQ(driver.Check("the rules closed"), "");
}

void CALLBACK AnswerNoWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND box = FindWindowW(L"#32770", L"Uscita")) {
        KillTimer(nullptr, timer);
        PostMessageW(box, WM_COMMAND, IDNO, 0);
    }
}

// The real question, answered No from a timer as soon as it shows.
int WINAPI AnswerNoAtOnce(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
    SetTimer(nullptr, 0, 50, AnswerNoWhenShown);
    return MessageBoxA(owner, text, caption, flags);
}

TEST(GameWindowKeys, AfterTheExitQuestionIsAnsweredNoTheKeysReachTheGameAgain) {
    GameWindow game;
    MatchDriver driver(game, Player::Strategy, 7);
    SetForegroundWindow(game.Window());
    ToolkitTest::Pump();
    MyGame::messageBox = AnswerNoAtOnce;
    game.Click(*game.Form().CloseButton);
    ToolkitTest::Pump();
    ASSERT_TRUE(IsWindow(game.Window()));
    EXPECT_EQ(GetActiveWindow(), game.Window());
    ToolkitTest::RealKey(VK_F2);
    EXPECT_EQ(game.Form().Match.Phase(), MyGame::MatchPhase::PlayerTurn) << "F2 after the question dealt nothing";
}

}  // namespace
