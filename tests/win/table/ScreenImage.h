// Pixels as a person sees them: a window's client area read back from the
// screen, or a bitmap's own pixels to compare with it; saved as a BMP file for
// a look afterwards.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace TableTest {

struct ScreenImage {
    int width = 0;
    int height = 0;
    // Top row first, 0x00RRGGBB.
    std::vector<std::uint32_t> pixels;

    COLORREF At(int x, int y) const;
    // A 24-bit BMP file; false when it cannot be written.
    bool Save(const std::string& path) const;
};

// The window's client area as the screen shows it now.
ScreenImage CaptureClient(HWND window);
ScreenImage ReadBitmap(HBITMAP bitmap);

}  // namespace TableTest
