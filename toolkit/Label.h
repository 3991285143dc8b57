// A line of text: a static control, left aligned unless set otherwise.
#pragma once

#include "toolkit/Child.h"

#include <string>

namespace KTUtility {

class Label : public Child {
public:
    Label(GUIElement* parentElement, const std::string& caption);

    void Create() override;

    bool border = false;
    bool rightAligned = false;
    bool centred = false;
};

}  // namespace KTUtility
