#include "tools/resgen/CardPainter.h"

#include "tools/resgen/Palette.h"
#include "tools/resgen/PixelFont.h"

#include <string>
#include <vector>

namespace ResGen {

namespace {

constexpr double kMidX = CardPainter::kWidth / 2.0;
constexpr double kMidY = CardPainter::kHeight / 2.0;
constexpr int kSettebello = 7;

// The colour that the corner numerals and the figures' clothes take per suit.
int IndexColor(Suit suit) {
    switch (suit) {
    case Suit::Coins: return Pal::DarkGold;
    case Suit::Cups: return Pal::Red;
    case Suit::Swords: return Pal::Blue;
    case Suit::Clubs: return Pal::Green;
    }
    return Pal::Outline;
}

struct Garment {
    int main;    // tunic, robe, saddle cloth
    int second;  // hose, sleeves, trim
};

Garment GarmentOf(Suit suit) {
    switch (suit) {
    case Suit::Coins: return {Pal::Red, Pal::Blue};
    case Suit::Cups: return {Pal::Blue, Pal::Red};
    case Suit::Swords: return {Pal::Green, Pal::Red};
    case Suit::Clubs: return {Pal::DarkRed, Pal::Blue};
    }
    return {Pal::Red, Pal::Blue};
}

// How tall a suit symbol is drawn when `count` of them share a card.
double PipSize(Suit suit, int count) {
    const bool round = suit == Suit::Coins;
    if (count == 1) {
        return round ? 35 : 64;
    }
    if (count <= 3) {
        return round ? 19 : 27;
    }
    if (count <= 5) {
        return round ? 17 : 23;
    }
    if (count == 6) {
        return round ? 15 : 20;
    }
    return round ? 14 : 19;
}

std::vector<Point> PipPlaces(int count) {
    const double l = 19.5, r = 43.5;
    switch (count) {
    case 1: return {{kMidX, kMidY}};
    case 2: return {{kMidX, 28}, {kMidX, 73}};
    case 3: return {{kMidX, 20}, {kMidX, kMidY}, {kMidX, 81}};
    case 4: return {{l, 27}, {r, 27}, {l, 74}, {r, 74}};
    case 5: return {{l, 24}, {r, 24}, {kMidX, kMidY}, {l, 77}, {r, 77}};
    case 6: return {{l, 20}, {r, 20}, {l, kMidY}, {r, kMidY}, {l, 81}, {r, 81}};
    default: return {{l - 5, 22}, {r + 5, 22}, {l - 5, kMidY}, {kMidX, kMidY}, {r + 5, kMidY}, {l - 5, 79}, {r + 5, 79}};
    }
}

}  // namespace

Canvas CardPainter::Blank(int ground) {
    Canvas card(kWidth, kHeight);
    card.Fill(Pal::C(Pal::Outline));
    card.FillRect(1, 1, kWidth - 1, kHeight - 1, Pal::C(ground));
    // Rounded corners show the table through them.
    const Rgba table = Pal::C(Pal::Green);
    for (int x : {0, kWidth - 1}) {
        for (int y : {0, kHeight - 1}) {
            const int ix = x == 0 ? 1 : -1, iy = y == 0 ? 1 : -1;
            card.Set(x, y, table);
            card.Set(x + ix, y, table);
            card.Set(x, y + iy, table);
            card.Set(x + ix, y + iy, Pal::C(Pal::Outline));
        }
    }
    return card;
}

Canvas CardPainter::Back() {
    Canvas card = Blank(Pal::Ivory);
    const int x0 = 4, y0 = 4, x1 = kWidth - 4, y1 = kHeight - 4;
    card.FillRect(x0 - 1, y0 - 1, x1 + 1, y1 + 1, Pal::C(Pal::DarkRed));
    card.FillRect(x0, y0, x1, y1, Pal::C(Pal::Red));
    // A lattice of diamonds with gold studs where the lines cross.
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const int u = (x - x0 + y - y0) % 8, v = (x - x0 - (y - y0) + 800) % 8;
            if (u == 0 || v == 0) {
                card.Set(x, y, Pal::C(Pal::DarkRed));
            }
            if (u == 4 && v == 4) {
                card.Set(x, y, Pal::C(Pal::LightGold));
            }
        }
    }
    return card;
}

Canvas CardPainter::Face(int card) {
    const Suit suit = static_cast<Suit>((card - 1) / 10);
    const int value = (card - 1) % 10 + 1;
    Canvas face = Blank(Pal::Ivory);
    if (card == kSettebello) {
        face.FillRect(2, 2, kWidth - 2, kHeight - 2, Pal::C(Pal::Red));
        face.FillRect(3, 3, kWidth - 3, kHeight - 3, Pal::C(Pal::Ivory));
    }
    Canvas layer(kWidth, kHeight);
    if (value <= 7) {
        Pips(layer, suit, value);
    } else if (value == 8) {
        Jack(layer, suit);
    } else if (value == 9) {
        Knight(layer, suit);
    } else {
        King(layer, suit);
    }
    face.Compose(layer, Pal::C(Pal::Outline), 1);
    Corners(face, suit, value);
    return face;
}

