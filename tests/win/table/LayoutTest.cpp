// The game window as it opens: where every element sits, computed here from the
// client size the window ends with, what the table shows before any match, the
// program's icon, and the colours of the buttons on the screen.
#include "BoardCheck.h"
#include "BoardView.h"
#include "GameWindow.h"
#include "ScreenImage.h"
#include "TestSupport.h"
#include "app/ResourceIds.h"
#include "table/FormMain.h"
#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PanelChildren.h"

#include <gtest/gtest.h>

#include <string>

using TableTest::BoxInParent;
using TableTest::GameWindow;
using ToolkitTest::WindowText;

namespace {

void ExpectBox(HWND window, int left, int top, int width, int height, const std::string& name) {
    const RECT box = BoxInParent(window);
    EXPECT_EQ(box.left, left) << name;
    EXPECT_EQ(box.top, top) << name;
    EXPECT_EQ(box.right - box.left, width) << name;
    EXPECT_EQ(box.bottom - box.top, height) << name;
}

// Pixels of the button's inside (its one-pixel frame left out) in the colour.
int CountInside(const TableTest::ScreenImage& image, HWND form, HWND button, COLORREF color) {
    RECT box = ToolkitTest::WindowBox(button);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&box), 2);
    int count = 0;
    for (int y = box.top + 2; y < box.bottom - 2; ++y) {
        for (int x = box.left + 2; x < box.right - 2; ++x) {
            if (image.At(x, y) == color) ++count;
        }
    }
    return count;
}

}  // namespace

TEST(GameWindowLayout, EveryElementSitsWhereTheFinalClientSizePutsItAndTheTableStartsIdle) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    // The table is laid out for the client area the window ends with. The
    // window is made at that size already, so it does not grow once shown.
    const int w = TableTest::ClientWidth;
    const int h = TableTest::ClientHeight;
    RECT client{};
    GetClientRect(game.Window(), &client);
    EXPECT_EQ(client.right, w);
    EXPECT_EQ(client.bottom, h);
    EXPECT_EQ(game.creationClient.cx, w);
    EXPECT_EQ(game.creationClient.cy, h);

    const TableTest::Places places(w, h);
    EXPECT_EQ(form.Match.TableRowY, (h - 121 + 175) / 2 - 50);
    for (int position = 0; position < MyGame::PositionCount; ++position) {
        ExpectBox(form.CardPositions[position]->windowHandle, places.card[position].x, places.card[position].y, 63,
                  101, "card position " + std::to_string(position));
    }
    // Asked for 200 by 60, the banner's picture control takes its bitmap's size,
    // as a bitmap static control does.
    ExpectBox(form.TitleImage->windowHandle, 28, 10, 200, 50, "banner");
    ExpectBox(form.PlayButton->windowHandle, w - 128, 20, 100, 40, "play button");
    ExpectBox(form.InfoButton->windowHandle, w - 128, 70, 100, 40, "Info");
    ExpectBox(form.CloseButton->windowHandle, w - 128, 120, 100, 40, "Chiudi");
    ExpectBox(form.PcLabel->windowHandle, 298, 10, 90, 22, "PC label");
    ExpectBox(form.PcTotalCell->windowHandle, 388, 10, 50, 22, "PC total");
    ExpectBox(form.PlayerLabel->windowHandle, 298, 35, 90, 22, "player label");
    ExpectBox(form.PlayerTotalCell->windowHandle, 388, 35, 50, 22, "player total");
    ExpectBox(form.StatusCell->windowHandle, 10, h - 60, w / 2, 45, "status");
    // The status line is read whole while the score panel waits for "Continua".
    EXPECT_GE(BoxInParent(form.StatusCell->windowHandle).top, BoxInParent(form.ReportPanel->windowHandle).bottom);
    ExpectBox(form.ReportPanel->windowHandle, (w - 300) / 2, 110, 300, 300, "score panel");
    ExpectBox(form.ReportHeading->windowHandle, 75, 10, 150, 25, "report heading");
    ExpectBox(form.PcReportTitle->windowHandle, 10, 40, 200, 18, "PC report title");
    ExpectBox(form.PlayerReportTitle->windowHandle, 10, 157, 200, 18, "player report title");
    for (int i = 0; i < MyGame::ReportLineCount; ++i) {
        ExpectBox(form.PcReportLines[i]->windowHandle, 10, 60 + 18 * i, 200, 18, "PC line " + std::to_string(i));
        ExpectBox(form.PlayerReportLines[i]->windowHandle, 10, 177 + 18 * i, 200, 18,
                  "player line " + std::to_string(i));
    }
    ExpectBox(form.ContinueButton->windowHandle, 190, 250, 100, 40, "Continua");

    // The start: sixteen backs, the extra places hidden, no panel, nothing said.
    const TableTest::BoardView view = TableTest::ReadBoard(form);
    EXPECT_EQ(TableTest::CheckIdle(view, places), "");
    EXPECT_EQ(TableTest::CheckBoard(view, form, places, TableTest::BoardFacts{}), "");
    EXPECT_EQ(view.pcTotal, L"0");
    EXPECT_EQ(view.playerTotal, L"0");
    EXPECT_EQ(view.playButton, L"GIOCA");
    EXPECT_EQ(view.status, L"");
    EXPECT_FALSE(view.reportShown);
    EXPECT_EQ(WindowText(form.PcLabel->windowHandle), L"PC:");
    EXPECT_EQ(WindowText(form.PlayerLabel->windowHandle), L"Giocatore:");
    EXPECT_EQ(WindowText(form.ReportHeading->windowHandle), L"Punteggio");
    EXPECT_EQ(WindowText(form.ContinueButton->windowHandle), L"Continua");
    EXPECT_EQ(WindowText(form.InfoButton->windowHandle), L"Info");
    EXPECT_EQ(WindowText(form.CloseButton->windowHandle), L"Chiudi");
}

