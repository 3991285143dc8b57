#pragma once

#include "tools/resgen/Canvas.h"

#include <string>

namespace ResGen {

// The bold numerals of the card corners: 6 by 9 pixels each, one pixel apart.
class PixelFont {
public:
    static constexpr int kGlyphWidth = 6;
    static constexpr int kGlyphHeight = 9;

    static int TextWidth(const std::string& digits);
    // Draws the digits with their top left corner at (x, y).
    static void Draw(Canvas& canvas, int x, int y, const std::string& digits, Rgba color);
};

}  // namespace ResGen
