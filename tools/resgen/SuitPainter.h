#pragma once

#include "tools/resgen/Canvas.h"

namespace ResGen {

enum class Suit { Coins, Cups, Swords, Clubs };

// The four suit symbols, each centred on (cx, cy) and `size` tall, in the card
// palette, without outline (the caller outlines the whole layer at once):
// gold discs, red goblets, blue-grey blades, wooden batons.
class SuitPainter {
public:
    static void Draw(Canvas& layer, Suit suit, double cx, double cy, double size);
    static void Coin(Canvas& layer, double cx, double cy, double size);
    static void Cup(Canvas& layer, double cx, double cy, double size);
    static void Sword(Canvas& layer, double cx, double cy, double size);
    static void Club(Canvas& layer, double cx, double cy, double size);
};

}  // namespace ResGen
