// The card positions and the texts of the table, as the rule routines see them.
// The game window implements this with its pictures and cells; BoardRecord is a
// plain implementation for the tests and the headless tools.
#pragma once

#include "game/Card.h"
#include "game/GameState.h"

#include <string>

namespace MyGame {

// Positions 0..2 the PC's hand, 3..5 the player's, 6..14 the first nine table
// places, 15 the stock, 16..19 four more table places. A table can never hold more
// than 13 cards: a card is laid only when no table card has its value, so besides
// up to four equal cards of the first deal there is at most one card of each other
// value. The four extra places come after the stock so that every position's
// identifier still rises with its index and the table's identifiers keep one digit
// count.
constexpr int PositionCount = 20;
constexpr int HandSize = 3;
constexpr int PcHandFirst = 0;
constexpr int PlayerHandFirst = 3;
constexpr int StockPosition = 15;
constexpr int TableSize = 13;
// The table places in table order, the order every routine reads them in.
constexpr int TablePositions[TableSize] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19};

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
