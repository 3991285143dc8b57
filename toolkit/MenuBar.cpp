#include "toolkit/MenuBar.h"

#include "toolkit/Menu.h"

namespace KTUtility {

MenuBar::MenuBar(GUIElement* form) : Child(form) {
    typeName = "menubar";
}

void MenuBar::Create() {
    // A second call would make a second bar and leave the first one orphaned.
    if (created) return;
    if (!parent || !parent->windowHandle) return;
    menuHandle = CreateMenu();
    for (Menu* menu : children) menu->Create();
    SetMenu(parent->windowHandle, menuHandle);
    created = true;
    // An element's window handle is where a menu element keeps its menu handle.
    windowHandle = reinterpret_cast<HWND>(menuHandle);
    AttachTooltipAndFont();
}

}  // namespace KTUtility
