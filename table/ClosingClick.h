// The click on "Continua" that closed the score panel. "Continua" lies over
// the player's hand: once the panel is gone, the second press of a
// double-click lands on the card that was under the button, a window of its
// own, so the system sends it as a plain press and the card would be played.
// A card press within the system's double-click time and rectangle of the
// press that closed the panel is the rest of that double-click, not a move.
#pragma once

#include <windows.h>

#include <optional>

namespace MyGame {

class ClosingClick {
public:
    // The left button went down on "Continua" at this point of the screen.
    void Pressed(POINT at, DWORD time);
    // "Continua" fired: the last press on it, if it had one, closed the panel.
    // Fired from the keyboard, nothing was pressed and nothing is kept.
    void Fired();
    // Whether a card press at this point of the screen and time is the second
    // press of the double-click that closed the panel.
    bool IsSecondPress(POINT at, DWORD time) const;

private:
    struct Press {
        POINT at;
        DWORD time;
    };
    std::optional<Press> pressed_;
    std::optional<Press> closedBy_;
};

}  // namespace MyGame
