// Bitmaps from files and from the program's own resources, as DIB sections.
#pragma once

#include <windows.h>

#include <string>

namespace KTUtility {

// Null when the file cannot be read as a bitmap.
HBITMAP LoadBitmapFile(const std::string& path);
// Null when the program has no such bitmap resource.
HBITMAP LoadBitmapResource(int number);

}  // namespace KTUtility
