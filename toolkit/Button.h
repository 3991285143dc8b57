// A push button, plain or painted by the toolkit (owner-drawn), that fires its
// command handler when clicked.
#pragma once

#include "toolkit/Child.h"
#include "toolkit/CommandElement.h"

#include <string>

namespace KTUtility {

class Drawing;

class Button : public Child, public CommandElement {
public:
    Button(GUIElement* parentElement, const std::string& caption);

    void Create() override;
    // Draws the picture for the current state left of the caption; returns the
    // x at which the caption may start, or 0 when there is no picture.
    virtual int DrawImage(Drawing& surface, const RECT& item, bool pressed);

    bool ownerDrawn = false;
    // Not owned: whoever sets them keeps them alive for the button's life.
    HBITMAP enabledBitmap = nullptr;
    HBITMAP disabledBitmap = nullptr;
    HICON enabledIcon = nullptr;
    HICON disabledIcon = nullptr;
};

}  // namespace KTUtility
