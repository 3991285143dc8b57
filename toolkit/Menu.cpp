#include "toolkit/Menu.h"

#include "toolkit/MenuBar.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Text.h"

namespace KTUtility {

Menu::Menu(MenuBar* bar, const std::string& title) : Child(bar) {
    text = Widen(title);
    typeName = "menu";
    if (!bar) return;
    bar->children.push_back(this);
    if (bar->created) Create();
}

void Menu::Create() {
    if (created) return;
    auto* bar = dynamic_cast<MenuBar*>(parent);
    if (!bar || !bar->menuHandle) return;
    menuHandle = CreateMenu();
    for (SubMenu* item : children) item->Create();
    AppendMenuW(bar->menuHandle, MF_POPUP, reinterpret_cast<UINT_PTR>(menuHandle), text.c_str());
    windowHandle = reinterpret_cast<HWND>(menuHandle);
    created = true;
    AttachTooltipAndFont();
}

}  // namespace KTUtility
