// The registry of every element alive, in construction order, through which
// the window procedure and the owners find elements. An element enters it when
// constructed and leaves it when destroyed, so a lookup never reaches a
// deleted element.
#pragma once

#include <windows.h>

#include <vector>

namespace KTUtility {

class GUIElement;
class Child;
class SubMenu;

void AddToRegistry(GUIElement* element);
void RemoveFromRegistry(GUIElement* element);

// The element whose window is this one. When none is, the element constructed
// last while it has no window yet: the messages sent during CreateWindowExW,
// before the new handle is stored, belong to the element being created.
GUIElement* FindByHandle(HWND window);
GUIElement* FindById(UINT id);
SubMenu* FindSubMenuById(UINT id);
// The child elements whose parent's window is this form's window.
std::vector<Child*> ChildrenOf(HWND form);

}  // namespace KTUtility
