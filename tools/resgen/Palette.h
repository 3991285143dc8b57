#pragma once

#include "tools/resgen/Canvas.h"

#include <array>
#include <cstdint>

namespace ResGen {

// The sixteen colours of the card pictures (4 bits per pixel). Every card is
// drawn with these colours only, so reducing a card to its palette is exact.
namespace Pal {
constexpr std::array<std::uint32_t, 16> kColors = {
    0x1A1A1A,  // 0 outline: card border, symbol outlines, numerals
    0xFAF6EA,  // 1 ivory: card ground
    0xE6B422,  // 2 gold
    0x9C6A0E,  // 3 dark gold
    0xFFE68A,  // 4 light gold
    0xC8281E,  // 5 red
    0x7A1010,  // 6 dark red
    0x7C92AA,  // 7 steel: blades
    0xD0DCE8,  // 8 light steel
    0x2848A8,  // 9 blue
    0x16224E,  // 10 navy
    0x9A6430,  // 11 wood
    0x5A3414,  // 12 dark wood
    0x008000,  // 13 green: the table, seen through the corners; leaves
    0xF2C8A0,  // 14 skin
    0x8A8A8A,  // 15 grey
};
inline Rgba C(int index) { return Opaque(kColors[static_cast<std::size_t>(index)]); }
enum : int {
    Outline, Ivory, Gold, DarkGold, LightGold, Red, DarkRed, Steel, LightSteel,
    Blue, Navy, Wood, DarkWood, Green, Skin, Grey
};
}  // namespace Pal

// The palette index nearest to a colour (exact for the palette's own colours).
int NearestPaletteIndex(Rgba c);

}  // namespace ResGen
