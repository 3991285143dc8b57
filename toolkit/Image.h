// A picture: a static control that shows a bitmap from the program's resources
// or from a file, and takes mouse clicks. A frame drawn over its edge can mark
// it, as the keyboard's focus.
#pragma once

#include "toolkit/Child.h"

#include <string>

namespace KTUtility {

class Image : public Child {
public:
    Image(GUIElement* parentElement, int resource);
    ~Image() override;

    void SetBitmapResource(int number);
    void SetBitmapFile(const std::string& path);
    // The frame's colour, or NoColor for none: a band of it between two thin
    // dark lines, inside the picture's edge, so that it reads on light and dark
    // pictures alike.
    void SetFrameColor(COLORREF color);
    void Create() override;

    // The bitmap shown, with the frame drawn in when there is one.
    HBITMAP bitmap = nullptr;
    std::string filePath;
    int resourceNumber;
    bool border = false;
    COLORREF frameColor = NoColor;

private:
    // The resource's or the file's bitmap, framed when a frame is set; null
    // when it cannot be loaded.
    HBITMAP LoadPicture() const;
    // Shows a freshly loaded bitmap and frees the one it replaces; a failed load
    // keeps the current picture.
    void ShowBitmap(HBITMAP loaded);
};

}  // namespace KTUtility