// Alt+Tab and, on most settings, the taskbar show the window's big icon: the
// one set with WM_SETICON, or the class's when none was (WM_GETICON then
// answers null).
TEST(GameWindowLayout, TheWindowsBigIconAndSmallIconAreTheProgramsIcon) {
    GameWindow game;
    const HICON program = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(LURNA_PROGRAM_ICON));
    ASSERT_NE(program, nullptr);
    auto bigIcon = reinterpret_cast<HICON>(SendMessageW(game.Window(), WM_GETICON, ICON_BIG, 0));
    if (!bigIcon) bigIcon = reinterpret_cast<HICON>(GetClassLongPtrW(game.Window(), GCLP_HICON));
    EXPECT_EQ(bigIcon, program);
    EXPECT_NE(bigIcon, LoadIconW(nullptr, IDI_APPLICATION));
    const auto smallIcon = reinterpret_cast<HICON>(SendMessageW(game.Window(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(smallIcon, program);
}

TEST(GameWindowLayout, ThePlayButtonIsWhiteOnRedAndTheOtherButtonsBlackOnGreyOnTheScreen) {
    HDC screen = GetDC(nullptr);
    const int depth = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    ASSERT_GE(depth, 24) << "needs a true-colour screen: xvfb-run -s \"-screen 0 1280x1024x24\"";

    GameWindow game;
    MyGame::FormMain& form = game.Form();
    SetForegroundWindow(game.Window());
    RedrawWindow(game.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ToolkitTest::Pump();
    const TableTest::ScreenImage image = TableTest::CaptureClient(game.Window());

    const HWND play = form.PlayButton->windowHandle;
    const HWND info = form.InfoButton->windowHandle;
    const int inside = (100 - 4) * (40 - 4);
    const int playRed = CountInside(image, game.Window(), play, RGB(255, 0, 0));
    const int playWhite = CountInside(image, game.Window(), play, RGB(255, 255, 255));
    EXPECT_GT(playRed, inside * 3 / 4) << "the play button's back is red";
    EXPECT_GT(playWhite, 20) << "the caption \"GIOCA\" is white";
    const int infoGrey = CountInside(image, game.Window(), info, RGB(0xDC, 0xDC, 0xDC));
    const int infoBlack = CountInside(image, game.Window(), info, RGB(0, 0, 0));
    EXPECT_GT(infoGrey, inside * 3 / 4) << "\"Info\" is light grey";
    EXPECT_GT(infoBlack, 10) << "the caption \"Info\" is black";
    EXPECT_EQ(CountInside(image, game.Window(), info, RGB(255, 0, 0)), 0);
}
