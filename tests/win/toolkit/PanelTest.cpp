// Panels and cells: their window classes and ids, floating panels, scroll
// ranges, the border on a created panel, colour requests and the cell's own
// painting.
#include "TestSupport.h"
#include "ToolkitTestResources.h"

#include "toolkit/Bitmaps.h"
#include "toolkit/CellControl.h"
#include "toolkit/FontDescription.h"
#include "toolkit/Label.h"
#include "toolkit/PanelChildren.h"

#include <gtest/gtest.h>

#include <string>

using namespace KTUtility;
using ToolkitTest::ExtendedStyle;
using ToolkitTest::MakeForm;
using ToolkitTest::Pump;
using ToolkitTest::Style;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

UINT Page(HWND window, int bar) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(window, bar, &info);
    return info.nPage;
}

// The cell's client area as painted on screen.
class ScreenShot : public ToolkitTest::Canvas {
public:
    ScreenShot(HWND window, int width, int height) : Canvas(width, height, kWhite) {
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        HDC screen = GetDC(nullptr);
        BitBlt(Context(), 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
};

// A cell on a white form, painted and settled.
struct PaintedCell {
    explicit PaintedCell(std::unique_ptr<Form> owner) : form(std::move(owner)), cell(form.get()) {
        cell.SetPosition(20, 20);
        cell.SetSize(120, 30);
        cell.SetBackColor(kWhite);
    }
    void Show() {
        cell.Create();
        Settle();
    }
    void Settle() {
        RedrawWindow(cell.windowHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Pump();
        GdiFlush();
    }
    // Pixels that are not the white background.
    int Inked(int left, int top, int right, int bottom) {
        ScreenShot shot(cell.windowHandle, 120, 30);
        return shot.CountNot(kWhite, left, top, right, bottom);
    }
    // Whether some pixel is mostly red: smoothed text may blend its edges.
    bool ShowsRed() {
        ScreenShot shot(cell.windowHandle, 120, 30);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 120; ++x) {
                COLORREF pixel = shot.Pixel(x, y);
                if (GetRValue(pixel) > 180 && GetGValue(pixel) < 90 && GetBValue(pixel) < 90) return true;
            }
        }
        return false;
    }
    int Count(COLORREF color, int left, int top, int right, int bottom) {
        ScreenShot shot(cell.windowHandle, 120, 30);
        return (right - left) * (bottom - top) - shot.CountNot(color, left, top, right, bottom);
    }
    std::unique_ptr<Form> form;
    CellControl cell;
};

}  // namespace

TEST(Panel, FirstPanelNamesItsClassAfterTheCounterAndFloatsUnshown) {
    PanelChildren floating(nullptr);
    floating.floating = true;
    floating.Create();
    ASSERT_NE(floating.windowHandle, nullptr);
    EXPECT_EQ(floating.controlId, 1u);
    EXPECT_EQ(ClassOf(floating.windowHandle), L"PanelChildren0");
    EXPECT_EQ(GetAncestor(floating.windowHandle, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindowLongPtrW(floating.windowHandle, GWLP_ID), 0);
    EXPECT_FALSE(IsWindowVisible(floating.windowHandle));
    EXPECT_EQ(Style(floating.windowHandle) & (WS_CHILD | 0x80), 0x80u);
    EXPECT_EQ(ExtendedStyle(floating.windowHandle) & 0x81, 0x81u);

    auto form = MakeForm();  // id 2
    PanelChildren panel(form.get());
    panel.Create();
    EXPECT_EQ(panel.typeName, "panel");
    EXPECT_EQ(panel.controlId, 3u);
    EXPECT_EQ(ClassOf(panel.windowHandle), L"PanelChildren2");
    EXPECT_EQ(GetParent(panel.windowHandle), form->windowHandle);
    EXPECT_EQ(GetDlgCtrlID(panel.windowHandle), 3);
    EXPECT_TRUE(IsWindowVisible(panel.windowHandle));
    EXPECT_EQ(Style(panel.windowHandle) & ~static_cast<DWORD>(WS_CLIPSIBLINGS), 0x50010000u);
}

TEST(Panel, ScrollPageIsATenthOfTheRange) {
    auto form = MakeForm();
    PanelChildren panel(form.get());
    panel.verticalScrolling = true;
    panel.horizontalScrolling = true;
    panel.Create();
    EXPECT_EQ(Page(panel.windowHandle, SB_VERT), 10u);
    EXPECT_EQ(Page(panel.windowHandle, SB_HORZ), 10u);
    panel.SetScrollRange(0, 5);
    EXPECT_EQ(Page(panel.windowHandle, SB_VERT), 0u);
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, 0, 0, 0, 0, 0};
    GetScrollInfo(panel.windowHandle, SB_HORZ, &info);
    EXPECT_EQ(info.nMax, 5);
}

