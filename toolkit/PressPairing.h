// The second press of a double-click that the system could not pair with the
// first because it went to another window. The system pairs two presses into a
// double-click only on one window; when the first press moves or hides the
// window under the pointer (a card that drops, a panel that closes), the second
// lands on the window beneath and arrives there as a plain press.
#pragma once

#include <windows.h>

#include <optional>

namespace KTUtility {

class PressPairing {
public:
    // The left button went down on the window at this point of the screen.
    // True when the press comes within the system's double-click time and
    // rectangle of the previous press and went to another window than it: the
    // second half of a double-click. Such a press starts no pair of its own.
    bool Pressed(HWND window, POINT at, DWORD time);
    // The second press of a double-click on one window: the pair is complete.
    void DoubleClicked();
    // The left button went up at this point of the screen: a press released
    // away from the window it went down on was dragged off and leaves nothing
    // behind.
    void Released(POINT at);

private:
    struct Press {
        HWND window;
        POINT at;
        // The window's place when it was pressed: the press may move it.
        RECT box;
        DWORD time;
    };
    bool PairsWith(const Press& first, HWND window, POINT at, DWORD time) const;

    std::optional<Press> last_;
};

}  // namespace KTUtility
