// Sizes, places and colours of the game window, in client pixels of the parent.
// The table is laid out for the client area of FormWidth by FormHeight that the
// window has once made: the player's hand, the status line and the buttons keep
// their distances from its edges.
#pragma once

#include <windows.h>

namespace MyGame {

// The client area.
constexpr int FormWidth = 640;
constexpr int FormHeight = 480;
constexpr COLORREF TableGreen = 0x008000;
constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF Black = 0x000000;
// The keyboard's focus frame: gold between two dark lines, which reads on the
// green and on the white edge of every card.
constexpr COLORREF FocusFrame = RGB(255, 200, 0);

constexpr int CardWidth = 63;
constexpr int CardHeight = 101;
// Left edge of the PC's hand and of the table row, and the step between cards.
constexpr int RowLeft = 28;
constexpr int CardStep = 65;
// The table row is laid out while x stays below this: nine places.
constexpr int TableRowEnd = 613;
constexpr int PcHandY = 70;
constexpr int StockY = 70;
// The player's hand: its first card this far left of the right edge, its top
// this far above the bottom edge.
constexpr int PlayerHandFromRight = 305;
constexpr int PlayerHandFromBottom = 121;

// A table holds up to 13 cards, the first nine in the table row. The other four
// make a second row over the first four places, this much lower: they cover the
// lower part of those cards and leave their upper part, with the value and the
// suit in the corner, to read and to press, even with a card marked or raised.
// Nothing else fits the window: the player's hand and the status line take the
// space below the table row.
constexpr int ExtraRowDrop = 60;

constexpr int ButtonWidth = 100;
constexpr int ButtonHeight = 40;
constexpr int ButtonsFromRight = 128;

// The table row's y for a client area this high.
inline int TableRowYFor(int clientHeight) {
    return (clientHeight - PlayerHandFromBottom + 175) / 2 - 50;
}

}  // namespace MyGame
