// "Info" and the help menu: the About form over a disabled game window, a new
// About form for every press with the earlier one kept until the loop ends, and
// the two pages opened through the shell.
#include "GameWindow.h"
#include "TestSupport.h"
#include "table/FormMain.h"
#include "toolkit/Application.h"
#include "toolkit/Button.h"
#include "toolkit/FormAbout.h"
#include "toolkit/Label.h"
#include "toolkit/Registry.h"
#include "toolkit/SubMenu.h"

#include <gtest/gtest.h>

using TableTest::GameWindow;

TEST(GameWindowCommands, InfoOpensAnAboutFormThatDisablesTheGameUntilItsOkAndEachPressMakesANewOne) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    EXPECT_EQ(form.AboutForm, nullptr);

    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    ASSERT_NE(form.AboutForm, nullptr);
    KTUtility::FormAbout* first = form.AboutForm.get();
    ASSERT_TRUE(IsWindow(first->windowHandle));
    EXPECT_TRUE(IsWindowVisible(first->windowHandle));
    EXPECT_EQ(ToolkitTest::WindowText(first->windowHandle), L"Info...");
    EXPECT_EQ(ToolkitTest::WindowText(first->titleLabel->windowHandle), L"LurnaGame 1.2.0.0");
    EXPECT_FALSE(IsWindowEnabled(game.Window()));

    game.Click(*first->okButton);
    ToolkitTest::Pump();
    EXPECT_FALSE(IsWindow(first->windowHandle));
    EXPECT_TRUE(IsWindowEnabled(game.Window()));
    const UINT firstOk = first->okButton->controlId;

    game.Click(*form.InfoButton);
    ToolkitTest::Pump();
    ASSERT_NE(form.AboutForm, nullptr);
    KTUtility::FormAbout* second = form.AboutForm.get();
    EXPECT_NE(second, first);
    EXPECT_TRUE(IsWindowVisible(second->windowHandle));
    EXPECT_FALSE(IsWindowEnabled(game.Window()));
    // The first is retired, not freed: its parts are still registered.
    EXPECT_EQ(KTUtility::FindById(firstOk), first->okButton);
    game.Click(*second->okButton);
    ToolkitTest::Pump();
    EXPECT_TRUE(IsWindowEnabled(game.Window()));

    // The program's end: the exit confirmed, the loop ends and frees the
    // retired About form.
    game.answer = IDYES;
    game.Click(*form.CloseButton);
    KTUtility::MessageLoop(&form);
    EXPECT_EQ(KTUtility::FindById(firstOk), nullptr);
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
