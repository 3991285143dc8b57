// An element that lives inside a form or a panel: its parent is set and its
// window, when it has one, is a child window of the parent's window.
#pragma once

#include "toolkit/GUIElement.h"

namespace KTUtility {

class Child : public GUIElement {
public:
    explicit Child(GUIElement* parentElement);
};

}  // namespace KTUtility
