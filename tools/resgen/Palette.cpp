#include "tools/resgen/Palette.h"

namespace ResGen {

int NearestPaletteIndex(Rgba c) {
    int best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < Pal::kColors.size(); ++i) {
        const Rgba p = Opaque(Pal::kColors[i]);
        const long dr = p.r - c.r, dg = p.g - c.g, db = p.b - c.b;
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace ResGen
