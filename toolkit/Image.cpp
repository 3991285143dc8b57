#include "toolkit/Image.h"

#include "toolkit/Bitmaps.h"
#include "toolkit/WindowProcedure.h"

namespace KTUtility {

namespace {

// The frame's rings from the outside in: dark, three of the colour, dark.
constexpr int FrameRings = 5;

// A true-colour copy of the picture with the frame drawn in; the picture is
// freed. A copy, because a picture with a palette would turn the frame's colour
// into the nearest of its own.
HBITMAP FramedCopy(HBITMAP bitmap, COLORREF color) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info)) return bitmap;
    const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP framed = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!framed) return bitmap;
    HDC source = CreateCompatibleDC(nullptr);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ old = SelectObject(memory, framed);
    BitBlt(memory, 0, 0, info.bmWidth, height, source, 0, 0, SRCCOPY);
    SelectObject(source, oldSource);
    DeleteDC(source);
    DeleteObject(bitmap);
    RECT ring{0, 0, info.bmWidth, height};
    for (int i = 0; i < FrameRings; ++i) {
        const bool dark = i == 0 || i == FrameRings - 1;
        HBRUSH brush = CreateSolidBrush(dark ? RGB(0, 0, 0) : color);
        FrameRect(memory, &ring, brush);
        DeleteObject(brush);
        InflateRect(&ring, -1, -1);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    return framed;
}

}  // namespace

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

HBITMAP Image::LoadPicture() const {
    HBITMAP loaded = resourceNumber == -1 ? LoadBitmapFile(filePath) : LoadBitmapResource(resourceNumber);
    return loaded && frameColor != NoColor ? FramedCopy(loaded, frameColor) : loaded;
}

void Image::SetBitmapResource(int number) {
    filePath.clear();
    resourceNumber = number;
    if (created && number > 0) ShowBitmap(LoadPicture());
}

void Image::SetBitmapFile(const std::string& path) {
    filePath = path;
    resourceNumber = -1;
    if (created && !path.empty()) ShowBitmap(LoadPicture());
}

void Image::SetFrameColor(COLORREF color) {
    if (color == frameColor) return;
    frameColor = color;
    const bool hasPicture = resourceNumber == -1 ? !filePath.empty() : resourceNumber > 0;
    if (created && hasPicture) ShowBitmap(LoadPicture());
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
