// A picture: a static control that shows a bitmap from the program's resources
// or from a file, and takes mouse clicks.
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
    void Create() override;

    HBITMAP bitmap = nullptr;
    std::string filePath;
    int resourceNumber;
    bool border = false;

private:
    // Shows a freshly loaded bitmap and frees the one it replaces; a failed load
    // keeps the current picture.
    void ShowBitmap(HBITMAP loaded);
};

}  // namespace KTUtility
