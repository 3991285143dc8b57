// What the window procedure does for the controls that are built on the core:
// owner-drawn buttons, panels and their scrolling, menu items and timers. The
// window procedure calls these; the controls define them.
#pragma once

#include <windows.h>

namespace KTUtility {

class GUIElement;
class PanelChildren;
class SubMenu;
class Timer;

// Run-time type tests: the element as that class, or null.
PanelChildren* AsPanel(GUIElement* element);
SubMenu* AsSubMenu(GUIElement* element);
Timer* AsTimer(GUIElement* element);

// WM_DRAWITEM: paints the owner-drawn button of control id `id`; false leaves
// the message to default processing.
bool PaintOwnerDrawnButton(WPARAM id, const DRAWITEMSTRUCT& item);

// WM_HSCROLL and WM_VSCROLL received by `window`; false when no panel took it.
bool ScrollPanel(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_MOUSEWHEEL received by `window`; false when no panel took it.
bool ScrollPanelByWheel(HWND window, WPARAM wParam);

// A menu item was chosen: flips its check mark when it is checkable and calls
// its command handler.
void ChooseMenuItem(SubMenu* item);

// A tick of the timer: calls its tick handler.
void TickTimer(Timer* timer);

}  // namespace KTUtility
