// The About form: its frame and layout, the owner disabled while it lives,
// Enter and Escape closing it, the links opening through the shell seam, and
// an owner released when the form's window cannot be made.
#include "TestSupport.h"

#include "table/AboutData.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/FormAbout.h"
#include "toolkit/Label.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/TextBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace KTUtility;
using ToolkitTest::ExtendedStyle;
using ToolkitTest::MakeForm;
using ToolkitTest::PlaceInParent;
using ToolkitTest::Pump;
using ToolkitTest::WindowBox;

namespace {

struct ShellCall {
    std::wstring verb;
    std::wstring target;
    INT show;
};
std::vector<ShellCall> shellCalls;

HINSTANCE WINAPI RecordShell(HWND, LPCWSTR verb, LPCWSTR target, LPCWSTR, LPCWSTR, INT show) {
    shellCalls.push_back({verb, target, show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

// The game's owner form and an About form filled with the game's data.
struct OpenAbout {
    OpenAbout() : owner(MakeForm(640, 480)) {
        shellExecute = RecordShell;
        about = new FormAbout(owner.get());
        about->pictureWidth = MyGame::AboutPictureWidth;
        about->pictureHeight = MyGame::AboutPictureHeight;
        about->titleText = std::string(MyGame::ProductName) + " " + MyGame::ProductVersion;
        about->secondText = MyGame::RightsLine;
        about->noticeText = MyGame::FreewareNotice;
        about->webAddress = MyGame::WebAddress;
        about->webPrefix = MyGame::WebPrefix;
        about->mailboxPrefix = MyGame::MailboxPrefix;
    }
    ~OpenAbout() {
        delete about;
        shellExecute = ShellExecuteW;
    }
    void Create() {
        about->Create();
        Pump();
    }
    bool Closed() const { return !IsWindow(about->windowHandle); }

    std::unique_ptr<Form> owner;
    FormAbout* about;
};

void ExpectBox(const GUIElement& part, int left, int top, int width, int height) {
    POINT place = PlaceInParent(part.windowHandle);
    RECT box = WindowBox(part.windowHandle);
    EXPECT_EQ(place.x, left) << part.typeName;
    EXPECT_EQ(place.y, top) << part.typeName;
    EXPECT_EQ(box.right - box.left, width) << part.typeName;
    EXPECT_EQ(box.bottom - box.top, height) << part.typeName;
}

LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST(About, LayoutOfTheWorkedExample) {
    AboutLayout layout = AboutLayout::For(600, 300, 164, 80);
    EXPECT_EQ(layout.panel.left, 10);
    EXPECT_EQ(layout.panel.top, 10);
    EXPECT_EQ(layout.panel.right, 184);   // width
    EXPECT_EQ(layout.panel.bottom, 280);  // height
    EXPECT_EQ(layout.column, 209);
    EXPECT_EQ(layout.columnWidth, 381);
    EXPECT_EQ(layout.webLink.x, 209);
    EXPECT_EQ(layout.webLink.y, 55);
    EXPECT_EQ(layout.mailLink.x, 369);
    EXPECT_EQ(layout.mailLink.y, 55);
    EXPECT_EQ(layout.notice.left, 209);
    EXPECT_EQ(layout.notice.top, 85);
    EXPECT_EQ(layout.notice.right, 381);   // width
    EXPECT_EQ(layout.notice.bottom, 155);  // height
    EXPECT_EQ(layout.okButton.x, 359);
    EXPECT_EQ(layout.okButton.y, 250);
}

TEST(About, OwnerDisabledWhileTheFormLives) {
    OpenAbout open;
    FormAbout& about = *open.about;
    EXPECT_FALSE(IsWindowEnabled(open.owner->windowHandle));
    EXPECT_EQ(open.owner->companion, &about);
    EXPECT_EQ(about.x, (GetSystemMetrics(SM_CXSCREEN) - 600) / 2);
    EXPECT_EQ(about.y, (GetSystemMetrics(SM_CYSCREEN) - 300) / 2);
    open.Create();
    ASSERT_NE(about.windowHandle, nullptr);
    wchar_t caption[16] = {};
    GetWindowTextW(about.windowHandle, caption, 16);
    EXPECT_STREQ(caption, L"Info...");
    EXPECT_EQ(ExtendedStyle(about.windowHandle) & 0x89, 0x89u);
    EXPECT_EQ(GetFocus(), about.okButton->windowHandle);
    EXPECT_FALSE(IsWindowEnabled(open.owner->windowHandle));
}

TEST(About, PartsFollowTheLayoutOfTheClientAreaAtCreation) {
    OpenAbout open;
    open.Create();
    FormAbout& about = *open.about;
    // The parts were laid out while the window, frame included, was 600 by
    // 300; then the client area grew to that size.
    RECT client{};
    GetClientRect(about.windowHandle, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 300);
    RECT outer = WindowBox(about.windowHandle);
    const int builtWidth = 600 - (outer.right - outer.left - client.right);
    const int builtHeight = 300 - (outer.bottom - outer.top - client.bottom);
    AboutLayout layout = AboutLayout::For(builtWidth, builtHeight, 164, 80);
    ExpectBox(*about.picturePanel, 10, 10, 184, builtHeight - 20);
    ExpectBox(*about.webLink, 209, 55, 150, 22);
    ExpectBox(*about.mailLink, 369, 55, 150, 22);
    ExpectBox(*about.noticeBox, 209, 85, layout.columnWidth, builtHeight - 145);
    ExpectBox(*about.okButton, layout.okButton.x, builtHeight - 50, 80, 25);
    EXPECT_EQ(PlaceInParent(about.titleLabel->windowHandle).x, 209);
    EXPECT_EQ(PlaceInParent(about.secondLabel->windowHandle).y, 35);
    EXPECT_EQ(about.webLink->GetNarrowText(), "http://www.lurna.test");
    EXPECT_EQ(about.mailLink->GetNarrowText(), "info@lurna.test");
    EXPECT_EQ(about.noticeBox->GetNarrowText(), MyGame::FreewareNotice);
    EXPECT_NE(ToolkitTest::Style(about.noticeBox->windowHandle) & ES_READONLY, 0u);
    EXPECT_NE(ToolkitTest::Style(about.picturePanel->windowHandle) & WS_BORDER, 0u);
}

TEST(About, EscapeInTheNoticeClosesAndEnablesTheOwner) {
    OpenAbout open;
    open.Create();
    HWND notice = open.about->noticeBox->windowHandle;
    SetFocus(notice);
    PostMessageW(notice, WM_KEYDOWN, VK_ESCAPE, 1);
    Pump();
    EXPECT_TRUE(open.Closed());
    EXPECT_TRUE(IsWindowEnabled(open.owner->windowHandle));
    EXPECT_EQ(open.owner->companion, nullptr);
    EXPECT_FALSE(open.about->created);
}

TEST(About, EnterOnTheButtonClosesAndOtherKeysPass) {
    OpenAbout open;
    open.Create();
    HWND button = open.about->okButton->windowHandle;
    SendMessageW(button, WM_CHAR, 'a', 0);
    EXPECT_FALSE(open.Closed());
    SendMessageW(button, WM_CHAR, VK_RETURN, 0);
    EXPECT_TRUE(open.Closed());
    EXPECT_TRUE(IsWindowEnabled(open.owner->windowHandle));
}

TEST(About, LinksOpenTheSiteAndTheMailbox) {
    OpenAbout open;
    open.Create();
    SendMessageW(open.about->webLink->windowHandle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(open.about->mailLink->windowHandle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(open.about->titleLabel->windowHandle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ASSERT_EQ(shellCalls.size(), 2u);
    EXPECT_EQ(shellCalls[0].verb, L"open");
    EXPECT_EQ(shellCalls[0].target, L"http://www.lurna.test");
    EXPECT_EQ(shellCalls[0].show, SW_SHOW);
    EXPECT_EQ(shellCalls[1].target, L"mailto:info@lurna.test");
    EXPECT_TRUE(open.about->webLink->IsHandCursor());
}

TEST(About, AddressWithoutTheWebPrefixGivesTheSameMailLink) {
    OpenAbout open;
    open.about->webAddress = "lurna.test";
    open.Create();
    EXPECT_EQ(open.about->mailLink->GetNarrowText(), "lurna.test");
}

TEST(About, EveryShowingRestoresTheClientSize) {
    OpenAbout open;
    open.Create();
    HWND window = open.about->windowHandle;
    SetWindowPos(window, nullptr, 0, 0, 700, 420, SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOWNA);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 300);
}

TEST(About, OwnerReleasedWhenTheWindowCannotBeMade) {
    OpenAbout open;
    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    open.about->Create();
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(open.about->windowHandle, nullptr);
    EXPECT_TRUE(IsWindowEnabled(open.owner->windowHandle));
    EXPECT_EQ(open.owner->companion, nullptr);
}

TEST(About, OwnerReleasedWhenTheFormGoesWithoutClosing) {
    auto owner = MakeForm();
    auto* about = new FormAbout(owner.get());
    EXPECT_FALSE(IsWindowEnabled(owner->windowHandle));
    delete about;
    EXPECT_TRUE(IsWindowEnabled(owner->windowHandle));
    EXPECT_EQ(owner->companion, nullptr);
}

// Forms opened over one owner one after the other: the owner belongs to the
// last one made, and an earlier one that goes, closed or deleted, leaves the
// owner as the later one wants it.
TEST(About, OnlyTheOwnersCompanionGivesTheOwnerBack) {
    auto owner = MakeForm();
    auto* first = new FormAbout(owner.get());
    first->Create();
    auto* second = new FormAbout(owner.get());
    second->Create();
    Pump();
    ASSERT_EQ(owner->companion, second);

    SendMessageW(first->windowHandle, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindow(first->windowHandle));
    EXPECT_FALSE(IsWindowEnabled(owner->windowHandle));
    EXPECT_EQ(owner->companion, second);
    delete first;
    EXPECT_FALSE(IsWindowEnabled(owner->windowHandle));
    EXPECT_EQ(owner->companion, second);

    auto* third = new FormAbout(owner.get());
    third->Create();
    Pump();
    delete second;
    EXPECT_FALSE(IsWindowEnabled(owner->windowHandle));
    EXPECT_EQ(owner->companion, third);

    SendMessageW(third->okButton->windowHandle, WM_CHAR, VK_ESCAPE, 0);
    EXPECT_TRUE(IsWindowEnabled(owner->windowHandle));
    EXPECT_EQ(owner->companion, nullptr);
    delete third;
}
