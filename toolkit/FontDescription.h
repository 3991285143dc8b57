// Face, height and style of a font; the font itself is made on first use and
// kept, and every element that points to the description shares it.
#pragma once

#include <windows.h>

#include <string>

namespace KTUtility {

class FontDescription {
public:
    FontDescription();
    FontDescription(const std::string& face, int fontHeight);
    ~FontDescription();
    FontDescription(const FontDescription&) = delete;
    FontDescription& operator=(const FontDescription&) = delete;

    // The font, made the first time; a failed creation is tried again next time.
    HFONT MakeFont();

    HFONT fontHandle = nullptr;
    std::wstring faceName;
    int height = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool fixedPitch = false;
};

}  // namespace KTUtility
