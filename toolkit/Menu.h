// One title of a menu bar and its drop-down of items.
#pragma once

#include "toolkit/Child.h"

#include <string>
#include <vector>

namespace KTUtility {

class MenuBar;
class SubMenu;

class Menu : public Child {
public:
    // Joins the bar's titles; on a bar that exists already it is created at once.
    Menu(MenuBar* bar, const std::string& title);

    // Waits for the bar when the bar has no menu yet.
    void Create() override;

    std::vector<SubMenu*> children;  // not owned
    HMENU menuHandle = nullptr;
};

}  // namespace KTUtility
