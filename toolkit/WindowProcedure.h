// The one window procedure of the toolkit: the procedure of every form and
// panel class and the replacement procedure of every subclassed system
// control. It finds the element of the window and calls its operations.
#pragma once

#include "toolkit/PressPairing.h"

#include <windows.h>

#include <bitset>

namespace KTUtility {

class GUIElement;
class Form;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Puts WindowProcedure in place of a system control's procedure, keeping the
// previous one in the element for the messages that the toolkit passes on.
void SubclassControl(GUIElement& element);

// Hands the window of an element being destroyed back to the procedure it had
// before the toolkit's, so that none of its messages reaches an element again.
void ReleaseWindow(const GUIElement& element);

// What the window procedure keeps between messages.
struct DispatchState {
    HWND mainWindow = nullptr;          // the first form's window; its end ends the loop
    Form* activeForm = nullptr;         // the form that last became the foreground window
    GUIElement* activePanel = nullptr;  // the floating panel that last did
    GUIElement* wheelPanel = nullptr;   // the panel the wheel scrolls over other windows
    HWND trackedWindow = nullptr;       // the window of the pending hover and leave request
    HCURSOR waitCursor = nullptr;
    HCURSOR handCursor = nullptr;
    bool keyRepeats = false;            // the key-down being handled is the keyboard's auto-repeat
    // Keys whose key-down a handler took: their key-up is taken too, so that a
    // button never clicks on the release of a key the game has acted on.
    std::bitset<256> takenKeys;
    PressPairing presses;
    bool secondPress = false;           // the press being handled ends a double-click begun elsewhere
};

DispatchState& Dispatch();

// Whether the key-down being handled repeats a key held down, so that a handler
// can act once per press.
bool KeyRepeats();

// Whether the left-button press being handled is the second press of a
// double-click whose first press went to another window (PressPairing.h), so
// that a handler can leave it alone.
bool PressEndsDoubleClick();

// Drops an element that is being destroyed from the dispatch state.
void ForgetElement(const GUIElement* element);

}  // namespace KTUtility
