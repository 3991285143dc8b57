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

const std::vector<SubMenu*>* SubMenu::Siblings() const {
    if (auto* menu = dynamic_cast<Menu*>(parent)) return &menu->children;
    if (auto* item = dynamic_cast<SubMenu*>(parent)) return &item->children;
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
        if (radio && checked) ShowRadioDot();
    }
    created = true;
    windowHandle = reinterpret_cast<HWND>(popupHandle);
    if (!enabled) SetEnabled(false);
    AttachTooltipAndFont();
}

bool SubMenu::IsChecked() {
    HMENU menu = ParentMenu();
    if (!created || !menu) return checked;
    UINT state = GetMenuState(menu, controlId, MF_BYCOMMAND);
    // A radio item's type comes with its state.
    if (radio) state &= ~static_cast<UINT>(MFT_RADIOCHECK);
    checked = state == MF_CHECKED;
    return checked;
}

void SubMenu::ShowCheck() {
    HMENU menu = ParentMenu();
    if (!menu) return;
    CheckMenuItem(menu, controlId, MF_BYCOMMAND | (checked && checkable ? MF_CHECKED : MF_UNCHECKED));
}

void SubMenu::ChooseRadio() {
    const std::vector<SubMenu*>* siblings = Siblings();
    if (!siblings) return;
    for (SubMenu* item : *siblings) {
        if (item->radio) item->checked = item == this;
    }
    if (created) ShowRadioDot();
}

void SubMenu::ShowRadioDot() {
    const std::vector<SubMenu*>& siblings = *Siblings();
    // The run of radio items around this one, by their places in the menu; the
    // items after it may not be in the menu yet while it is being created.
    int at = 0;
    while (siblings[at] != this) ++at;
    int first = at;
    while (first > 0 && siblings[first - 1]->radio) --first;
    int last = at;
    while (last + 1 < static_cast<int>(siblings.size()) && siblings[last + 1]->radio && siblings[last + 1]->created) {
        ++last;
    }
    CheckMenuRadioItem(ParentMenu(), first, last, at, MF_BYPOSITION);
}

SubMenu* AsSubMenu(GUIElement* element) {
    return dynamic_cast<SubMenu*>(element);
}

void ChooseMenuItem(SubMenu* item) {
    if (item->radio) {
        item->ChooseRadio();
    } else if (item->checkable) {
        item->checked = !item->IsChecked();
        if (item->created) item->ShowCheck();
    }
    if (item->commandHandler) item->commandHandler(item);
}

}  // namespace KTUtility
