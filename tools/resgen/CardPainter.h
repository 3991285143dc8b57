#pragma once

#include "tools/resgen/Canvas.h"
#include "tools/resgen/SuitPainter.h"

namespace ResGen {

// The 63 by 101 card pictures in the card palette: the back and the forty
// faces (card number 1..40: 1..10 coins, 11..20 cups, 21..30 swords,
// 31..40 clubs; values 8, 9, 10 are the jack, the knight and the king).
class CardPainter {
public:
    static constexpr int kWidth = 63;
    static constexpr int kHeight = 101;

    static Canvas Back();
    static Canvas Face(int card);

private:
    static Canvas Blank(int ground);
    static void Corners(Canvas& card, Suit suit, int value);
    static void Pips(Canvas& card, Suit suit, int value);
    static void Jack(Canvas& layer, Suit suit);
    static void Knight(Canvas& layer, Suit suit);
    static void King(Canvas& layer, Suit suit);
};

}  // namespace ResGen
