// Forms and the window procedure on real windows and real messages.
#include "TestSupport.h"

#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/WindowProcedure.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

using namespace KTUtility;
using ToolkitTest::MakeForm;
using ToolkitTest::Pump;
using ToolkitTest::Style;

namespace {

// A system control of any class, subclassed as the toolkit's controls are.
class SystemControl : public Child {
public:
    SystemControl(GUIElement* parentElement, const wchar_t* className) : Child(parentElement), className_(className) {}
    void Create() override {
        windowHandle = CreateWindowExW(0, className_, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width, height,
                                       parent->windowHandle, nullptr, nullptr, nullptr);
        SubclassControl(*this);
        created = true;
    }

private:
    const wchar_t* className_;
};

// A top-level window whose own procedure records what reaches it, subclassed
// like a control: whatever the toolkit passes on arrives there.
std::vector<UINT> recorded;
LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    recorded.push_back(message);
    return DefWindowProcW(window, message, wParam, lParam);
}

class RecordingWindow : public GUIElement {
public:
    RecordingWindow() : GUIElement(GetModuleHandleW(nullptr)) {}
    void Create() override {
        WNDCLASSW record{};
        record.lpfnWndProc = Recorder;
        record.hInstance = instanceHandle;
        record.lpszClassName = L"RecordingWindow";
        RegisterClassW(&record);
        windowHandle = CreateWindowExW(0, L"RecordingWindow", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                       nullptr, nullptr, instanceHandle, nullptr);
        SubclassControl(*this);
        created = true;
    }
};

std::vector<std::string> events;
int Record(GUIElement*, const char* what) {
    events.push_back(what);
    return 0;
}

bool refuseClose = false;
bool AskClose(GUIElement*) {
    events.push_back("closing");
    return !refuseClose;
}

GUIElement* commandFrom = nullptr;
void OnCommand(GUIElement* element) {
    commandFrom = element;
}

bool OnlyY(GUIElement*, WPARAM character) {
    return character == 'y';
}

int lastX = 0;
int lastY = 0;
int OnMouseMove(GUIElement*, int atX, int atY) {
    lastX = atX;
    lastY = atY;
    return 0;
}

class ShowingForm : public Form {
public:
    using Form::Form;
    void OnShow() override { events.push_back("show"); }
};

bool QuitPosted(int& exitCode) {
    MSG message;
    if (!PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
    exitCode = static_cast<int>(message.wParam);
    return true;
}

// Every place in the z-order asked for the companion window.
std::vector<HWND> companionPlaces;
WNDPROC companionProcedure = nullptr;
LRESULT CALLBACK WatchCompanion(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        const auto* change = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(change->flags & SWP_NOZORDER)) companionPlaces.push_back(change->hwndInsertAfter);
    }
    return CallWindowProcW(companionProcedure, window, message, wParam, lParam);
}

// Whether `upper` comes before `lower` in the z-order.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND window = GetWindow(upper, GW_HWNDNEXT); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == lower) return true;
    }
    return false;
}

}  // namespace

TEST(FormStyle, FlagsGiveTheWindowStyles) {
    Form form(nullptr);
    EXPECT_EQ(form.WindowStyle(), 0x10CF0000u);
    EXPECT_EQ(form.ExtendedStyle(), 0u);
    form.maximizeBox = false;
    EXPECT_EQ(form.WindowStyle(), 0x10CA0000u);
    form.minimizeBox = false;
    form.enabled = false;
    EXPECT_EQ(form.WindowStyle(), 0x18C80000u);
    form.caption = false;
    EXPECT_EQ(form.WindowStyle(), 0x88000000u);

    Form dialog(nullptr, DialogFrame{});
    EXPECT_EQ(dialog.WindowStyle(), 0x10C90000u);
    EXPECT_EQ(dialog.ExtendedStyle(), 0x89u);
    dialog.modalFrame = true;
    dialog.topmost = false;
    dialog.minimizeBox = false;
    dialog.maximizeBox = false;
    EXPECT_EQ(dialog.WindowStyle(), 0x10C80080u);
    EXPECT_EQ(dialog.ExtendedStyle(), 0x81u);
}

TEST(FormStyle, CreatedWindowsCarryThem) {
    auto form = MakeForm();
    // The system adds WS_CLIPSIBLINGS to every top-level window.
    EXPECT_EQ(Style(form->windowHandle) & ~WS_CLIPSIBLINGS, 0x10CF0000u);
    EXPECT_EQ(ToolkitTest::ExtendedStyle(form->windowHandle) & 0x8Fu, 0u);
    wchar_t title[64] = {};
    GetWindowTextW(form->windowHandle, title, 64);
    EXPECT_STREQ(title, L"Prova");

    Form dialog(GetModuleHandleW(nullptr), DialogFrame{});
    dialog.Create();
    EXPECT_EQ(ToolkitTest::ExtendedStyle(dialog.windowHandle) & 0x8Fu, 0x89u);
    EXPECT_TRUE(IsWindowVisible(dialog.windowHandle));
}