void CardPainter::Corners(Canvas& card, Suit suit, int value) {
    const std::string text = std::to_string(value);
    const int width = PixelFont::TextWidth(text);
    const Rgba color = Pal::C(IndexColor(suit));
    PixelFont::Draw(card, 4, 4, text, color);
    PixelFont::Draw(card, kWidth - 4 - width, kHeight - 4 - PixelFont::kGlyphHeight, text, color);
}

void CardPainter::Pips(Canvas& layer, Suit suit, int value) {
    const double size = PipSize(suit, value);
    for (const Point& p : PipPlaces(value)) {
        SuitPainter::Draw(layer, suit, p.x, p.y, size);
    }
}

void CardPainter::Jack(Canvas& layer, Suit suit) {
    const Garment g = GarmentOf(suit);
    // Legs in parti-coloured hose, shoes.
    layer.FillRect(25, 64, 30, 90, Pal::C(g.second));
    layer.FillRect(33, 64, 38, 90, Pal::C(g.main));
    layer.FillEllipse(26.5, 91, 4.5, 2.5, Pal::C(Pal::DarkWood));
    layer.FillEllipse(36.5, 91, 4.5, 2.5, Pal::C(Pal::DarkWood));
    // Tunic with a belt.
    layer.FillPolygon({{22, 37}, {41, 37}, {45, 68}, {18, 68}}, Pal::C(g.main));
    layer.FillRect(20, 52, 43, 55, Pal::C(Pal::DarkWood));
    layer.FillRect(30, 52, 33, 55, Pal::C(Pal::Gold));
    layer.FillRect(19, 65, 45, 68, Pal::C(Pal::Gold));
    // Left arm hanging, right arm lifting the suit symbol.
    layer.FillPolygon({{22, 37}, {18, 40}, {15, 60}, {19, 60}, {23, 44}}, Pal::C(g.second));
    layer.FillEllipse(17, 61.5, 2.5, 2.5, Pal::C(Pal::Skin));
    layer.FillPolygon({{40, 37}, {44, 39}, {48, 50}, {45, 52}, {40, 44}}, Pal::C(g.second));
    // Head, hair and a feathered cap.
    layer.FillRect(29, 33, 34, 38, Pal::C(Pal::Skin));
    layer.FillEllipse(kMidX, 28, 6, 7, Pal::C(Pal::Skin));
    layer.FillEllipse(kMidX, 24, 6.5, 4, Pal::C(Pal::DarkWood));
    layer.FillRect(25, 24, 38, 26, Pal::C(Pal::Skin));
    layer.FillEllipse(kMidX, 21, 9, 3.5, Pal::C(g.main));
    layer.Stroke({{37, 20}, {42, 15}, {45, 14}}, 2, Pal::C(Pal::LightGold));
    layer.Set(29, 28, Pal::C(Pal::Outline));
    layer.Set(33, 28, Pal::C(Pal::Outline));
    layer.FillRect(30, 32, 33, 33, Pal::C(Pal::Red));
    layer.FillRect(26, 36, 37, 38, Pal::C(Pal::Ivory));
    SuitPainter::Draw(layer, suit, 48, suit == Suit::Coins ? 46 : 42, suit == Suit::Coins ? 14 : 22);
    layer.FillEllipse(47, 51, 2.5, 2.5, Pal::C(Pal::Skin));
}

