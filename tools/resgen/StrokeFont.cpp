#include "tools/resgen/StrokeFont.h"

#include <vector>

namespace ResGen {

namespace {

struct Glyph {
    char letter;
    double width;
    std::vector<std::vector<Point>> strokes;
};

const std::vector<Glyph>& Glyphs() {
    static const std::vector<Glyph> glyphs = {
        {'L', 5.6, {{{0, 0}, {0, 10}, {5.6, 10}}}},
        {'G', 7.2,
         {{{6.8, 2.0}, {5.9, 0.7}, {4.6, 0.05}, {3.4, 0}, {2.0, 0.4}, {0.9, 1.4}, {0.2, 3.0}, {0, 5.0},
           {0.2, 7.0}, {0.9, 8.6}, {2.0, 9.6}, {3.4, 10}, {4.8, 9.9}, {6.1, 9.3}, {7.2, 8.3}, {7.2, 5.6},
           {4.2, 5.6}}}},
        {'u', 5.4,
         {{{0, 3.2}, {0, 8.0}, {0.5, 9.3}, {1.5, 9.95}, {2.8, 10}, {4.0, 9.6}, {5.0, 8.6}},
          {{5.2, 3.2}, {5.2, 10}}}},
        {'r', 3.9, {{{0, 3.2}, {0, 10}}, {{0, 6.2}, {0.6, 4.6}, {1.5, 3.6}, {2.5, 3.15}, {3.3, 3.2}}}},
        {'n', 5.4,
         {{{0, 3.2}, {0, 10}},
          {{0, 5.4}, {1.0, 3.9}, {2.2, 3.2}, {3.5, 3.2}, {4.6, 3.8}, {5.2, 5.0}, {5.2, 10}}}},
        {'a', 5.4,
         {{{0.5, 4.0}, {1.6, 3.3}, {2.9, 3.15}, {4.2, 3.5}, {5.0, 4.5}, {5.2, 5.6}, {5.2, 10}},
          {{5.2, 6.3}, {2.6, 6.3}, {1.2, 6.7}, {0.2, 7.6}, {0.2, 8.9}, {1.2, 9.85}, {2.7, 10}, {4.1, 9.5},
           {5.2, 8.4}}}},
        {'m', 8.2,
         {{{0, 3.2}, {0, 10}},
          {{0, 5.0}, {0.8, 3.7}, {1.9, 3.15}, {3.0, 3.4}, {3.8, 4.4}, {4.1, 5.6}, {4.1, 10}},
          {{4.1, 5.4}, {4.8, 3.8}, {5.9, 3.15}, {7.0, 3.4}, {7.9, 4.4}, {8.2, 5.6}, {8.2, 10}}}},
        {'e', 5.6,
         {{{0.2, 6.5}, {5.5, 6.5}, {5.4, 5.2}, {4.8, 4.0}, {3.8, 3.3}, {2.6, 3.15}, {1.4, 3.6},
           {0.5, 4.6}, {0.05, 6.0}, {0.1, 7.6}, {0.7, 9.0}, {1.8, 9.85}, {3.2, 10}, {4.4, 9.7}, {5.4, 9.0}}}},
    };
    return glyphs;
}

const Glyph* Find(char letter) {
    for (const Glyph& glyph : Glyphs()) {
        if (glyph.letter == letter) {
            return &glyph;
        }
    }
    return nullptr;
}

}  // namespace

double StrokeFont::TextWidth(const std::string& text, double spacing) {
    double width = 0;
    for (char letter : text) {
        if (const Glyph* glyph = Find(letter)) {
            width += glyph->width + spacing;
        }
    }
    return text.empty() ? 0 : width - spacing;
}

void StrokeFont::Draw(Canvas& canvas, double x, double y, double unit, double weight, double spacing,
                      const std::string& text, Rgba color) {
    for (char letter : text) {
        const Glyph* glyph = Find(letter);
        if (glyph == nullptr) {
            continue;
        }
        for (const auto& stroke : glyph->strokes) {
            std::vector<Point> points;
            for (const Point& p : stroke) {
                points.push_back({x + p.x * unit, y + p.y * unit});
            }
            canvas.Stroke(points, weight * unit, color);
        }
        x += (glyph->width + spacing) * unit;
    }
}

}  // namespace ResGen
