// What the window procedure does for the controls that are built on the core:
// owner-drawn buttons, panels and their scrolling, menu items and timers. The
// window procedure calls these; the controls define them.
#pragma once

#include <windows.h>

namespace KTUtility {

class GUIElement;
class PanelChildren;
class SubMenu;

// Run-time type tests: the element as that class, or null.
PanelChildren* AsPanel(GUIElement* element);
SubMenu* AsSubMenu(GUIElement* element);

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

// WM_TIMER received by `window`: calls the tick handler of the timer with that
// id when it is set on that window. Any window can be sent a WM_TIMER of any
// id; only the timer's own parent window ticks it.
void TickTimer(HWND window, UINT_PTR id);

}  // namespace KTUtility
