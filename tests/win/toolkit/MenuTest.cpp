// Menus: the tree made real by one Create, ids taken at construction, check
// marks toggled by menu commands, greyed items.
#include "TestSupport.h"

#include "toolkit/Menu.h"
#include "toolkit/MenuBar.h"
#include "toolkit/SubMenu.h"

#include <gtest/gtest.h>

#include <string>

using namespace KTUtility;
using ToolkitTest::MakeForm;

namespace {

std::wstring ItemText(HMENU menu, UINT position) {
    wchar_t buffer[32] = {};
    GetMenuStringW(menu, position, buffer, 32, MF_BYPOSITION);
    return buffer;
}

void Choose(HWND form, const SubMenu& item) {
    SendMessageW(form, WM_COMMAND, MAKEWPARAM(item.controlId, 0), 0);
}

int chosen = 0;
bool checkedWhenChosen = false;
void OnChosen(GUIElement* element) {
    ++chosen;
    checkedWhenChosen = static_cast<SubMenu*>(element)->checked;
}

}  // namespace

TEST(Menu, GameTreeBuiltByOneCreate) {
    auto form = MakeForm();  // id 1
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    SubMenu exit(&file, "&Esci");
    Menu help(&bar, "&?");
    SubMenu guide(&help, "&Guida");
    SubMenu home(&help, "&Home");
    EXPECT_EQ(exit.controlId, 2u);
    EXPECT_EQ(guide.controlId, 3u);
    EXPECT_EQ(home.controlId, 4u);
    EXPECT_EQ(GetMenu(form->windowHandle), nullptr);

    bar.Create();
    HMENU menu = GetMenu(form->windowHandle);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, bar.menuHandle);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(ItemText(menu, 0), L"&File");
    EXPECT_EQ(ItemText(menu, 1), L"&?");
    HMENU fileMenu = GetSubMenu(menu, 0);
    HMENU helpMenu = GetSubMenu(menu, 1);
    ASSERT_EQ(GetMenuItemCount(fileMenu), 1);
    ASSERT_EQ(GetMenuItemCount(helpMenu), 2);
    EXPECT_EQ(GetMenuItemID(fileMenu, 0), exit.controlId);
    EXPECT_EQ(GetMenuItemID(helpMenu, 0), guide.controlId);
    EXPECT_EQ(GetMenuItemID(helpMenu, 1), home.controlId);
    EXPECT_EQ(ItemText(helpMenu, 1), L"&Home");

    // A second Create makes no second bar.
    bar.Create();
    EXPECT_EQ(GetMenu(form->windowHandle), menu);
    EXPECT_EQ(GetMenuItemCount(menu), 2);
}

TEST(Menu, ItemsAddedLaterAppearAtOnceAtTheEnd) {
    auto form = MakeForm();
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    SubMenu first(&file, "&Primo");
    bar.Create();
    SubMenu separator(&file, "");
    separator.itemFlags = MF_SEPARATOR;
    SubMenu last(&file, "&Ultimo");
    HMENU fileMenu = GetSubMenu(GetMenu(form->windowHandle), 0);
    ASSERT_EQ(GetMenuItemCount(fileMenu), 3);
    EXPECT_EQ(GetMenuItemID(fileMenu, 2), last.controlId);
    EXPECT_EQ(ItemText(fileMenu, 1), L"");
    Menu extra(&bar, "&Altro");
    EXPECT_TRUE(extra.created);
    EXPECT_EQ(GetMenuItemCount(GetMenu(form->windowHandle)), 2);
}

TEST(Menu, CheckableItemTogglesThroughMenuCommands) {
    auto form = MakeForm();
    MenuBar bar(form.get());
    Menu options(&bar, "&Opzioni");
    SubMenu sound(&options, "&Suoni");
    sound.checkable = true;
    sound.commandHandler = OnChosen;
    bar.Create();
    EXPECT_EQ(GetMenuState(options.menuHandle, sound.controlId, MF_BYCOMMAND) & MF_CHECKED, 0u);

    Choose(form->windowHandle, sound);
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(checkedWhenChosen);
    EXPECT_EQ(GetMenuState(options.menuHandle, sound.controlId, MF_BYCOMMAND), static_cast<UINT>(MF_CHECKED));

    Choose(form->windowHandle, sound);
    EXPECT_EQ(chosen, 2);
    EXPECT_FALSE(checkedWhenChosen);
    EXPECT_EQ(GetMenuState(options.menuHandle, sound.controlId, MF_BYCOMMAND) & MF_CHECKED, 0u);

    // An accelerator (code 1) and an unknown id choose nothing.
    SendMessageW(form->windowHandle, WM_COMMAND, MAKEWPARAM(sound.controlId, 1), 0);
    SendMessageW(form->windowHandle, WM_COMMAND, MAKEWPARAM(999, 0), 0);
    EXPECT_EQ(chosen, 2);
}

TEST(Menu, CheckedAndDisabledItemReadsUnchecked) {
    auto form = MakeForm();
    MenuBar bar(form.get());
    Menu options(&bar, "&Opzioni");
    SubMenu item(&options, "&Voce");
    item.checkable = true;
    item.checked = true;
    item.SetEnabled(false);
    SubMenu plain(&options, "&Altra");
    plain.checked = true;  // not checkable: shows no mark
    bar.Create();
    UINT state = GetMenuState(options.menuHandle, item.controlId, MF_BYCOMMAND);
    EXPECT_EQ(state & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(state & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
    EXPECT_FALSE(item.IsChecked());
    EXPECT_FALSE(item.checked);

    item.SetEnabled(true);
    item.checked = true;
    item.ShowCheck();
    EXPECT_TRUE(item.IsChecked());
    plain.ShowCheck();
    EXPECT_EQ(GetMenuState(options.menuHandle, plain.controlId, MF_BYCOMMAND) & MF_CHECKED, 0u);
}
