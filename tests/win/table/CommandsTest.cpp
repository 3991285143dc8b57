// "Info" and the help menu: the About form over a disabled game window, a new
// About form for every press with the earlier, closed one freed, and the two
// pages opened through the shell.
#include "GameWindow.h"
#include "TestSupport.h"
#include "table/FormMain.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/FormAbout.h"
#include "toolkit/Label.h"
#include "toolkit/Registry.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>

#include <string>

using TableTest::GameWindow;

namespace {

std::wstring ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

// A message loop as the system runs one inside a call: it dispatches, and it
// knows nothing of the toolkit's retired elements.
void SystemPump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// A shell that runs a message loop while it opens the page (it may show a
// message box, or wait on the browser). Meanwhile the player closes the About
// form and presses "Info" again.
MyGame::FormMain* pressedAgainOn = nullptr;
HINSTANCE WINAPI ShellThatPumps(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT) {
    PostMessageW(pressedAgainOn->AboutForm->okButton->windowHandle, BM_CLICK, 0, 0);
    SystemPump();
    PostMessageW(pressedAgainOn->InfoButton->windowHandle, BM_CLICK, 0, 0);
    SystemPump();
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

}  // namespace

// The link's press is still being handled when its form is closed and
// replaced: the form and the link must outlive that press, and the closed form
// is freed afterwards, between two messages.
TEST(GameWindowCommands, AnAboutFormClosedAndReplacedWhileItsLinkOpensThePageIsFreedOnlyAfterThePress) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    KTUtility::FormAbout* first = form.AboutForm.get();
    const UINT firstOk = first->okButton->controlId;
    pressedAgainOn = &form;
    KTUtility::shellExecute = ShellThatPumps;

    game.PressWindow(first->webLink->windowHandle, POINT{5, 5});
    ASSERT_NE(form.AboutForm.get(), first) << "\"Info\" made a new About form during the shell's loop";
    ToolkitTest::Pump();
    EXPECT_EQ(KTUtility::FindById(firstOk), nullptr) << "the closed form is freed once the press is over";
    ASSERT_NE(form.AboutForm, nullptr);
    EXPECT_TRUE(IsWindowVisible(form.AboutForm->windowHandle));
    EXPECT_FALSE(IsWindowEnabled(game.Window()));
    game.Click(*form.AboutForm->okButton);
    ToolkitTest::Pump();
    EXPECT_TRUE(IsWindowEnabled(game.Window()));
}

TEST(GameWindowCommands, InfoOpensAnAboutFormThatDisablesTheGameUntilItsOkAndEachPressMakesANewOne) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    EXPECT_EQ(form.AboutForm, nullptr);

    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    ASSERT_NE(form.AboutForm, nullptr);
    KTUtility::FormAbout* first = form.AboutForm.get();
    ASSERT_TRUE(IsWindow(first->windowHandle));
    const std::wstring firstClasses[] = {ClassName(first->windowHandle), ClassName(first->picturePanel->windowHandle)};
    EXPECT_TRUE(IsWindowVisible(first->windowHandle));
    EXPECT_EQ(ToolkitTest::WindowText(first->windowHandle), L"Info...");
    EXPECT_EQ(ToolkitTest::WindowText(first->titleLabel->windowHandle), L"LurnaGame 1.2.0.0");
    EXPECT_FALSE(IsWindowEnabled(game.Window()));

    game.Click(*first->okButton);
    ToolkitTest::Pump();
    EXPECT_FALSE(IsWindow(first->windowHandle));
    EXPECT_TRUE(IsWindowEnabled(game.Window()));
    const UINT firstOk = first->okButton->controlId;
    const HWND firstWindow = first->windowHandle;

    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    ASSERT_NE(form.AboutForm, nullptr);
    KTUtility::FormAbout* second = form.AboutForm.get();
    // A new form, with windows of its own (its memory may be the first's).
    EXPECT_NE(second->windowHandle, firstWindow);
    EXPECT_NE(second->okButton->controlId, firstOk);
    EXPECT_TRUE(IsWindowVisible(second->windowHandle));
    EXPECT_FALSE(IsWindowEnabled(game.Window()));
    // The first, closed, is freed with its parts and the window classes of its
    // own: kept to the end of the program, every press would hold its fonts,
    // its picture and the icons the system made for its class.
    EXPECT_EQ(KTUtility::FindById(firstOk), nullptr);
    for (const std::wstring& name : firstClasses) {
        WNDCLASSW registered{};
        EXPECT_FALSE(GetClassInfoW(GetModuleHandleW(nullptr), name.c_str(), &registered)) << KTUtility::Narrow(name);
    }

    // Only a program can press "Info" while an About form is open: that one may
    // be inside its own messages, so it is kept until the message loop ends.
    const UINT secondOk = second->okButton->controlId;
    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    ASSERT_NE(form.AboutForm.get(), second);
    EXPECT_EQ(KTUtility::FindById(secondOk), second->okButton);
    game.Click(*form.AboutForm->okButton);
    ToolkitTest::Pump();
    EXPECT_TRUE(IsWindowEnabled(game.Window()));
    game.answer = IDYES;
    game.Click(*form.CloseButton);
    KTUtility::MessageLoop(&form);
    EXPECT_EQ(KTUtility::FindById(secondOk), nullptr);
    EXPECT_EQ(game.questions.size(), 1u);
}

TEST(GameWindowCommands, HomeAndGuideOpenTheSitesPagesThroughTheShell) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    game.ChooseMenuItem(form.HomeItem->controlId);
    game.ChooseMenuItem(form.GuideItem->controlId);
    ASSERT_EQ(game.shellCalls.size(), 2u);
    EXPECT_EQ(game.shellCalls[0].verb, L"open");
    EXPECT_EQ(game.shellCalls[0].target, L"http://www.lurnagame.example");
    EXPECT_EQ(game.shellCalls[1].verb, L"open");
    EXPECT_EQ(game.shellCalls[1].target, L"http://www.lurnagame.example/LurnaGame.asp");
    EXPECT_TRUE(game.questions.empty());
    EXPECT_TRUE(IsWindowVisible(game.Window()));
}
