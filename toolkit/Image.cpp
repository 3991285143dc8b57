#include "toolkit/Image.h"

#include "toolkit/Bitmaps.h"
#include "toolkit/WindowProcedure.h"

namespace KTUtility {

Image::Image(GUIElement* parentElement, int resource) : Child(parentElement), resourceNumber(resource) {
    typeName = "image";
    textInWindow = false;
}

Image::~Image() {
    if (!bitmap) return;
    // A window that outlives the image must not keep painting a freed bitmap.
    if (windowHandle && !destroyed && IsWindow(windowHandle)) {
        auto returned = reinterpret_cast<HBITMAP>(SendMessageW(windowHandle, STM_SETIMAGE, IMAGE_BITMAP, 0));
        if (returned && returned != bitmap) DeleteObject(returned);
    }
    DeleteObject(bitmap);
}

void Image::ShowBitmap(HBITMAP loaded) {
    if (!loaded) {
        GetLastError();
        return;
    }
    HBITMAP old = bitmap;
    bitmap = loaded;
    auto returned = reinterpret_cast<HBITMAP>(
        SendMessageW(windowHandle, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    if (old) DeleteObject(old);
    // The control may hand back a copy of the old picture that it made itself.
    if (returned && returned != old && returned != bitmap) DeleteObject(returned);
}

void Image::SetBitmapResource(int number) {
    filePath.clear();
    resourceNumber = number;
    if (created && number > 0) ShowBitmap(LoadBitmapResource(number));
}

void Image::SetBitmapFile(const std::string& path) {
    filePath = path;
    resourceNumber = -1;
    if (created && !path.empty()) ShowBitmap(LoadBitmapFile(path));
}

void Image::Create() {
    if (created) return;
    DWORD style = WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_NOTIFY;
    if (!enabled) style |= WS_DISABLED;
    DWORD extended = 0;
    if (border) {
        style |= WS_BORDER;
        extended = WS_EX_CLIENTEDGE;
    }
    HWND window = CreateControlWindow(extended, L"static", style);
    // Unlike the other controls, a failed image stays uncreated.
    if (!window) return;
    windowHandle = window;
    created = true;
    if (resourceNumber == -1) {
        SetBitmapFile(filePath);
    } else {
        SetBitmapResource(resourceNumber);
    }
    SubclassControl(*this);
    AttachTooltipAndFont();
}

}  // namespace KTUtility
