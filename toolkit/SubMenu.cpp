#include "toolkit/SubMenu.h"

#include "toolkit/ControlHooks.h"
#include "toolkit/ControlId.h"
#include "toolkit/Menu.h"
#include "toolkit/Text.h"

namespace KTUtility {

SubMenu::SubMenu(GUIElement* parentElement, const std::string& caption) : Child(parentElement) {
    text = Widen(caption);
    typeName = "submenu";
    controlId = NextControlId();
    if (auto* menu = dynamic_cast<Menu*>(parentElement)) {
        menu->children.push_back(this);
        if (menu->created) Create();
    } else if (auto* item = dynamic_cast<SubMenu*>(parentElement)) {
        item->children.push_back(this);
        if (item->created) Create();
    }
}

HMENU SubMenu::ParentMenu() const {
    if (auto* menu = dynamic_cast<Menu*>(parent)) return menu->menuHandle;
    if (auto* item = dynamic_cast<SubMenu*>(parent)) return item->popupHandle;
    return nullptr;
}

void SubMenu::SetEnabled(bool value) {
    enabled = value;
    if (!created) return;
    EnableMenuItem(ParentMenu(), controlId, MF_BYCOMMAND | (value ? MF_ENABLED : MF_GRAYED));
}

void SubMenu::Create() {
    if (created) return;
    HMENU menu = ParentMenu();
    if (!menu) return;
    if (!children.empty()) {
        popupHandle = CreatePopupMenu();
        for (SubMenu* item : children) item->Create();
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popupHandle), text.c_str());
    } else {
        AppendMenuW(menu, itemFlags, controlId, text.empty() ? nullptr : text.c_str());
        if (checkable) CheckMenuItem(menu, controlId, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    }
    created = true;
    windowHandle = reinterpret_cast<HWND>(popupHandle);
    if (!enabled) SetEnabled(false);
    AttachTooltipAndFont();
}

bool SubMenu::IsChecked() {
    HMENU menu = ParentMenu();
    if (!created || !menu) return checked;
    checked = GetMenuState(menu, controlId, MF_BYCOMMAND) == MF_CHECKED;
    return checked;
}

void SubMenu::ShowCheck() {
    HMENU menu = ParentMenu();
    if (!menu) return;
    CheckMenuItem(menu, controlId, MF_BYCOMMAND | (checked && checkable ? MF_CHECKED : MF_UNCHECKED));
}

SubMenu* AsSubMenu(GUIElement* element) {
    return dynamic_cast<SubMenu*>(element);
}

void ChooseMenuItem(SubMenu* item) {
    if (item->checkable) {
        item->checked = !item->IsChecked();
        if (item->created) item->ShowCheck();
    }
    if (item->commandHandler) item->commandHandler(item);
}

}  // namespace KTUtility