TEST(FormGeometry, SetClientSizeAddsTheFrame) {
    auto form = MakeForm(600, 300);
    form->SetClientSize(600, 300);
    RECT client{};
    GetClientRect(form->windowHandle, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 300);
    RECT outer = ToolkitTest::WindowBox(form->windowHandle);
    EXPECT_EQ(form->width, outer.right - outer.left);
    EXPECT_EQ(form->height, outer.bottom - outer.top);
    EXPECT_GT(form->height, 300);

    // Asked again, it keeps the size.
    form->SetClientSize(600, 300);
    RECT again = ToolkitTest::WindowBox(form->windowHandle);
    EXPECT_EQ(again.right - again.left, outer.right - outer.left);
    EXPECT_EQ(again.bottom - again.top, outer.bottom - outer.top);

    Form uncreated(nullptr);
    uncreated.SetClientSize(10, 10);
    EXPECT_EQ(uncreated.width, 100);
}

TEST(FormGeometry, CenterOnScreenTruncatesTheHalves) {
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    Form stored(nullptr);
    stored.SetSize(601, 301);
    stored.CenterOnScreen();
    EXPECT_EQ(stored.x, (screenWidth - 601) / 2);
    EXPECT_EQ(stored.y, (screenHeight - 301) / 2);
    if (screenWidth == 1280) {
        EXPECT_EQ(stored.x, 339);
    }

    auto form = MakeForm(401, 201);
    form->CenterOnScreen();
    RECT outer = ToolkitTest::WindowBox(form->windowHandle);
    EXPECT_EQ(outer.left, (screenWidth - 401) / 2);
    EXPECT_EQ(outer.top, (screenHeight - 201) / 2);
}

TEST(Dispatch, CloseRefusedByOnClosingKeepsTheWindow) {
    auto form = MakeForm();
    form->onClosing = AskClose;
    refuseClose = true;
    EXPECT_EQ(SendMessageW(form->windowHandle, WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(IsWindow(form->windowHandle));
    EXPECT_FALSE(form->destroyed);

    refuseClose = false;
    SendMessageW(form->windowHandle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form->windowHandle));
    EXPECT_TRUE(form->destroyed);
    EXPECT_EQ(events, (std::vector<std::string>{"closing", "closing"}));
}

TEST(Dispatch, OnlyTheFirstFormsDestroyEndsTheLoop) {
    auto first = MakeForm();
    Form second(GetModuleHandleW(nullptr));
    second.onDestroy = [](GUIElement* element) { return Record(element, "destroy"); };
    second.Create();
    int exitCode = -1;

    SendMessageW(second.windowHandle, WM_CLOSE, 0, 0);
    EXPECT_TRUE(second.destroyed);
    EXPECT_EQ(events, std::vector<std::string>{"destroy"});
    EXPECT_FALSE(QuitPosted(exitCode));

    SendMessageW(first->windowHandle, WM_CLOSE, 0, 0);
    ASSERT_TRUE(QuitPosted(exitCode));
    EXPECT_EQ(exitCode, 0);
}

TEST(Dispatch, ShowCallsOnShowThenOnResizeAndPaintOnlyOnPaint) {
    ShowingForm form(GetModuleHandleW(nullptr));
    form.onResize = [](GUIElement* element) { return Record(element, "resize"); };
    form.onPaint = [](GUIElement* element) { return Record(element, "paint"); };
    form.Create();
    Pump();
    events.clear();
    SendMessageW(form.windowHandle, WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"show", "resize"}));
    events.clear();
    InvalidateRect(form.windowHandle, nullptr, TRUE);
    UpdateWindow(form.windowHandle);
    EXPECT_EQ(events, std::vector<std::string>{"paint"});
}

TEST(Dispatch, KeyPressReturningFalseSwallowsTheCharacter) {
    auto form = MakeForm();
    SystemControl edit(form.get(), L"edit");
    edit.onKeyPress = OnlyY;
    edit.Create();
    EXPECT_EQ(SendMessageW(edit.windowHandle, WM_CHAR, 'x', 1), 1);
    SendMessageW(edit.windowHandle, WM_CHAR, 'y', 1);
    EXPECT_EQ(edit.GetNarrowText(), "y");
}

