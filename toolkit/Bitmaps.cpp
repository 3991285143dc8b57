#include "toolkit/Bitmaps.h"

#include "toolkit/Text.h"

namespace KTUtility {

HBITMAP LoadBitmapFile(const std::string& path) {
    std::wstring wide = Widen(path);
    return static_cast<HBITMAP>(
        LoadImageW(nullptr, wide.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

HBITMAP LoadBitmapResource(int number) {
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number), IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION));
}

}  // namespace KTUtility
