#include "tools/resgen/PixelFont.h"

namespace ResGen {

namespace {

const char* const kDigits[10][PixelFont::kGlyphHeight] = {
    {".####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", ".####."},
    {"..##..", ".###..", "####..", "..##..", "..##..", "..##..", "..##..", "..##..", "######"},
    {".####.", "##..##", "....##", "....##", "...##.", "..##..", ".##...", "##....", "######"},
    {".####.", "##..##", "....##", "....##", "..###.", "....##", "....##", "##..##", ".####."},
    {"...##.", "..###.", ".####.", "##.##.", "##.##.", "######", "...##.", "...##.", "...##."},
    {"######", "##....", "##....", "#####.", "....##", "....##", "....##", "##..##", ".####."},
    {".####.", "##..##", "##....", "#####.", "##..##", "##..##", "##..##", "##..##", ".####."},
    {"######", "....##", "....##", "...##.", "...##.", "..##..", "..##..", "..##..", "..##.."},
    {".####.", "##..##", "##..##", "##..##", ".####.", "##..##", "##..##", "##..##", ".####."},
    {".####.", "##..##", "##..##", "##..##", ".#####", "....##", "....##", "##..##", ".####."},
};

}  // namespace

int PixelFont::TextWidth(const std::string& digits) {
    return digits.empty() ? 0 : static_cast<int>(digits.size()) * (kGlyphWidth + 1) - 1;
}

void PixelFont::Draw(Canvas& canvas, int x, int y, const std::string& digits, Rgba color) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const auto& glyph = kDigits[digits[i] - '0'];
        const int left = static_cast<int>(i) * (kGlyphWidth + 1);
        for (int row = 0; row < kGlyphHeight; ++row) {
            for (int col = 0; col < kGlyphWidth; ++col) {
                if (glyph[row][col] != '#') {
                    continue;
                }
                canvas.Set(x + left + col, y + row, color);
            }
        }
    }
}

}  // namespace ResGen
