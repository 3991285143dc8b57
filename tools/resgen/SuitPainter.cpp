#include "tools/resgen/SuitPainter.h"

#include "tools/resgen/Maths.h"
#include "tools/resgen/Palette.h"

#include <algorithm>
#include <vector>

namespace ResGen {

void SuitPainter::Draw(Canvas& layer, Suit suit, double cx, double cy, double size) {
    switch (suit) {
    case Suit::Coins: Coin(layer, cx, cy, size); break;
    case Suit::Cups: Cup(layer, cx, cy, size); break;
    case Suit::Swords: Sword(layer, cx, cy, size); break;
    case Suit::Clubs: Club(layer, cx, cy, size); break;
    }
}

void SuitPainter::Coin(Canvas& layer, double cx, double cy, double size) {
    const double r = size / 2;
    const double rim = std::max(1.0, size / 11);
    layer.FillEllipse(cx, cy, r, r, Pal::C(Pal::DarkGold));
    layer.FillEllipse(cx, cy, r - rim, r - rim, Pal::C(Pal::Gold));
    layer.FillEllipse(cx - r * 0.3, cy - r * 0.34, r * 0.34, r * 0.22, Pal::C(Pal::LightGold));
    if (size >= 12) {
        // A rosette: a ring of petals about a centre boss.
        if (size >= 22) {
            for (int k = 0; k < 8; ++k) {
                const double a = k * kPi / 4;
                layer.FillEllipse(cx + Cosine(a) * r * 0.55, cy + Sine(a) * r * 0.55, r * 0.12, r * 0.12,
                                  Pal::C(Pal::DarkGold));
            }
        }
        layer.FillEllipse(cx, cy, r * 0.34, r * 0.34, Pal::C(Pal::DarkGold));
        layer.FillEllipse(cx, cy, r * 0.2, r * 0.2, Pal::C(Pal::Red));
    } else {
        layer.FillEllipse(cx, cy, r * 0.3, r * 0.3, Pal::C(Pal::DarkGold));
    }
}

void SuitPainter::Cup(Canvas& layer, double cx, double cy, double size) {
    const double h = size, top = cy - h / 2;
    const double rx = 0.38 * h;
    // Bowl: the lower half of an ellipse hanging from the rim.
    std::vector<Point> bowl;
    for (int k = 0; k <= 12; ++k) {
        const double a = k * kPi / 12;
        bowl.push_back({cx + Cosine(a) * rx, top + 0.07 * h + Sine(a) * 0.42 * h});
    }
    layer.FillPolygon(bowl, Pal::C(Pal::Red));
    layer.FillEllipse(cx + rx * 0.45, top + 0.25 * h, rx * 0.22, 0.13 * h, Pal::C(Pal::DarkRed));
    layer.FillRect(cx - rx, top + 0.04 * h, cx + rx, top + 0.13 * h, Pal::C(Pal::Gold));
    layer.FillRect(cx - rx, top, cx + rx, top + 0.05 * h, Pal::C(Pal::LightGold));
    // Stem with a knot, then a spreading foot.
    const double stem = std::max(0.5, 0.05 * h);
    layer.FillRect(cx - stem, top + 0.45 * h, cx + stem, top + 0.84 * h, Pal::C(Pal::Gold));
    layer.FillEllipse(cx, top + 0.64 * h, 0.11 * h, 0.05 * h, Pal::C(Pal::Gold));
    layer.FillPolygon({{cx - stem, top + 0.8 * h}, {cx + stem, top + 0.8 * h}, {cx + 0.26 * h, top + 0.95 * h},
                       {cx + 0.26 * h, top + h}, {cx - 0.26 * h, top + h}, {cx - 0.26 * h, top + 0.95 * h}},
                      Pal::C(Pal::Gold));
    layer.FillRect(cx - 0.26 * h, top + 0.96 * h, cx + 0.26 * h, top + h, Pal::C(Pal::DarkGold));
}

void SuitPainter::Sword(Canvas& layer, double cx, double cy, double size) {
    const double h = size, top = cy - h / 2;
    const double half = std::max(1.5, 0.08 * h);
    const double guardY = top + 0.68 * h;
    // Blade, point up, with a bright fuller down its middle.
    layer.FillPolygon({{cx, top}, {cx + half, top + 2.2 * half}, {cx + half, guardY}, {cx - half, guardY},
                       {cx - half, top + 2.2 * half}},
                      Pal::C(Pal::Steel));
    layer.FillRect(cx - std::max(0.5, half * 0.3), top + 2.6 * half, cx + std::max(0.5, half * 0.3), guardY - 1,
                   Pal::C(Pal::LightSteel));
    // Cross guard with round ends, blue grip, gold pommel.
    const double guard = std::max(2.0, 0.07 * h);
    layer.FillRect(cx - 0.26 * h, guardY, cx + 0.26 * h, guardY + guard, Pal::C(Pal::Gold));
    layer.FillEllipse(cx - 0.26 * h, guardY + guard / 2, guard * 0.7, guard * 0.7, Pal::C(Pal::Gold));
    layer.FillEllipse(cx + 0.26 * h, guardY + guard / 2, guard * 0.7, guard * 0.7, Pal::C(Pal::Gold));
    const double grip = std::max(1.5, 0.06 * h);
    layer.FillRect(cx - grip, guardY + guard, cx + grip, top + 0.92 * h, Pal::C(Pal::Blue));
    layer.FillEllipse(cx, top + 0.93 * h, std::max(1.5, 0.07 * h), std::max(1.5, 0.07 * h), Pal::C(Pal::Gold));
}

void SuitPainter::Club(Canvas& layer, double cx, double cy, double size) {
    const double h = size, top = cy - h / 2;
    const double head = std::max(2.5, 0.15 * h);
    const double foot = std::max(1.5, 0.08 * h);
    const double knob = std::max(1.0, 0.055 * h);
    // Knobs where branches were lopped off, alternating sides.
    const double ys[] = {0.3, 0.5, 0.7};
    for (int k = 0; k < 3; ++k) {
        const double y = top + ys[k] * h;
        const double halfWidth = head + (foot - head) * (ys[k] * h - head) / (h - head);
        const double side = k % 2 == 0 ? -1 : 1;
        layer.FillEllipse(cx + side * halfWidth, y, knob * 1.2, knob, Pal::C(Pal::Wood));
    }
    // The baton: thick and rounded at the top, tapering to the grip.
    layer.FillPolygon({{cx - head, top + head}, {cx + head, top + head}, {cx + foot, top + h}, {cx - foot, top + h}},
                      Pal::C(Pal::Wood));
    layer.FillEllipse(cx, top + head, head, head, Pal::C(Pal::Wood));
    // Shade down the right side, a light gleam on the left, dark butt.
    layer.FillPolygon({{cx + head * 0.4, top + head}, {cx + head, top + head}, {cx + foot, top + h},
                       {cx + foot * 0.2, top + h}},
                      Pal::C(Pal::DarkWood));
    layer.FillEllipse(cx - head * 0.35, top + head * 0.85, head * 0.3, head * 0.4, Pal::C(Pal::Gold));
    layer.FillEllipse(cx, top + h - foot * 0.6, foot * 1.25, foot * 0.9, Pal::C(Pal::DarkWood));
    // A sprig of leaves at the top.
    layer.FillPolygon({{cx + head * 0.5, top + head * 0.9}, {cx + head * 1.1, top - head * 0.1},
                       {cx + head * 2.0, top - head * 0.4}, {cx + head * 1.7, top + head * 0.6}},
                      Pal::C(Pal::Green));
}

}  // namespace ResGen
