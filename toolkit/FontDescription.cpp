#include "toolkit/FontDescription.h"

#include "toolkit/Text.h"

namespace KTUtility {

FontDescription::FontDescription() : faceName(L"System") {}

FontDescription::FontDescription(const std::string& face, int fontHeight)
    : faceName(Widen(face)), height(fontHeight) {}

FontDescription::~FontDescription() {
    if (fontHandle) DeleteObject(fontHandle);
}

HFONT FontDescription::MakeFont() {
    if (!fontHandle) {
        fontHandle = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline, FALSE, DEFAULT_CHARSET,
                                 OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                 fixedPitch ? FIXED_PITCH : DEFAULT_PITCH, faceName.c_str());
    }
    return fontHandle;
}

}  // namespace KTUtility