TEST(Dispatch, SetCursorActsOnlyInTheClientArea) {
    auto form = MakeForm();
    form->SetHandCursor(true);
    form->SetWaitCursor(true);
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    HWND window = form->windowHandle;

    SetCursor(nullptr);
    EXPECT_EQ(SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);
    EXPECT_EQ(GetCursor(), hand);

    form->SetHandCursor(false);
    EXPECT_EQ(SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), 1);
    EXPECT_EQ(GetCursor(), wait);

    SetCursor(nullptr);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), wait);
}

TEST(Dispatch, ButtonCommandReachesItsHandlerAndTheParentsOwnProcedure) {
    RecordingWindow parent;
    parent.Create();
    Button button(&parent, "Premi");
    button.commandHandler = OnCommand;
    button.Create();
    recorded.clear();

    SendMessageW(button.windowHandle, BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(commandFrom, &button);
    EXPECT_NE(std::find(recorded.begin(), recorded.end(), static_cast<UINT>(WM_COMMAND)), recorded.end());
}

TEST(Dispatch, CommandsAndNotificationsFromWindowsWithoutAnElementAreIgnored) {
    auto form = MakeForm();
    HWND stranger = CreateWindowExW(0, L"Button", L"estraneo", WS_CHILD | WS_VISIBLE, 0, 0, 80, 25,
                                    form->windowHandle, nullptr, nullptr, nullptr);
    // Constructed last and still without a window, as a control about to be made.
    static int notices = 0;
    class Pending : public Button {
    public:
        using Button::Button;
        void OnNotify(NoticeKind, std::vector<std::string>, std::vector<int>) override { ++notices; }
    };
    Pending pending(form.get(), "Dopo");
    pending.commandHandler = OnCommand;

    SendMessageW(stranger, BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(commandFrom, nullptr);

    NMHDR header{stranger, 0, static_cast<UINT>(NM_RCLICK)};
    SendMessageW(form->windowHandle, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    header.hwndFrom = nullptr;
    SendMessageW(form->windowHandle, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(notices, 0);
}

TEST(Dispatch, MouseCoordinatesAreSigned) {
    auto form = MakeForm();
    form->onMouseMove = OnMouseMove;
    SendMessageW(form->windowHandle, WM_MOUSEMOVE, 0, MAKELPARAM(-5, 7));
    EXPECT_EQ(lastX, -5);
    EXPECT_EQ(lastY, 7);
    SendMessageW(form->windowHandle, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Dispatch().trackedWindow, nullptr);
}

// A move over a window asks the system for its hover and leave, one request
// at a time, when its element handles them; the window goes before its leave
// comes. The next window moved over must ask for its own: a request thought
// pending for the gone window would stop hover and leave for every window for
// good. A window whose element handles neither asks for nothing, so that the
// system does not poll the pointer while it rests there.
TEST(Dispatch, AWindowDestroyedBeforeItsMouseLeaveDoesNotStopHoverAndLeaveElsewhere) {
    auto form = MakeForm();
    Button plain(form.get(), "0");
    Button gone(form.get(), "1");
    Button next(form.get(), "2");
    gone.SetPosition(100, 0);
    next.SetPosition(200, 0);
    gone.onMouseLeave = [](GUIElement*) { return 0; };
    next.onMouseHover = [](GUIElement*) { return 0; };
    plain.Create();
    gone.Create();
    next.Create();
    SendMessageW(plain.windowHandle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Dispatch().trackedWindow, nullptr);

    SendMessageW(gone.windowHandle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_EQ(Dispatch().trackedWindow, gone.windowHandle);
    DestroyWindow(gone.windowHandle);
    EXPECT_EQ(Dispatch().trackedWindow, nullptr);

    SendMessageW(next.windowHandle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Dispatch().trackedWindow, next.windowHandle);
}

TEST(Dispatch, TabMovesTheFocusToTheNextControl) {
    auto form = MakeForm();
    Button first(form.get(), "1");
    Button second(form.get(), "2");
    second.SetPosition(100, 0);
    first.Create();
    second.Create();
    SetForegroundWindow(form->windowHandle);
    first.Focus();
    ASSERT_EQ(GetFocus(), first.windowHandle);
    SendMessageW(first.windowHandle, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), second.windowHandle);
}

// A key the handler takes is the handler's alone: Tab moves no focus and Space
// clicks no button. One it leaves goes on as before. The handler hears whether
// the key repeats.
TEST(Dispatch, AKeyDownTheHandlerTakesGoesNoFurther) {
    static int commands = 0;
    static std::vector<bool> repeats;
    auto form = MakeForm();
    Button taking(form.get(), "1");
    Button other(form.get(), "2");
    other.SetPosition(100, 0);
    taking.commandHandler = other.commandHandler = [](GUIElement*) { ++commands; };
    taking.onKeyDown = [](GUIElement*, WPARAM key) {
        repeats.push_back(KeyRepeats());
        return key == VK_TAB || key == VK_SPACE ? 1 : 0;
    };
    taking.Create();
    other.Create();
    SetForegroundWindow(form->windowHandle);

    taking.Focus();
    SendMessageW(taking.windowHandle, WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(GetFocus(), taking.windowHandle);
    SendMessageW(taking.windowHandle, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageW(taking.windowHandle, WM_KEYDOWN, VK_SPACE, 1 | (1 << 30));
    SendMessageW(taking.windowHandle, WM_KEYUP, VK_SPACE, 1 | (3u << 30));
    Pump();
    EXPECT_EQ(commands, 0);
    EXPECT_EQ(repeats, (std::vector<bool>{false, false, true}));

    // Without a handler Space clicks the focused button, as the system has it.
    other.Focus();
    SendMessageW(other.windowHandle, WM_KEYDOWN, VK_SPACE, 1);
    SendMessageW(other.windowHandle, WM_KEYUP, VK_SPACE, 1 | (3u << 30));
    Pump();
    EXPECT_EQ(commands, 1);
}

TEST(Dispatch, HotKeyGoesToTheForegroundFormsMatchingEntry) {
    static std::vector<std::pair<Form*, UINT>> calls;
    HotKeyHandler note = [](Form* form, UINT, UINT key) { calls.emplace_back(form, key); };
    auto first = MakeForm();
    first->hotKeys = {{MOD_CONTROL, 'A', note}, {MOD_CONTROL, 'K', note}};
    Form second(GetModuleHandleW(nullptr));
    second.hotKeys = {{MOD_ALT, 'K', note}, {MOD_CONTROL, 'K', note}};
    second.Create();

    SetForegroundWindow(first->windowHandle);
    Pump();
    ASSERT_EQ(GetForegroundWindow(), first->windowHandle);
    SendMessageW(first->windowHandle, WM_HOTKEY, 2, 0);
    SendMessageW(first->windowHandle, WM_HOTKEY, 0, 0);
    SendMessageW(first->windowHandle, WM_HOTKEY, 3, 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], std::make_pair(first.get(), static_cast<UINT>('K')));

    // Received by a form in the background: the foreground form's entry of the
    // same keys answers.
    SetForegroundWindow(second.windowHandle);
    Pump();
    ASSERT_EQ(GetForegroundWindow(), second.windowHandle);
    SendMessageW(first->windowHandle, WM_HOTKEY, 2, 0);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], std::make_pair(&second, static_cast<UINT>('K')));
    SendMessageW(first->windowHandle, WM_HOTKEY, 1, 0);
    EXPECT_EQ(calls.size(), 2u);
}

TEST(Activation, TheCompanionStaysAboveItsOwnerAndTopmost) {
    auto owner = MakeForm();
    Form companion(GetModuleHandleW(nullptr), DialogFrame{});
    companion.SetPosition(120, 120);
    companion.Create();
    owner->companion = &companion;
    owner->onActivate = [](GUIElement* element) { return Record(element, "activate"); };
    Pump();
    companionProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(companion.windowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchCompanion)));

    SetForegroundWindow(owner->windowHandle);
    Pump();
    ASSERT_EQ(GetForegroundWindow(), owner->windowHandle);
    SendMessageW(owner->windowHandle, WM_ACTIVATE, WA_ACTIVE, 0);
    Pump();

    EXPECT_FALSE(events.empty());
    EXPECT_EQ(Dispatch().activeForm, owner.get());
    EXPECT_TRUE(IsAbove(companion.windowHandle, owner->windowHandle));
    EXPECT_TRUE(ToolkitTest::ExtendedStyle(companion.windowHandle) & WS_EX_TOPMOST);
    // Never asked to go behind its owner: Wine raises a window that it
    // activates whatever place was asked, Windows does not.
    EXPECT_FALSE(companionPlaces.empty());
    for (HWND place : companionPlaces) EXPECT_NE(place, owner->windowHandle);
}

TEST(Activation, AFormLosingTheForegroundIsDeactivated) {
    auto form = MakeForm();
    Form other(GetModuleHandleW(nullptr));
    other.Create();
    form->onDeactivate = [](GUIElement* element) { return Record(element, "deactivate"); };
    SetForegroundWindow(other.windowHandle);
    Pump();
    events.clear();
    SendMessageW(form->windowHandle, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(events, std::vector<std::string>{"deactivate"});
}
