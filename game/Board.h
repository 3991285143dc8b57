// The card positions (numbered as game/Positions.h says) and the texts of the
// table, as the rule routines see them.
// The game window implements this with its pictures and cells; BoardRecord is a
// plain implementation for the tests and the headless tools.
#pragma once

#include "game/Card.h"
#include "game/GameState.h"
#include "game/Positions.h"

#include <string>

namespace MyGame {

class Board {
public:
    virtual ~Board() = default;

    // A hand or table position holds a card exactly while it is shown.
    virtual bool IsPositionShown(int position) const = 0;
    virtual void ShowPosition(int position) = 0;
    virtual void HidePosition(int position) = 0;
    // The card held as the position's text; NoCard stands for the empty text.
    virtual Card CardAt(int position) const = 0;
    virtual void SetCard(int position, Card card) = 0;
    virtual int Identifier(int position) const = 0;
    virtual void SetPicture(int position, int bitmap) = 0;
    // Back to the position's own place in the layout (a card raised or lowered
    // during a move).
    virtual void ReturnToPlace(int position) = 0;
    // The position offsetY pixels below its own place in the layout (above when
    // negative), x unchanged. Relative to the place, so that the match flow never
    // needs to know where the layout puts a position.
    virtual void MoveFromPlace(int position, int offsetY) = 0;
    // The hand cursor over the position: a press there does something.
    virtual void SetPositionCursor(int position, bool on) = 0;
    // The keyboard's focus frame around the position's card: Enter presses it.
    virtual void SetPositionFocus(int position, bool on) = 0;

    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetTotals(const std::string& pcTotal, const std::string& playerTotal) = 0;
    // Writes the report's cells and shows the score panel.
    virtual void ShowReport(const HandReport& report) = 0;
    virtual void HideReport() = 0;
    virtual void SetPlayButtonText(const std::string& text) = 0;
    // A sound resource of the program, played without waiting for it.
    virtual void PlaySoundResource(int resource) = 0;
    // The system's beep for a press that is refused.
    virtual void Beep() = 0;
};

}  // namespace MyGame
