#pragma once

// 16 x 16, 24 bits: the top-left 8 x 8 quarter black, the rest RGB(200, 30, 60).
#define BITMAP_QUARTER 1201
// 8 x 4, 24 bits, all RGB(20, 40, 220).
#define BITMAP_BLUE 1202
// 32 x 32, all RGB(0, 180, 0), opaque.
#define ICON_GREEN 1205
