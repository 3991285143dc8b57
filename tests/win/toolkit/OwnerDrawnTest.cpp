// Owner-drawn buttons: the painting of WM_DRAWITEM, read back pixel by pixel.
#include "TestSupport.h"

#include "toolkit/Button.h"
#include "toolkit/ControlHooks.h"
#include "toolkit/FontDescription.h"
#include "toolkit/Label.h"

#include <gtest/gtest.h>

using namespace KTUtility;
using ToolkitTest::Canvas;
using ToolkitTest::MakeForm;
using ToolkitTest::Pump;

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 30;
constexpr COLORREF kBack = RGB(0, 128, 0);
constexpr COLORREF kText = RGB(255, 255, 0);

// An owner-drawn button painted on a canvas whose device context is set up
// as the button control sets up its own: a 14-pixel font, text and back colours.
struct DrawnButton {
    explicit DrawnButton(UINT state, const char* caption = "GIOCA") : form(MakeForm()), button(form.get(), caption) {
        button.ownerDrawn = true;
        button.SetSize(kWidth, kHeight);
        button.Create();
        Paint(state);
    }
    void Paint(UINT state) {
        HDC context = canvas.Context();
        HGDIOBJ previous = SelectObject(context, font.MakeFont());
        SetTextColor(context, kText);
        SetBkColor(context, kBack);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = button.controlId;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button.windowHandle;
        item.hDC = context;
        item.rcItem = RECT{0, 0, kWidth, kHeight};
        painted = PaintOwnerDrawnButton(button.controlId, item);
        SelectObject(context, previous);
    }
    bool FrameIs(COLORREF color) const {
        return canvas.CountNot(color, 0, 0, kWidth, 1) == 0 && canvas.CountNot(color, 0, kHeight - 1, kWidth, kHeight) == 0 &&
               canvas.CountNot(color, 0, 0, 1, kHeight) == 0 && canvas.CountNot(color, kWidth - 1, 0, kWidth, kHeight) == 0;
    }
    int Count(COLORREF color) const {
        return (kWidth - 2) * (kHeight - 2) - canvas.CountNot(color, 1, 1, kWidth - 1, kHeight - 1);
    }

    std::unique_ptr<Form> form;
    Button button;
    FontDescription font{"Arial", 14};
    Canvas canvas{kWidth, kHeight, RGB(255, 255, 255)};
    bool painted = false;
};

}  // namespace

TEST(OwnerDrawn, DisabledButtonIsGreyed) {
    DrawnButton drawn(ODS_DISABLED | ODS_SELECTED);
    EXPECT_TRUE(drawn.FrameIs(0x696969));
    EXPECT_GT(drawn.Count(0x969696), 0);
    EXPECT_EQ(drawn.Count(kText), 0);
}

TEST(OwnerDrawn, PressedButtonHasTheInverseFrame) {
    DrawnButton drawn(ODS_SELECTED);
    EXPECT_TRUE(drawn.FrameIs(0xFFFFFF - kText));
    EXPECT_GT(drawn.Count(kText), 0);
}

TEST(OwnerDrawn, FocusRectangleThreePixelsInside) {
    DrawnButton plain(0, "");
    DrawnButton focused(ODS_FOCUS, "");
    // Without a caption the inside is all background, but for the focus
    // rectangle, whose dots lie on the rectangle three pixels in.
    EXPECT_EQ(plain.Count(kBack), (kWidth - 2) * (kHeight - 2));
    int changed = 0;
    for (int y = 1; y < kHeight - 1; ++y) {
        for (int x = 1; x < kWidth - 1; ++x) {
            if (focused.canvas.Pixel(x, y) == kBack) continue;
            ++changed;
            bool onRectangle = ((x == 3 || x == kWidth - 4) && y >= 3 && y <= kHeight - 4) ||
                               ((y == 3 || y == kHeight - 4) && x >= 3 && x <= kWidth - 4);
            EXPECT_TRUE(onRectangle) << x << ", " << y;
        }
    }
    EXPECT_GT(changed, 2 * (kWidth - 6) / 2);
}

TEST(OwnerDrawn, CaptionCentredEightPixelsDownForAFourteenPixelFont) {
    DrawnButton drawn(0);
    // The same caption written by hand at (0, 8), centred over the whole width.
    Canvas expected(kWidth, kHeight, RGB(255, 255, 255));
    HDC context = expected.Context();
    HBRUSH back = CreateSolidBrush(kBack);
    RECT all{0, 0, kWidth, kHeight};
    FillRect(context, &all, back);
    DeleteObject(back);
    HBRUSH frame = CreateSolidBrush(kText);
    FrameRect(context, &all, frame);
    DeleteObject(frame);
    HGDIOBJ previous = SelectObject(context, drawn.font.MakeFont());
    SetBkMode(context, TRANSPARENT);
    SetTextColor(context, kText);
    RECT box{0, 8, kWidth, 8 + kHeight};
    DrawTextW(context, L"GIOCA", -1, &box, DT_CENTER);
    SelectObject(context, previous);

    int different = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) different += drawn.canvas.Pixel(x, y) != expected.Pixel(x, y);
    }
    EXPECT_EQ(different, 0);
}

TEST(OwnerDrawn, OnlyOwnerDrawnButtonsArePainted) {
    auto form = MakeForm();
    Label label(form.get(), "x");
    label.Create();
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    EXPECT_FALSE(PaintOwnerDrawnButton(label.controlId, item));
    EXPECT_FALSE(PaintOwnerDrawnButton(999, item));
    Button button(form.get(), "x");
    button.Create();
    item.CtlType = ODT_STATIC;
    EXPECT_FALSE(PaintOwnerDrawnButton(button.controlId, item));
}

TEST(OwnerDrawn, SystemPaintsADisabledButtonThroughTheToolkit) {
    auto form = MakeForm();
    Button button(form.get(), "Chiudi");
    button.ownerDrawn = true;
    button.SetPosition(20, 20);
    button.SetSize(kWidth, kHeight);
    button.SetEnabled(false);
    button.Create();
    RedrawWindow(button.windowHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    GdiFlush();
    POINT corner{0, 0};
    ClientToScreen(button.windowHandle, &corner);
    Canvas shot(kWidth, kHeight, RGB(255, 255, 255));
    HDC screen = GetDC(nullptr);
    BitBlt(shot.Context(), 0, 0, kWidth, kHeight, screen, corner.x, corner.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(shot.CountNot(0x696969, 0, 0, kWidth, 1), 0);
    EXPECT_EQ(shot.CountNot(0x696969, 0, 0, 1, kHeight), 0);
    EXPECT_GT((kWidth - 2) * (kHeight - 2) - shot.CountNot(0x969696, 1, 1, kWidth - 1, kHeight - 1), 0);
}
