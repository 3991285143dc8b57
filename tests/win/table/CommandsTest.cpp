// "Info" and the help menu: the About form over a disabled game window, a new
// About form for every press with the earlier, closed one freed, and the two
// pages opened through the shell.
#include "GameWindow.h"
#include "TestSupport.h"
#include "table/FormMain.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
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

}  // namespace

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
