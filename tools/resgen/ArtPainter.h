#pragma once

#include "tools/resgen/Canvas.h"

namespace ResGen {

// The 24-bit pictures and the icon, drawn large and shrunk for smooth edges.
class ArtPainter {
public:
    // 200 by 50: the name on a strip of the green table.
    static Canvas Banner();
    // 163 by 50: the four suits in a gold frame on the table green.
    static Canvas About();
    // `size` square, transparent around a card showing a gold coin.
    static Canvas Icon(int size);
};

}  // namespace ResGen
