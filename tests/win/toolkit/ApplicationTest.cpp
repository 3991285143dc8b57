// The message loop, the retired elements, the shell and the teardown of forms.
#include "TestSupport.h"

#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/Label.h"
#include "toolkit/Registry.h"
#include "toolkit/WindowProcedure.h"

#include <gtest/gtest.h>

#include <string>

using namespace KTUtility;
using ToolkitTest::Pump;

namespace {

bool freed = false;
class Tracked : public Label {
public:
    Tracked() : Label(nullptr, "retired") {}
    ~Tracked() override { freed = true; }
};

Tracked* retiring = nullptr;
bool aliveWhenRetired = false;
void CALLBACK RetireDuringLoop(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    RetireElement(std::unique_ptr<GUIElement>(retiring));
    RetireElement(nullptr);
    aliveWhenRetired = !freed;
    PostMessageW(Dispatch().mainWindow, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK RefuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcW(window, message, wParam, lParam);
}

// Ends a loop that failed to return by itself, unless told first that it did.
// The test waits for this thread rather than killing it: killing a thread
// mid-wait sometimes brought Wine itself down.
struct SafetyQuit {
    DWORD loopThread;
    HANDLE loopReturned;
};
bool safetyQuitSent = false;
DWORD WINAPI QuitLater(LPVOID parameter) {
    auto* safety = static_cast<SafetyQuit*>(parameter);
    if (WaitForSingleObject(safety->loopReturned, 5000) == WAIT_TIMEOUT) {
        safetyQuitSent = true;
        PostThreadMessageW(safety->loopThread, WM_QUIT, 0, 0);
    }
    return 0;
}

std::wstring shellVerb;
std::wstring shellTarget;
INT shellShow = 0;
INT_PTR shellAnswer = 0;
HINSTANCE WINAPI FakeShell(HWND, LPCWSTR verb, LPCWSTR target, LPCWSTR, LPCWSTR, INT show) {
    shellVerb = verb;
    shellTarget = target;
    shellShow = show;
    return reinterpret_cast<HINSTANCE>(shellAnswer);
}

// Callbacks that ran while the form that installed them was being torn down.
int lateCallbacks = 0;

// Like the About window: a topmost dialog over a disabled owner, with parts of
// its own that it frees in its destructor (and that destructor does not
// destroy the window first).
class Companion : public Form {
public:
    explicit Companion(Form* owner) : Form(owner->instanceHandle, DialogFrame{}), owner_(owner) {
        owner->SetEnabled(false);
        owner->companion = this;
        onClosing = Release;
        onDestroy = Noted;
        onCreate = Build;
    }
    ~Companion() override {
        whole_ = false;
        delete ok_;
        delete caption_;
    }

private:
    static bool Release(GUIElement* element) {
        auto* self = static_cast<Companion*>(element);
        if (!self->whole_) ++lateCallbacks;
        self->owner_->companion = nullptr;
        self->owner_->SetEnabled(true);
        return true;
    }
    static int Noted(GUIElement* element) {
        if (!static_cast<Companion*>(element)->whole_) ++lateCallbacks;
        return 0;
    }
    static void Build(GUIElement* element, HWND) {
        auto* self = static_cast<Companion*>(element);
        self->caption_ = new Label(self, "Informazioni");
        self->caption_->onKeyPress = KeyNoted;
        self->caption_->Create();
        self->ok_ = new Button(self, "OK");
        self->ok_->onLostFocus = Noted2;
        self->ok_->Create();
        self->ok_->Focus();
    }
    static bool KeyNoted(GUIElement*, WPARAM) { return true; }
    static int Noted2(GUIElement* element) {
        auto* self = static_cast<Companion*>(element->parent);
        if (!self->whole_) ++lateCallbacks;
        return 0;
    }

    Form* owner_;
    bool whole_ = true;
    Label* caption_ = nullptr;
    Button* ok_ = nullptr;
};

// Like the game window: owns the companion and frees it in its destructor.
class Owner : public Form {
public:
    Owner() : Form(GetModuleHandleW(nullptr)) {}
    ~Owner() override { delete about; }
    Companion* about = nullptr;
};

}  // namespace

TEST(MessageLoop, RetiredElementsLiveUntilTheLoopEnds) {
    auto form = ToolkitTest::MakeForm();
    retiring = new Tracked;
    SetTimer(nullptr, 0, 10, RetireDuringLoop);
    MessageLoop(form.get());
    EXPECT_TRUE(aliveWhenRetired);
    EXPECT_TRUE(freed);
    EXPECT_FALSE(IsWindow(form->windowHandle));
}

TEST(MessageLoop, ReturnsAtOnceWhenTheMainWindowCouldNotBeMade) {
    // A class of the name the first form registers, whose windows refuse to be
    // made: the form's own registration fails and so does its window.
    WNDCLASSW refusing{};
    refusing.lpfnWndProc = RefuseCreation;
    refusing.hInstance = GetModuleHandleW(nullptr);
    refusing.lpszClassName = L"Window0";
    ASSERT_NE(RegisterClassW(&refusing), 0);

    Form form(GetModuleHandleW(nullptr));
    form.Create();
    ASSERT_EQ(form.windowHandle, nullptr);
    EXPECT_TRUE(form.created);
    EXPECT_EQ(Dispatch().mainWindow, nullptr);

    SafetyQuit safety{GetCurrentThreadId(), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HANDLE guard = CreateThread(nullptr, 0, QuitLater, &safety, 0, nullptr);
    MessageLoop(&form);
    SetEvent(safety.loopReturned);
    WaitForSingleObject(guard, INFINITE);
    EXPECT_FALSE(safetyQuitSent);
    CloseHandle(guard);
    CloseHandle(safety.loopReturned);
}

TEST(Shell, OpenGoesThroughTheShellAndReadsItsAnswer) {
    ShellExecuteFunction real = shellExecute;
    shellExecute = FakeShell;
    shellAnswer = 42;
    EXPECT_TRUE(ShellOpen("mailto:info@esempio.it"));
    EXPECT_EQ(shellVerb, L"open");
    EXPECT_EQ(shellTarget, L"mailto:info@esempio.it");
    EXPECT_EQ(shellShow, SW_SHOW);
    shellAnswer = 32;
    EXPECT_FALSE(ShellOpen("http://www.esempio.it/pi\xF9"));
    EXPECT_EQ(shellTarget, L"http://www.esempio.it/pi\u00F9");
    shellExecute = real;
}

TEST(Teardown, ClosingTheMainWindowWithTheCompanionOpenEndsCleanly) {
    auto* game = new Owner;
    game->SetText(std::string("Gioco"));
    game->Create();
    game->about = new Companion(game);
    game->about->Create();
    Pump();
    HWND aboutWindow = game->about->windowHandle;
    ASSERT_TRUE(IsWindow(aboutWindow));
    ASSERT_FALSE(IsWindowEnabled(game->windowHandle));

    // The system's close request reaches the disabled game window.
    PostMessageW(game->windowHandle, WM_CLOSE, 0, 0);
    MessageLoop(game);
    EXPECT_TRUE(IsWindow(aboutWindow));

    delete game;
    EXPECT_FALSE(IsWindow(aboutWindow));
    EXPECT_EQ(lateCallbacks, 0);
    // Nothing of either form is left for a message to reach.
    EXPECT_EQ(FindByHandle(aboutWindow), nullptr);
    EXPECT_EQ(Dispatch().activeForm, nullptr);
}

TEST(Teardown, AFormFreedWithItsWindowOpenDestroysIt) {
    auto* form = new Form(GetModuleHandleW(nullptr));
    static int destroyCalls = 0;
    form->onDestroy = [](GUIElement*) { return ++destroyCalls; };
    form->Create();
    auto* label = new Label(form, "dentro");
    label->Create();
    HWND window = form->windowHandle;
    HWND labelWindow = label->windowHandle;

    delete label;
    delete form;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(labelWindow));
    // The owner's callbacks may belong to an object already gone: none runs.
    EXPECT_EQ(destroyCalls, 0);
    Pump();
}
