// The board's geometry: which card position is which, and the four ways of
// counting the cards that the program uses.
//
//   position     0 to 19, a card position of the board; what the Board's calls
//                take. 0..2 the PC's hand, 3..5 the player's, 6..14 the first
//                nine table places, 15 the stock, 16..19 four more table places.
//   identifier   the number the view gives a position (the window's control id);
//                capture texts name table cards by it. It rises with the position.
//   table place  0 to 12, the index into TablePositions: the order every routine
//                reads the table in, the order cards are laid in.
//   hand index   0 to 2, a card's place within one side's hand.
//
// A table can never hold more than 13 cards: a card is laid only when no table
// card has its value, so besides up to four equal cards of the first deal there is
// at most one card of each other value. The four extra places come after the stock
// so that every position's identifier still rises with its index and the table's
// identifiers keep one digit count.
#pragma once

namespace MyGame {

enum class Side { Pc, Player };

constexpr int PositionCount = 20;
constexpr int HandSize = 3;
constexpr int PcHandFirst = 0;
constexpr int PlayerHandFirst = 3;
constexpr int StockPosition = 15;
constexpr int TableSize = 13;
// The table places in table order.
constexpr int TablePositions[TableSize] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19};

constexpr Side Other(Side side) {
    return side == Side::Pc ? Side::Player : Side::Pc;
}

constexpr int HandFirst(Side side) {
    return side == Side::Pc ? PcHandFirst : PlayerHandFirst;
}

// The position of a hand index of the side's hand.
constexpr int HandPosition(Side side, int index) {
    return HandFirst(side) + index;
}

constexpr bool IsPcHand(int position) {
    return position >= PcHandFirst && position < PcHandFirst + HandSize;
}

constexpr bool IsPlayerHand(int position) {
    return position >= PlayerHandFirst && position < PlayerHandFirst + HandSize;
}

constexpr bool IsHandPosition(int position) {
    return IsPcHand(position) || IsPlayerHand(position);
}

// One of the four table places after the stock, which only a crowded table uses;
// the idle board hides them.
constexpr bool IsExtraTablePosition(int position) {
    return position > StockPosition && position < PositionCount;
}

constexpr bool IsTablePosition(int position) {
    for (int table : TablePositions) {
        if (table == position) return true;
    }
    return false;
}

}  // namespace MyGame
