// An element that lives inside a form or a panel: its parent is set and its
// window, when it has one, is a child window of the parent's window.
#pragma once

#include "toolkit/GUIElement.h"

namespace KTUtility {

class Child : public GUIElement {
public:
    explicit Child(GUIElement* parentElement);

protected:
    // The first steps of a system control's creation: takes the next control id
    // and creates the window from the element's text, position and size as a
    // child of the parent's window, with that id. Returns the window, or null
    // after reading the error, which nothing reports.
    HWND CreateControlWindow(DWORD extendedStyle, const wchar_t* className, DWORD style);
};

}  // namespace KTUtility
