// An item under a menu title, or a cascading popup when it has items of its
// own. Its control id is taken when it is constructed, and choosing it fires
// its command handler.
#pragma once

#include "toolkit/Child.h"
#include "toolkit/CommandElement.h"

#include <string>
#include <vector>

namespace KTUtility {

class SubMenu : public Child, public CommandElement {
public:
    // Joins the items of a Menu or of another SubMenu; when that parent exists
    // already the item is created at once, at the end of its menu.
    SubMenu(GUIElement* parentElement, const std::string& caption);

    // Greys or enables the item by its id.
    void SetEnabled(bool value) override;
    void Create() override;

    // Asks the menu; checked means exactly MF_CHECKED, so a checked item that
    // is also greyed reads as unchecked.
    bool IsChecked();
    // Shows the stored check mark (only a checkable item shows one).
    void ShowCheck();
    // A radio item: chosen, it is checked with a dot and the radio items beside
    // it in its menu are unchecked. Only one of them is to be created checked.
    void ChooseRadio();

    std::vector<SubMenu*> children;  // not owned
    HMENU popupHandle = nullptr;
    UINT itemFlags = MF_STRING;
    bool checkable = false;
    bool radio = false;
    bool checked = false;

private:
    // The menu that holds this item, or null while there is none.
    HMENU ParentMenu() const;
    // The items of that menu, in its order.
    const std::vector<SubMenu*>* Siblings() const;
    // Shows the dot on this radio item and none on the others of its run.
    void ShowRadioDot();
};

}  // namespace KTUtility
