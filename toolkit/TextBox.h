// A text field: an "edit" control whose options are fields of the element,
// turned into window styles at creation and applied again by ApplyOptions.
#pragma once

#include "toolkit/Child.h"

#include <string>

namespace KTUtility {

class TextBox : public Child {
public:
    TextBox(GUIElement* parentElement, const std::string& content);

    void Create() override;
    // Gives a created box the options as they are now, the password
    // character included; before Create it does nothing.
    void ApplyOptions();
    DWORD BoxStyle() const;

    int lengthLimit = -1;  // -1: the control's own limit
    bool multiLine = false;
    bool horizontalBar = false;
    bool verticalBar = false;
    bool readOnly = false;
    bool digitsOnly = false;
    bool password = false;
    bool lowerCase = false;
    bool upperCase = false;  // wins over lower case
    bool rightAligned = false;
    bool centred = false;  // right alignment wins
    bool border = true;
    bool wordWrap = false;
};

}  // namespace KTUtility
