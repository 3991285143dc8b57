// The menu "Livello": three radio items, "Normale" checked at every start of the
// program; a choice checks its item alone and sets the PC's level, which its
// next decision follows. A whole match at "Esperto" is played on the window and
// checked after every event.
#include "GameWindow.h"
#include "MatchDriver.h"
#include "game/PcLevel.h"
#include "table/FormMain.h"
#include "toolkit/Menu.h"
#include "toolkit/SubMenu.h"

#include <gtest/gtest.h>

#include <string>

using TableTest::GameWindow;
using TableTest::MatchDriver;
using TableTest::Player;

namespace {

std::wstring ItemText(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

// The item of the level checked on the menu, by its state, and with the radio
// dot; -1 when none or more than one.
int CheckedLevel(MyGame::FormMain& form) {
    HMENU menu = form.LevelMenu->menuHandle;
    int checked = -1;
    for (int level = 0; level < MyGame::PcLevelCount; ++level) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE | MIIM_FTYPE;
        GetMenuItemInfoW(menu, static_cast<UINT>(level), TRUE, &info);
        if (!(info.fState & MFS_CHECKED)) continue;
        if (checked >= 0 || !(info.fType & MFT_RADIOCHECK)) return -1;
        checked = level;
    }
    return checked;
}

void ChooseLevel(GameWindow& game, MyGame::PcLevel level) {
    game.ChooseMenuItem(game.Form().LevelItems[static_cast<int>(level)]->controlId);
}

}  // namespace

TEST(GameWindowLevelMenu, ThreeRadioItemsBetweenFileAndHelpNormaleAtEveryStart) {
    for (int start = 0; start < 2; ++start) {
        GameWindow game;
        MyGame::FormMain& form = game.Form();
        HMENU bar = GetMenu(game.Window());
        ASSERT_EQ(GetMenuItemCount(bar), 3);
        EXPECT_EQ(ItemText(bar, 0), L"&File");
        EXPECT_EQ(ItemText(bar, 1), L"&Livello");
        EXPECT_EQ(ItemText(bar, 2), L"&?");
        HMENU levels = form.LevelMenu->menuHandle;
        ASSERT_EQ(GetMenuItemCount(levels), 3);
        EXPECT_EQ(ItemText(levels, 0), L"&Principiante");
        EXPECT_EQ(ItemText(levels, 1), L"&Normale");
        EXPECT_EQ(ItemText(levels, 2), L"&Esperto");
        EXPECT_EQ(CheckedLevel(form), static_cast<int>(MyGame::PcLevel::Normale)) << "start " << start;
        EXPECT_EQ(form.Match.Level(), MyGame::PcLevel::Normale);
        // What the run before chose is not kept.
        for (MyGame::PcLevel level : {MyGame::PcLevel::Esperto, MyGame::PcLevel::Principiante, MyGame::PcLevel::Esperto}) {
            ChooseLevel(game, level);
            EXPECT_EQ(CheckedLevel(form), static_cast<int>(level));
            EXPECT_EQ(form.Match.Level(), level);
            EXPECT_TRUE(form.LevelItems[static_cast<int>(level)]->IsChecked());
        }
    }
}

// Chosen while the PC waits, a level makes its next decision; chosen while
// its card is shown, the shown move is the one made.
TEST(GameWindowLevelMenu, TheLevelTakesEffectAtThePcsNextDecision) {
    GameWindow game;
    MyGame::FormMain& form = game.Form();
    const MyGame::MatchController& match = form.Match;
    MatchDriver driver(game, Player::Strategy, 7);
    ASSERT_EQ(driver.StartMatch(21), "");
    int decisions = 0;
    while (decisions < 12 && !driver.MatchOver()) {
        if (match.Phase() != MyGame::MatchPhase::PcTurn || match.Move().PcCardShown()) {
            ASSERT_EQ(driver.Advance(), "");
            continue;
        }
        const auto level = static_cast<MyGame::PcLevel>(decisions % MyGame::PcLevelCount);
        ChooseLevel(game, level);
        const MyGame::PcMove expected =
            MyGame::ChooseLevelMove(match.State, form, MyGame::Side::Pc, level, match.DecisionSeed());
        ASSERT_EQ(driver.WaitForPcStep(), "");
        ASSERT_EQ(driver.MakePcStep(), "");
        ASSERT_TRUE(match.Move().PcCardShown());
        EXPECT_EQ(match.Move().PcChosenPosition, expected.HandIndex) << "decision " << decisions;
        EXPECT_EQ(match.Move().PcCapture, expected.CaptureText) << "decision " << decisions;
        const std::string shown = match.Move().PcCapture;
        ChooseLevel(game, static_cast<MyGame::PcLevel>((decisions + 1) % MyGame::PcLevelCount));
        EXPECT_EQ(match.Move().PcCapture, shown);
        ++decisions;
    }
    EXPECT_EQ(decisions, 12);
}

TEST(GameWindowMatch, AMatchAtEspertoPlaysToItsEndCheckedAfterEveryEvent) {
    GameWindow game;
    ChooseLevel(game, MyGame::PcLevel::Esperto);
    MatchDriver driver(game, Player::Strategy, 11);
    ASSERT_EQ(driver.StartMatch(2026), "");
    ASSERT_EQ(driver.PlayToEnd(), "");
    EXPECT_EQ(game.Form().Match.Level(), MyGame::PcLevel::Esperto);
}
