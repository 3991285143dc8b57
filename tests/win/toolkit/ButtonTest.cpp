// Buttons: ids, creation, enabling, commands and the picture beside the caption.
#include "TestSupport.h"
#include "ToolkitTestResources.h"

#include "toolkit/Bitmaps.h"
#include "toolkit/Button.h"
#include "toolkit/Drawing.h"
#include "toolkit/Label.h"

#include <gtest/gtest.h>

using namespace KTUtility;
using ToolkitTest::Canvas;
using ToolkitTest::MakeForm;
using ToolkitTest::Style;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

int commands = 0;
GUIElement* lastCommand = nullptr;
void CountCommand(GUIElement* element) {
    ++commands;
    lastCommand = element;
}

struct ButtonCanvas {
    ButtonCanvas() : surface(&owner) { surface.Attach(canvas.Context()); }
    Canvas canvas{100, 40, kWhite};
    Form owner{nullptr};
    Drawing surface;
};

}  // namespace

TEST(Button, DefaultsAndStyles) {
    auto form = MakeForm();
    Button plain(form.get(), "Chiudi");
    EXPECT_EQ(plain.width, 80);
    EXPECT_EQ(plain.height, 30);
    EXPECT_EQ(plain.typeName, "button");
    EXPECT_EQ(plain.commandHandler, nullptr);
    plain.Create();
    EXPECT_EQ(Style(plain.windowHandle), 0x50010000u);
    wchar_t text[16] = {};
    GetWindowTextW(plain.windowHandle, text, 16);
    EXPECT_STREQ(text, L"Chiudi");

    Button drawn(form.get(), "GIOCA");
    drawn.ownerDrawn = true;
    drawn.Create();
    EXPECT_EQ(Style(drawn.windowHandle) & ~static_cast<DWORD>(WS_DISABLED), 0x5001000Bu);
}

TEST(Button, IdsFollowTheCounterAndCreateRunsOnce) {
    auto form = MakeForm();  // the form takes id 1
    Label label(form.get(), "a");
    label.Create();
    Button button(form.get(), "b");
    button.Create();
    HWND window = button.windowHandle;
    button.Create();
    EXPECT_EQ(button.windowHandle, window);
    EXPECT_EQ(button.controlId, label.controlId + 1);
    EXPECT_EQ(GetDlgCtrlID(window), static_cast<int>(button.controlId));
    Button next(form.get(), "c");
    next.Create();
    EXPECT_EQ(next.controlId, button.controlId + 1);
    int buttons = 0;
    for (HWND child = GetWindow(form->windowHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {};
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Button") == 0) ++buttons;
    }
    EXPECT_EQ(buttons, 2);
}

TEST(Button, DisabledBeforeCreateAndEnabledAfter) {
    auto form = MakeForm();
    Button button(form.get(), "Info");
    button.SetEnabled(false);
    button.Create();
    EXPECT_EQ(Style(button.windowHandle), 0x58010000u);
    EXPECT_FALSE(IsWindowEnabled(button.windowHandle));
    button.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(button.windowHandle));
}

TEST(Button, ClickFiresTheCommandHandlerWithTheButton) {
    auto form = MakeForm();
    Button button(form.get(), "OK");
    button.commandHandler = CountCommand;
    button.Create();
    Button silent(form.get(), "Niente");
    silent.Create();

    SendMessageW(button.windowHandle, BM_CLICK, 0, 0);
    ToolkitTest::Pump();
    EXPECT_EQ(commands, 1);
    EXPECT_EQ(lastCommand, &button);

    SendMessageW(silent.windowHandle, BM_CLICK, 0, 0);
    ToolkitTest::Pump();
    EXPECT_EQ(commands, 1);
}

