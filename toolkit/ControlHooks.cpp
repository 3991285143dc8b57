// Stand-ins until the controls exist: no element is a panel, a menu item or a
// timer, and the messages that only they handle go to default processing.
#include "toolkit/ControlHooks.h"

namespace KTUtility {

PanelChildren* AsPanel(GUIElement*) {
    return nullptr;
}

SubMenu* AsSubMenu(GUIElement*) {
    return nullptr;
}

Timer* AsTimer(GUIElement*) {
    return nullptr;
}

bool PaintOwnerDrawnButton(WPARAM, const DRAWITEMSTRUCT&) {
    return false;
}

bool ScrollPanel(HWND, UINT, WPARAM, LPARAM) {
    return false;
}

bool ScrollPanelByWheel(HWND, WPARAM) {
    return false;
}

void ChooseMenuItem(SubMenu*) {}

void TickTimer(Timer*) {}

}  // namespace KTUtility
