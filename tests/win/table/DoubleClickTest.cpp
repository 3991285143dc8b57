// "Continua" lies over the player's hand. A double-click on it deals the next
// hand with its first click; its second press lands on the card that the
// panel uncovered, a window of its own, and must not play it. A press there
// once the double-click time has passed plays the card as any press does.
// The clicks are real input (SendInput): the system picks the window under the
// pointer and stamps every press with its time.
#include "BoardView.h"
#include "GameWindow.h"
#include "MatchDriver.h"
#include "TestSupport.h"
#include "table/FormMain.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/PanelChildren.h"

#include <gtest/gtest.h>

using TableTest::GameWindow;

namespace {

void ClickAt(POINT at) {
    SetCursorPos(at.x, at.y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// Pumps until the condition holds or a second has passed.
template <typename Condition>
bool PumpUntil(Condition holds) {
    const DWORD start = GetTickCount();
    while (!holds()) {
        if (GetTickCount() - start > 1000) return false;
        ToolkitTest::Pump();
        Sleep(5);
    }
    return true;
}

POINT CentreOnScreen(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

int PlayerCardsShown(MyGame::FormMain& form) {
    int shown = 0;
    for (int i = 0; i < MyGame::HandSize; ++i) {
        shown += IsWindowVisible(form.CardPositions[MyGame::PlayerHandFirst + i]->windowHandle) ? 1 : 0;
    }
    return shown;
}

}  // namespace

TEST(GameWindowDoubleClick, TheSecondPressOfADoubleClickOnContinuaPlaysNoCardAndALaterPressDoes) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    SetForegroundWindow(game.Window());
    TableTest::MatchDriver driver(game, TableTest::Player::Strategy, 5);
    ASSERT_EQ(driver.StartMatch(2026), "");
    // The second hand is begun by the PC, so the third by the player: play
    // to the score panel of the second hand.
    int reports = 0;
    while (!(IsWindowVisible(form.ReportPanel->windowHandle) && ++reports == 2)) {
        ASSERT_FALSE(driver.MatchOver());
        ASSERT_EQ(driver.Advance(), "");
    }
    const POINT continueAt = CentreOnScreen(form.ContinueButton->windowHandle);
    const HWND underneath = form.CardPositions[MyGame::PlayerHandFirst + 1]->windowHandle;
    RECT card{};
    GetWindowRect(underneath, &card);
    ASSERT_TRUE(PtInRect(&card, continueAt)) << "\"Continua\" lies over the player's middle card";

    const int beeps = game.beeps;
    ClickAt(continueAt);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(form.ReportPanel->windowHandle); }));
    ASSERT_EQ(WindowFromPoint(continueAt), underneath);
    ClickAt(continueAt);
    ToolkitTest::Pump();
    Sleep(100);
    ToolkitTest::Pump();
    EXPECT_EQ(PlayerCardsShown(form), 3);
    EXPECT_TRUE(form.Match.PlayerToMove());
    EXPECT_FALSE(form.Match.Move().AwaitingTableChoice());
    EXPECT_EQ(TableTest::ReadBoard(form).status, L"Tocca a te");
    EXPECT_EQ(game.beeps, beeps);

    Sleep(GetDoubleClickTime() + 50);
    ClickAt(continueAt);
    ASSERT_TRUE(PumpUntil([&] {
        return PlayerCardsShown(form) == 2 || !form.Match.PlayerToMove() || form.Match.Move().AwaitingTableChoice();
    })) << "a press after the double-click time plays the card";
}
