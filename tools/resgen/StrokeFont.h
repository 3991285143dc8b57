#pragma once

#include "tools/resgen/Canvas.h"

#include <string>

namespace ResGen {

// A rounded sans-serif drawn as thick strokes: enough letters for the
// program's name. Glyphs are 10 units tall from cap line to base line.
class StrokeFont {
public:
    // Width in units of the text, letters `spacing` units apart.
    static double TextWidth(const std::string& text, double spacing);
    // Draws the text with its top left at (x, y); `unit` logical units per
    // glyph unit, strokes `weight` glyph units wide.
    static void Draw(Canvas& canvas, double x, double y, double unit, double weight, double spacing,
                     const std::string& text, Rgba color);
};

}  // namespace ResGen
