#include "GameWindow.h"

#include "TestSupport.h"
#include "table/AboutData.h"
#include "table/AskYesNo.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/Timer.h"

#include <cstdlib>
#include <cstring>

namespace TableTest {

bool LongTests() {
    const char* value = std::getenv("LURNA_LONG_TESTS");
    return value && std::strcmp(value, "1") == 0;
}

namespace {

// The seams are plain function pointers: the window being tested is found
// through this.
GameWindow* current = nullptr;
bool clientMeasured = false;

int WINAPI RecordQuestion(HWND owner, LPCSTR text, LPCSTR caption, UINT flags) {
    current->questions.push_back({owner, text ? text : "", caption ? caption : "", flags});
    if (current->duringQuestion) current->duringQuestion();
    return current->answer;
}

HINSTANCE WINAPI RecordShell(HWND, LPCWSTR verb, LPCWSTR target, LPCWSTR, LPCWSTR, INT) {
    current->shellCalls.push_back({verb ? verb : L"", target ? target : L""});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

// The first child window made on a top-level window is the first element of
// the table, made right after the menu bar: the client area at that moment is
// the one the layout is computed from.
LRESULT CALLBACK MeasureOnFirstChild(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !clientMeasured) {
        const CREATESTRUCTW* made = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        HWND parent = made->hwndParent;
        if ((made->style & WS_CHILD) && parent && GetAncestor(parent, GA_PARENT) == GetDesktopWindow()) {
            RECT client{};
            GetClientRect(parent, &client);
            current->creationClient = SIZE{client.right, client.bottom};
            clientMeasured = true;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The game window with its two sound outputs heard by the test: everything
// else is FormMain's own.
class RecordingForm : public MyGame::FormMain {
public:
    using FormMain::FormMain;
    void PlaySoundResource(int resource) override { current->sounds.push_back(resource); }
    void Beep() override { ++current->beeps; }
};

}  // namespace

GameWindow::GameWindow() {
    current = this;
    MyGame::messageBox = RecordQuestion;
    KTUtility::shellExecute = RecordShell;
    clientMeasured = false;
    HHOOK hook = SetWindowsHookExW(WH_CBT, MeasureOnFirstChild, nullptr, GetCurrentThreadId());
    form_ = std::make_unique<RecordingForm>(GetModuleHandleW(nullptr),
                                            std::string(MyGame::ProductName) + " " + MyGame::RightsLine);
    UnhookWindowsHookEx(hook);
    window_ = form_->windowHandle;
    form_->TurnTimer->Stop();
    ToolkitTest::Pump();
}

GameWindow::~GameWindow() {
    form_.reset();
    MyGame::messageBox = MessageBoxA;
    KTUtility::shellExecute = ShellExecuteW;
    current = nullptr;
}

void GameWindow::Tick() {
    SendMessageW(window_, WM_TIMER, form_->TurnTimer->controlId, 0);
}

void GameWindow::Press(int position) {
    PressWindow(form_->CardPositions[position]->windowHandle, POINT{12, 14});
}

void GameWindow::PressWindow(HWND window, POINT at) {
    const LPARAM inside = MAKELPARAM(at.x, at.y);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    SendMessageW(window, WM_LBUTTONUP, 0, inside);
}

void GameWindow::Click(KTUtility::Button& button) {
    SendMessageW(button.windowHandle, BM_CLICK, 0, 0);
}

void GameWindow::ChooseMenuItem(UINT itemId) {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(itemId, 0), 0);
}

void GameWindow::Key(UINT key, bool repeated) {
    HWND target = GetFocus();
    if (!target) target = window_;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    const LPARAM wasDown = 1 << 30;
    PostMessageW(target, WM_KEYDOWN, key, 1 | scan | (repeated ? wasDown : 0));
    PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(1 | scan | wasDown | (1u << 31)));
    // Only the keys and the characters they make: painting every key would
    // make a match of keys as slow as the screen.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KTUtility::FreeClosedRetired();
}

}  // namespace TableTest