// The mouse as a person uses it: two presses in quick succession reach an
// owner-drawn button as a press and a double-click.
TEST(Button, DoubleClickOnAnOwnerDrawnButtonIsOnePress) {
    auto form = MakeForm();
    Button button(form.get(), "GIOCA");
    button.ownerDrawn = true;
    button.commandHandler = CountCommand;
    button.Create();
    commands = 0;
    const LPARAM inside = MAKELPARAM(10, 10);
    SendMessageW(button.windowHandle, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageW(button.windowHandle, WM_LBUTTONUP, 0, inside);
    SendMessageW(button.windowHandle, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
    SendMessageW(button.windowHandle, WM_LBUTTONUP, 0, inside);
    ToolkitTest::Pump();
    EXPECT_EQ(commands, 1);

    // A later single press is a press again.
    SendMessageW(button.windowHandle, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageW(button.windowHandle, WM_LBUTTONUP, 0, inside);
    ToolkitTest::Pump();
    EXPECT_EQ(commands, 2);
}

TEST(ButtonPicture, NoPictureLeavesTheWholeWidthToTheCaption) {
    ButtonCanvas drawn;
    Button button(nullptr, "x");
    EXPECT_EQ(button.DrawImage(drawn.surface, RECT{0, 0, 100, 40}, false), 0);
    EXPECT_EQ(drawn.canvas.CountNot(kWhite, 0, 0, 100, 40), 0);
}

TEST(ButtonPicture, BitmapIsCentredVerticallyFiveFromTheLeft) {
    HBITMAP picture = LoadBitmapResource(BITMAP_QUARTER);
    ButtonCanvas drawn;
    Button button(nullptr, "x");
    button.enabledBitmap = picture;
    EXPECT_EQ(button.DrawImage(drawn.surface, RECT{0, 0, 100, 40}, true), 24);
    // The picture's bottom-right quarter spans (13, 20) to (20, 27).
    EXPECT_EQ(drawn.canvas.Pixel(13, 20), RGB(200, 30, 60));
    EXPECT_EQ(drawn.canvas.Pixel(20, 27), RGB(200, 30, 60));
    EXPECT_EQ(drawn.canvas.Pixel(21, 27), kWhite);
    EXPECT_EQ(drawn.canvas.Pixel(13, 28), kWhite);
    EXPECT_EQ(drawn.canvas.Pixel(5, 12), kWhite);  // black corner: see-through
    EXPECT_EQ(drawn.canvas.Pixel(5, 20), RGB(200, 30, 60));
    EXPECT_EQ(drawn.canvas.Pixel(4, 20), kWhite);
    DeleteObject(picture);
}

TEST(ButtonPicture, IconIsDrawnThirtyTwoSquare) {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ICON_GREEN), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ButtonCanvas drawn;
    Button button(nullptr, "x");
    button.enabledIcon = icon;
    EXPECT_EQ(button.DrawImage(drawn.surface, RECT{0, 0, 100, 40}, false), 40);
    EXPECT_EQ(drawn.canvas.Pixel(5, 4), RGB(0, 180, 0));
    EXPECT_EQ(drawn.canvas.Pixel(36, 35), RGB(0, 180, 0));
    EXPECT_EQ(drawn.canvas.Pixel(4, 4), kWhite);
    EXPECT_EQ(drawn.canvas.Pixel(5, 3), kWhite);
    EXPECT_EQ(drawn.canvas.Pixel(37, 36), kWhite);
    DestroyIcon(icon);
}

TEST(ButtonPicture, DisabledButtonUsesTheDisabledPictures) {
    HBITMAP picture = LoadBitmapResource(BITMAP_QUARTER);
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ICON_GREEN), IMAGE_ICON, 32, 32, 0));
    Button button(nullptr, "x");
    button.enabledBitmap = picture;
    button.disabledIcon = icon;
    button.SetEnabled(false);
    {
        ButtonCanvas drawn;
        EXPECT_EQ(button.DrawImage(drawn.surface, RECT{0, 0, 100, 40}, false), 40);
        EXPECT_EQ(drawn.canvas.Pixel(6, 5), RGB(0, 180, 0));
    }
    button.disabledIcon = nullptr;
    {
        ButtonCanvas drawn;
        EXPECT_EQ(button.DrawImage(drawn.surface, RECT{0, 0, 100, 40}, false), 0);
    }
    // Without a device context nothing is drawn, but the caption still moves.
    Form owner(nullptr);
    Drawing unattached(&owner);
    button.disabledIcon = icon;
    EXPECT_EQ(button.DrawImage(unattached, RECT{0, 0, 100, 40}, false), 40);
    DestroyIcon(icon);
    DeleteObject(picture);
}
