#include "tools/resgen/ArtPainter.h"

#include "tools/resgen/Palette.h"
#include "tools/resgen/StrokeFont.h"
#include "tools/resgen/SuitPainter.h"

namespace ResGen {

namespace {

constexpr int kSmooth = 4;  // pixels drawn per final pixel, each way

// The table cloth: the table's green, a shade darker towards the edges.
void Felt(Canvas& canvas, double width, double height) {
    canvas.FillGradient(0, 0, width, height / 2, Opaque(0x006A00), Opaque(0x008A00));
    canvas.FillGradient(0, height / 2, width, height, Opaque(0x008A00), Opaque(0x006A00));
}

void Frame(Canvas& canvas, double width, double height) {
    const Rgba gold = Pal::C(Pal::Gold), dark = Pal::C(Pal::DarkGold);
    canvas.FillRect(1, 1, width - 1, 2.5, gold);
    canvas.FillRect(1, height - 2.5, width - 1, height - 1, gold);
    canvas.FillRect(1, 1, 2.5, height - 1, gold);
    canvas.FillRect(width - 2.5, 1, width - 1, height - 1, gold);
    canvas.FillRect(1, 2.5, width - 1, 2.75, dark);
    canvas.FillRect(1, height - 1, width - 1, height - 0.75, dark);
}

}  // namespace

Canvas ArtPainter::Banner() {
    const double w = 200, h = 50;
    Canvas canvas(200, 50, kSmooth);
    Felt(canvas, w, h);
    Frame(canvas, w, h);
    // The name, centred: "Lurna" gold, "Game" ivory, on a drop shadow.
    const double unit = 2.5, weight = 1.5, spacing = 1.6, gap = 2.4;
    const double width = (StrokeFont::TextWidth("Lurna", spacing) + gap + StrokeFont::TextWidth("Game", spacing)) * unit;
    const double x = (w - width) / 2, y = (h - 10 * unit) / 2 - 1;
    Canvas lurna(200, 50, kSmooth), game(200, 50, kSmooth);
    StrokeFont::Draw(lurna, x, y, unit, weight, spacing, "Lurna", Pal::C(Pal::Gold));
    const double gameX = x + (StrokeFont::TextWidth("Lurna", spacing) + gap) * unit;
    StrokeFont::Draw(game, gameX, y, unit, weight, spacing, "Game", Pal::C(Pal::Ivory));
    for (Canvas* word : {&lurna, &game}) {
        canvas.ComposeShadow(*word, 7, 7, Opaque(0x004A00));
        canvas.Compose(*word, Pal::C(Pal::Outline), 4);
    }
    // A bright edge along the top of the gold letters.
    Canvas shine(200, 50, kSmooth);
    StrokeFont::Draw(shine, x, y - 0.35, unit, weight * 0.45, spacing, "Lurna", Pal::C(Pal::LightGold));
    for (int py = 0; py < canvas.Height(); ++py) {
        for (int px = 0; px < canvas.Width(); ++px) {
            if (shine.At(px, py).a != 0 && lurna.At(px, py + 2).a != 0 && py < (y + 6) * kSmooth) {
                canvas.Set(px, py, shine.At(px, py));
            }
        }
    }
    return canvas.Downsample();
}

Canvas ArtPainter::About() {
    const double w = 163, h = 50;
    Canvas canvas(163, 50, kSmooth);
    Felt(canvas, w, h);
    Frame(canvas, w, h);
    Canvas suits(163, 50, kSmooth);
    SuitPainter::Coin(suits, 25, 25, 30);
    SuitPainter::Cup(suits, 62, 25, 36);
    SuitPainter::Sword(suits, 100, 25, 38);
    SuitPainter::Club(suits, 137, 25, 36);
    canvas.ComposeShadow(suits, 6, 6, Opaque(0x004A00));
    canvas.Compose(suits, Pal::C(Pal::Outline), 3);
    return canvas.Downsample();
}

Canvas ArtPainter::Icon(int size) {
    const double s = size;
    Canvas canvas(size, size, kSmooth);
    // Two cards fanned: a red back behind an ivory face with a gold coin.
    Canvas back(size, size, kSmooth), face(size, size, kSmooth), coin(size, size, kSmooth);
    back.FillPolygon({{s * 0.32, s * 0.06}, {s * 0.86, s * 0.13}, {s * 0.76, s * 0.94}, {s * 0.22, s * 0.87}},
                     Pal::C(Pal::Red));
    const double edge = (1 + s / 48) * kSmooth;  // outline width: 1 pixel and a bit more as the icon grows
    canvas.Compose(back, Pal::C(Pal::Outline), edge);
    face.FillRect(s * 0.08, s * 0.12, s * 0.66, s * 0.96, Pal::C(Pal::Ivory));
    canvas.Compose(face, Pal::C(Pal::Outline), edge);
    SuitPainter::Coin(coin, s * 0.38, s * 0.545, s * 0.42);
    canvas.Compose(coin, Pal::C(Pal::Outline), edge * 0.75);
    return canvas.Downsample();
}

}  // namespace ResGen