TEST(Panel, BorderSetOnACreatedPanelChangesItsFrame) {
    auto form = MakeForm();
    PanelChildren panel(form.get());
    panel.Create();
    RECT before{};
    GetClientRect(panel.windowHandle, &before);
    panel.SetBorder(true);
    EXPECT_EQ(Style(panel.windowHandle) & WS_BORDER, static_cast<DWORD>(WS_BORDER));
    RECT after{};
    GetClientRect(panel.windowHandle, &after);
    EXPECT_EQ(after.right, before.right - 2);

    PanelChildren sunken(form.get());
    sunken.border = true;
    sunken.Create();
    EXPECT_EQ(ExtendedStyle(sunken.windowHandle) & WS_EX_CLIENTEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    PanelChildren flat(form.get());
    flat.border = true;
    flat.flatBorder = true;
    flat.Create();
    EXPECT_EQ(ExtendedStyle(flat.windowHandle) & WS_EX_CLIENTEDGE, 0u);
}

TEST(Panel, ColourRequestsOfTheControlsInside) {
    auto form = MakeForm();
    PanelChildren panel(form.get());
    panel.Create();
    Label label(&panel, "testo");
    label.Create();
    HDC context = GetDC(label.windowHandle);
    SetTextColor(context, RGB(1, 2, 3));

    // Nothing set: the button face, and the text colour left alone.
    LRESULT brush = SendMessageW(panel.windowHandle, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                                 reinterpret_cast<LPARAM>(label.windowHandle));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(GetTextColor(context), RGB(1, 2, 3));

    panel.panelColor = RGB(10, 120, 30);
    panel.childTextColor = RGB(200, 200, 0);
    brush = SendMessageW(panel.windowHandle, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                         reinterpret_cast<LPARAM>(label.windowHandle));
    LOGBRUSH made{};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof(LOGBRUSH), &made);
    EXPECT_EQ(made.lbColor, RGB(10, 120, 30));
    EXPECT_EQ(GetBkColor(context), RGB(10, 120, 30));
    EXPECT_EQ(GetTextColor(context), RGB(200, 200, 0));

    // The element's back colour stands in for a missing panel colour.
    panel.panelColor = NoColor;
    panel.backColor = RGB(0, 0, 90);
    EXPECT_EQ(GetObjectW(panel.OnControlColor(context), sizeof(LOGBRUSH), &made), static_cast<int>(sizeof(LOGBRUSH)));
    EXPECT_EQ(made.lbColor, RGB(0, 0, 90));

    panel.answersColorRequests = false;
    EXPECT_EQ(panel.OnControlColor(context), nullptr);
    ReleaseDC(label.windowHandle, context);
}

TEST(Cell, PaintsItsTextAndMarkerInItsColour) {
    PaintedCell painted(MakeForm());
    CellControl& cell = painted.cell;
    EXPECT_FALSE(cell.tabStop);
    cell.SetText(std::string("Tocca a te"));
    cell.textColor = kRed;
    cell.textAlignment = TextAlignment::Left;
    painted.Show();
    EXPECT_TRUE(painted.ShowsRed());
    EXPECT_GT(painted.Inked(0, 0, 60, 30), 0);
    EXPECT_EQ(painted.Inked(100, 0, 120, 30), 0);  // left aligned: the right end is empty

    cell.SetTextAlignment(TextAlignment::Right);
    painted.Settle();
    EXPECT_GT(painted.Inked(100, 0, 120, 30), 0);
    EXPECT_EQ(painted.Inked(0, 0, 20, 30), 0);

    cell.SetText(std::string(""));
    cell.marker = true;
    painted.Settle();
    // Only the marker is left, in the bottom-right corner.
    EXPECT_GT(painted.Inked(100, 10, 120, 30), 0);
    EXPECT_EQ(painted.Inked(0, 0, 100, 30), 0);
    EXPECT_TRUE(painted.ShowsRed());
}

TEST(Cell, SetTextInvalidatesTheCell) {
    auto form = MakeForm();
    CellControl cell(form.get());
    cell.Create();
    Pump();
    RECT dirty{};
    EXPECT_FALSE(GetUpdateRect(cell.windowHandle, &dirty, FALSE));
    cell.SetText(std::wstring(L"nuovo"));
    EXPECT_TRUE(GetUpdateRect(cell.windowHandle, &dirty, FALSE));
    wchar_t text[16] = {};
    GetWindowTextW(cell.windowHandle, text, 16);
    EXPECT_STREQ(text, L"nuovo");
    Pump();
    cell.SetTextColor(kRed);
    EXPECT_TRUE(GetUpdateRect(cell.windowHandle, &dirty, FALSE));
}

TEST(Cell, PictureIsDrawnWithBlackSeeThrough) {
    HBITMAP picture = LoadBitmapResource(BITMAP_QUARTER);
    PaintedCell painted(MakeForm());
    painted.cell.SetPicture(picture, 16, 16);
    painted.cell.pictureAlignment = PictureAlignment::Left;
    painted.Show();
    // At (3, 7): the black quarter lets the white through, the rest is red.
    EXPECT_EQ(painted.Count(RGB(200, 30, 60), 3, 7, 19, 23), 16 * 16 - 8 * 8);
    EXPECT_EQ(painted.Inked(0, 0, 120, 30), 16 * 16 - 8 * 8);
    DeleteObject(picture);
}
