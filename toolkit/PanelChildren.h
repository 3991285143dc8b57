// A container window of a class of its own: other elements name it as their
// parent. It can have a border, scroll bars with scroll handlers, colours for
// the controls inside it, or float as a tool window of its own.
#pragma once

#include "toolkit/Child.h"

namespace KTUtility {

class PanelChildren;

// Told the distance the position was asked to move: old minus asked for, so
// negative when moving down or right, whether or not the system allowed it.
using ScrollHandler = void (*)(PanelChildren* panel, int amount);

class PanelChildren : public Child {
public:
    explicit PanelChildren(GUIElement* parentElement);
    ~PanelChildren() override;

    HBRUSH OnControlColor(HDC context) override;
    void Create() override;

    // On a created panel the new frame is applied at once.
    void SetBorder(bool value);
    // Both bars share the range; the page is a tenth of it.
    void SetScrollRange(int minimum, int maximum);
    DWORD PanelStyle() const;

    bool answersColorRequests = true;
    ScrollHandler verticalScrollHandler = nullptr;
    ScrollHandler horizontalScrollHandler = nullptr;
    bool border = false;
    bool flatBorder = false;
    bool verticalScrolling = false;
    bool horizontalScrolling = false;
    int scrollMinimum = 0;
    int scrollMaximum = 100;
    bool tabStop = true;
    // The last brush made for a colour request; owned.
    HBRUSH brush = nullptr;
    COLORREF childTextColor = NoColor;
    COLORREF panelColor = NoColor;
    bool floating = false;
};

}  // namespace KTUtility
