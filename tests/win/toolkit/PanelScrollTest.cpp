// Panel scrolling by scroll bar messages, by a real thumb drag and by the
// mouse wheel: the content moves by what the system allowed, the handler
// hears what was asked for.
#include "TestSupport.h"

#include "toolkit/Label.h"
#include "toolkit/PanelChildren.h"

#include <gtest/gtest.h>

#include <vector>

using namespace KTUtility;
using ToolkitTest::MakeForm;
using ToolkitTest::PlaceInParent;
using ToolkitTest::Pump;

namespace {

std::vector<int> vertical;
void OnVertical(PanelChildren*, int amount) {
    vertical.push_back(amount);
}

std::vector<int> horizontal;
void OnHorizontal(PanelChildren*, int amount) {
    horizontal.push_back(amount);
}

int Position(HWND window, int bar) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(window, bar, &info);
    return info.nPos;
}

void SetPosition(HWND window, int bar, int position) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, position, 0};
    SetScrollInfo(window, bar, &info, TRUE);
}

// A form with a scrolling panel (range 0..100, page 10) that holds a label at
// (10, 50), and a label of the form itself beside it.
struct ScrollingPanel {
    ScrollingPanel() : form(MakeForm(500, 400)), panel(form.get()), inside(&panel, "dentro"), outside(form.get(), "fuori") {
        panel.verticalScrolling = true;
        panel.horizontalScrolling = true;
        panel.verticalScrollHandler = OnVertical;
        panel.horizontalScrollHandler = OnHorizontal;
        panel.SetPosition(10, 10);
        panel.SetSize(200, 300);
        panel.Create();
        inside.SetPosition(10, 50);
        inside.Create();
        outside.SetPosition(300, 10);
        outside.Create();
        Pump();
    }
    int InsideTop() const { return PlaceInParent(inside.windowHandle).y; }
    void Wheel(HWND over, int delta) {
        SendMessageW(over, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), 0);
    }

    std::unique_ptr<Form> form;
    PanelChildren panel;
    Label inside;
    Label outside;
};

}  // namespace

TEST(PanelScroll, ClampedLineDownStillTellsTheHandler) {
    ScrollingPanel scrolling;
    HWND window = scrolling.panel.windowHandle;
    SetPosition(window, SB_VERT, 100);
    int last = Position(window, SB_VERT);  // the system keeps it at 91
    int top = scrolling.InsideTop();
    EXPECT_EQ(SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0), 0);
    EXPECT_EQ(Position(window, SB_VERT), last);
    EXPECT_EQ(scrolling.InsideTop(), top);
    EXPECT_EQ(vertical, std::vector<int>{-1});
}

TEST(PanelScroll, LinesAndPagesMoveTheContent) {
    ScrollingPanel scrolling;
    HWND window = scrolling.panel.windowHandle;
    SendMessageW(window, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(Position(window, SB_VERT), 10);
    EXPECT_EQ(scrolling.InsideTop(), 40);
    SendMessageW(window, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(scrolling.InsideTop(), 41);
    SendMessageW(window, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(scrolling.InsideTop(), 50);
    EXPECT_EQ(vertical, (std::vector<int>{-10, 1, 9}));

    SendMessageW(window, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(Position(window, SB_HORZ), 1);
    EXPECT_EQ(PlaceInParent(scrolling.inside.windowHandle).x, 9);
    EXPECT_EQ(horizontal, std::vector<int>{-1});

    // SB_THUMBPOSITION asks for no move; the handler hears nothing.
    SendMessageW(window, WM_VSCROLL, SB_THUMBPOSITION, 0);
    EXPECT_EQ(vertical.size(), 3u);

    // A panel without the flag for a bar leaves its messages alone.
    scrolling.panel.horizontalScrolling = false;
    SendMessageW(window, WM_HSCROLL, SB_LINERIGHT, 0);
    EXPECT_EQ(horizontal.size(), 1u);
}

TEST(PanelScroll, ThumbDragMovesTheContentByTheDistanceDragged) {
    ScrollingPanel scrolling;
    HWND window = scrolling.panel.windowHandle;
    // Where the thumb is drawn at 40 and at 10.
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(SCROLLBARINFO);
    SetPosition(window, SB_VERT, 40);
    GetScrollBarInfo(window, OBJID_VSCROLL, &bar);
    int thumbAt40 = bar.xyThumbTop;
    SetPosition(window, SB_VERT, 10);
    ScrollWindow(window, 0, -10, nullptr, nullptr);
    GetScrollBarInfo(window, OBJID_VSCROLL, &bar);
    int thumbAt10 = bar.xyThumbTop;
    int barLeft = bar.rcScrollBar.left;
    int barTop = bar.rcScrollBar.top;
    int barWidth = bar.rcScrollBar.right - bar.rcScrollBar.left;
    ASSERT_GT(thumbAt40, thumbAt10);
    int top = scrolling.InsideTop();

    // Press on the thumb, move by the distance between the two places, let go:
    // the scroll bar's own tracking loop reads the queued mouse messages.
    POINT press{barLeft + barWidth / 2, barTop + thumbAt10 + 2};
    POINT moved{press.x, press.y + thumbAt40 - thumbAt10};
    ScreenToClient(window, &moved);
    PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(moved.x, moved.y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(moved.x, moved.y));
    SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(press.x, press.y));
    Pump();

    EXPECT_EQ(Position(window, SB_VERT), 40);
    EXPECT_EQ(scrolling.InsideTop(), top - 30);
    ASSERT_FALSE(vertical.empty());
    EXPECT_EQ(vertical.front(), -30);
}

TEST(PanelScroll, WheelScrollsTheLastClickedPanelUntilAClickElsewhere) {
    ScrollingPanel scrolling;
    HWND window = scrolling.panel.windowHandle;
    HWND form = scrolling.form->windowHandle;
    scrolling.Wheel(form, -120);  // no panel clicked yet
    EXPECT_EQ(Position(window, SB_VERT), 0);
    EXPECT_TRUE(vertical.empty());

    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    // Towards the user (negative delta): one page down, whatever the size.
    scrolling.Wheel(form, -360);
    EXPECT_EQ(Position(window, SB_VERT), 10);
    EXPECT_EQ(scrolling.InsideTop(), 40);
    // Away from the user (positive delta): one page up.
    scrolling.Wheel(scrolling.outside.windowHandle, 120);
    EXPECT_EQ(Position(window, SB_VERT), 0);
    EXPECT_EQ(vertical, (std::vector<int>{-10, 10}));

    SendMessageW(scrolling.outside.windowHandle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    scrolling.Wheel(form, -120);
    EXPECT_EQ(Position(window, SB_VERT), 0);
    EXPECT_EQ(vertical.size(), 2u);

    // Scrolling by the bar makes it the wheel's panel again; over itself it
    // always scrolls.
    SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, 0);
    scrolling.Wheel(form, -120);
    EXPECT_EQ(Position(window, SB_VERT), 11);
    scrolling.Wheel(window, -120);
    EXPECT_EQ(Position(window, SB_VERT), 21);
}
