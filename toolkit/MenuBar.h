// A form's menu bar: the root of a tree of menus built from objects first and
// made real by one Create, which creates the system menus from the top down.
#pragma once

#include "toolkit/Child.h"

#include <vector>

namespace KTUtility {

class Menu;

class MenuBar : public Child {
public:
    explicit MenuBar(GUIElement* form);

    // Creates the bar, then every title and item under it, and puts it on the form.
    void Create() override;

    std::vector<Menu*> children;  // not owned
    HMENU menuHandle = nullptr;
};

}  // namespace KTUtility