void CardPainter::Knight(Canvas& layer, Suit suit) {
    const Garment g = GarmentOf(suit);
    const Rgba horse = Pal::C(Pal::Wood);
    // Horse facing left: tail, legs, body, neck and head.
    layer.Stroke({{50, 62}, {54, 70}, {54, 78}}, 3, Pal::C(Pal::DarkWood));
    for (double x : {18.0, 24.0, 41.0, 47.0}) {
        layer.FillRect(x - 1.5, 68, x + 1.5, 90, horse);
        layer.FillRect(x - 2, 89, x + 2, 92, Pal::C(Pal::Outline));
    }
    layer.FillEllipse(33, 64, 18, 9, horse);
    layer.FillPolygon({{16, 62}, {26, 60}, {21, 46}, {14, 42}, {10, 44}}, horse);
    layer.FillPolygon({{14, 42}, {8, 46}, {5, 52}, {9, 54}, {13, 50}, {18, 48}}, horse);
    layer.FillPolygon({{14, 41}, {16, 37}, {17, 42}}, horse);
    layer.Stroke({{16, 43}, {21, 47}, {24, 55}}, 2.5, Pal::C(Pal::DarkWood));
    layer.Set(12, 46, Pal::C(Pal::Outline));
    // Saddle cloth.
    layer.FillPolygon({{26, 56}, {42, 56}, {44, 72}, {24, 72}}, Pal::C(g.main));
    layer.FillRect(24, 70, 44, 73, Pal::C(Pal::Gold));
    // Rider: leg, body, arm raised with the suit symbol, helmeted head.
    layer.FillPolygon({{30, 54}, {36, 54}, {33, 74}, {28, 74}}, Pal::C(g.second));
    layer.FillRect(27, 73, 34, 77, Pal::C(Pal::DarkWood));
    layer.FillPolygon({{28, 36}, {39, 36}, {40, 58}, {27, 58}}, Pal::C(g.main));
    layer.FillPolygon({{38, 37}, {42, 36}, {47, 30}, {49, 33}, {43, 41}}, Pal::C(g.second));
    layer.FillEllipse(33.5, 29, 5, 6, Pal::C(Pal::Skin));
    layer.FillEllipse(33.5, 25, 5.5, 4, Pal::C(Pal::Steel));
    layer.FillRect(28, 25, 39, 27, Pal::C(Pal::Steel));
    layer.Stroke({{33, 21}, {30, 16}, {26, 15}}, 2.5, Pal::C(Pal::Red));
    layer.Set(31, 29, Pal::C(Pal::Outline));
    SuitPainter::Draw(layer, suit, 50, suit == Suit::Coins ? 24 : 22, suit == Suit::Coins ? 14 : 22);
    layer.FillEllipse(48.5, 31, 2.5, 2.5, Pal::C(Pal::Skin));
}

void CardPainter::King(Canvas& layer, Suit suit) {
    const Garment g = GarmentOf(suit);
    // Long robe to the ground with an ermine front and hem.
    layer.FillPolygon({{21, 40}, {42, 40}, {45, 87}, {18, 87}}, Pal::C(g.main));
    layer.FillPolygon({{29, 42}, {34, 42}, {36, 87}, {27, 87}}, Pal::C(Pal::Ivory));
    layer.FillRect(18, 83, 45, 87, Pal::C(Pal::Ivory));
    for (const Point& p : std::vector<Point>{{30, 50}, {33, 60}, {30, 70}, {33, 78}, {22, 84}, {40, 84}}) {
        layer.FillRect(p.x, p.y, p.x + 1, p.y + 2, Pal::C(Pal::Outline));
    }
    // Sleeves, hands and the suit symbol held before him.
    layer.FillPolygon({{21, 41}, {15, 46}, {14, 62}, {19, 62}, {22, 48}}, Pal::C(g.second));
    layer.FillEllipse(16.5, 63, 2.5, 2.5, Pal::C(Pal::Skin));
    layer.Stroke({{16.5, 44}, {16.5, 74}}, 2, Pal::C(Pal::Gold));
    layer.FillEllipse(16.5, 43, 2.5, 2.5, Pal::C(Pal::Gold));
    layer.FillPolygon({{41, 41}, {47, 46}, {48, 56}, {44, 57}, {41, 48}}, Pal::C(g.second));
    // Ermine collar, head, grey beard, golden crown.
    layer.FillEllipse(kMidX, 40, 12, 4, Pal::C(Pal::Ivory));
    layer.FillEllipse(kMidX, 29, 6, 7, Pal::C(Pal::Skin));
    layer.FillPolygon({{25.5, 29}, {37.5, 29}, {36, 38}, {kMidX, 42}, {27, 38}}, Pal::C(Pal::Grey));
    layer.FillRect(29, 33, 34, 34, Pal::C(Pal::Red));
    layer.Set(29, 28, Pal::C(Pal::Outline));
    layer.Set(33, 28, Pal::C(Pal::Outline));
    layer.FillPolygon({{24, 25}, {24, 15}, {27.5, 19}, {kMidX, 13}, {35.5, 19}, {39, 15}, {39, 25}},
                      Pal::C(Pal::Gold));
    layer.FillRect(24, 22, 39, 25, Pal::C(Pal::DarkGold));
    layer.Set(31, 23, Pal::C(Pal::Red));
    layer.Set(27, 23, Pal::C(Pal::Blue));
    layer.Set(35, 23, Pal::C(Pal::Blue));
    SuitPainter::Draw(layer, suit, 47, suit == Suit::Coins ? 64 : 62, suit == Suit::Coins ? 14 : 22);
    layer.FillEllipse(46, 58, 2.5, 2.5, Pal::C(Pal::Skin));
}

}  // namespace ResGen
