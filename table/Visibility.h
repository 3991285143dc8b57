// Showing and hiding the game's elements, with the visible flag that the game
// reads kept in step.
#pragma once

#include "toolkit/GUIElement.h"

namespace MyGame {

// Created first when needed, and shown without taking the focus from the window
// the player is using.
inline void ShowElement(KTUtility::GUIElement& element) {
    element.Create();
    if (element.windowHandle) ShowWindow(element.windowHandle, SW_SHOWNA);
    element.visible = true;
}

// Marked hidden even when its window could not be made: the match must still
// see an empty place there.
inline void HideElement(KTUtility::GUIElement& element) {
    element.Hide();
    element.visible = false;
}

}  // namespace MyGame
