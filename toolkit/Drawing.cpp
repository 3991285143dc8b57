#include "toolkit/Drawing.h"

#include "toolkit/FontDescription.h"
#include "toolkit/GUIElement.h"
#include "toolkit/Text.h"

#include <algorithm>

namespace KTUtility {

namespace {

// Longest text WriteText draws, in code units.
constexpr std::size_t MaxText = 1023;

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

}  // namespace

Drawing::Drawing(GUIElement* target) : element(target) {}

Drawing::~Drawing() {
    End();
}

void Drawing::Begin() {
    deviceContext = BeginPaint(element->windowHandle, &paint);
}

void Drawing::Attach(HDC context) {
    external = true;
    deviceContext = context;
}

void Drawing::FillBox(int left, int top, int boxWidth, int boxHeight, COLORREF color) {
    if (!deviceContext) return;
    HPEN pen = CreatePen(PS_NULL, 1, 0);
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ oldPen = SelectObject(deviceContext, pen);
    HGDIOBJ oldBrush = SelectObject(deviceContext, brush);
    Rectangle(deviceContext, left, top, left + boxWidth, top + boxHeight);
    SelectObject(deviceContext, oldPen);
    SelectObject(deviceContext, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void Drawing::FrameBox(int left, int top, int boxWidth, int boxHeight, COLORREF color) {
    if (!deviceContext) return;
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ oldBrush = SelectObject(deviceContext, GetStockObject(NULL_BRUSH));
    HGDIOBJ oldPen = SelectObject(deviceContext, pen);
    Rectangle(deviceContext, left, top, left + boxWidth, top + boxHeight);
    SelectObject(deviceContext, oldPen);
    SelectObject(deviceContext, oldBrush);
    DeleteObject(pen);
}

void Drawing::WriteText(int left, int top, int boxWidth, int boxHeight, const std::wstring& value, COLORREF color,
                        TextAlignment alignment, FontDescription* textFont) {
    if (!deviceContext) return;
    SetBkMode(deviceContext, TRANSPARENT);
    std::wstring buffer = value.substr(0, std::min(value.size(), MaxText));
    UINT format = DT_LEFT;
    if (alignment == TextAlignment::Right) format = DT_RIGHT;
    if (alignment == TextAlignment::Center) format = DT_CENTER;
    if (boxWidth == 0 || boxHeight == 0) format |= DT_NOCLIP;
    RECT box{left, top, left + boxWidth, top + boxHeight};
    HGDIOBJ oldFont = textFont ? SelectObject(deviceContext, textFont->MakeFont()) : nullptr;
    COLORREF oldColor = SetTextColor(deviceContext, color);
    int length = static_cast<int>(buffer.size());
    if (boxWidth != 0 && boxHeight != 0) {
        DrawTextW(deviceContext, buffer.c_str(), length, &box, format);
    } else {
        TextOutW(deviceContext, left, top, buffer.c_str(), length);
    }
    SetTextColor(deviceContext, oldColor);
    if (textFont) SelectObject(deviceContext, oldFont);
}

void Drawing::WriteText(int left, int top, int boxWidth, int boxHeight, const std::string& value, COLORREF color,
                        TextAlignment alignment, FontDescription* textFont) {
    WriteText(left, top, boxWidth, boxHeight, Widen(value), color, alignment, textFont);
}

int Drawing::TextHeight(FontDescription* textFont) {
    if (!deviceContext || !textFont) return -1;
    HGDIOBJ oldFont = SelectObject(deviceContext, textFont->MakeFont());
    TEXTMETRICW metrics{};
    BOOL read = GetTextMetricsW(deviceContext, &metrics);
    SelectObject(deviceContext, oldFont);
    return read ? metrics.tmHeight : -1;
}

void Drawing::DrawTransparent(int left, int top, int boxWidth, int boxHeight, HBITMAP bitmap) {
    if (!deviceContext) return;
    HDC picture = CreateCompatibleDC(deviceContext);
    if (!picture) OnError();
    HDC mask = CreateCompatibleDC(deviceContext);
    if (!mask) OnError();
    BITMAP size{};
    GetObjectW(bitmap, sizeof(BITMAP), &size);
    HBITMAP maskBitmap = CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, nullptr);
    if (!maskBitmap) OnError();
    HGDIOBJ oldMask = SelectObject(mask, maskBitmap);
    HGDIOBJ oldPicture = SelectObject(picture, bitmap);

    // Black is the see-through colour: black pixels become white in the mask.
    SetBkColor(picture, Black);
    BitBlt(mask, 0, 0, size.bmWidth, size.bmHeight, picture, 0, 0, SRCCOPY);

    // A one-bit mask takes the surface's text colour for its 0 bits and its
    // background colour for its 1 bits: make them black and white whatever the
    // surface was set to, so the mask cuts exactly the opaque pixels.
    COLORREF oldText = SetTextColor(deviceContext, Black);
    COLORREF oldBack = SetBkColor(deviceContext, White);
    BOOL maskDone;
    BOOL pictureDone;
    if (boxWidth != 0 && boxHeight != 0) {
        maskDone = StretchBlt(deviceContext, left, top, boxWidth, boxHeight, mask, 0, 0, size.bmWidth, size.bmHeight,
                              SRCAND);
        pictureDone = StretchBlt(deviceContext, left, top, boxWidth, boxHeight, picture, 0, 0, size.bmWidth,
                                 size.bmHeight, SRCPAINT);
    } else {
        maskDone = BitBlt(deviceContext, left, top, size.bmWidth, size.bmHeight, mask, 0, 0, SRCAND);
        pictureDone = BitBlt(deviceContext, left, top, size.bmWidth, size.bmHeight, picture, 0, 0, SRCPAINT);
    }
    SetTextColor(deviceContext, oldText);
    SetBkColor(deviceContext, oldBack);
    if (!maskDone || !pictureDone) OnError();

    SelectObject(mask, oldMask);
    SelectObject(picture, oldPicture);
    DeleteObject(maskBitmap);
    DeleteDC(mask);
    DeleteDC(picture);
}

void Drawing::End() {
    if (external) {
        deviceContext = nullptr;
        external = false;
    } else if (deviceContext) {
        EndPaint(element->windowHandle, &paint);
        deviceContext = nullptr;
    }
}

void Drawing::OnError() {
    GetLastError();
}

}  // namespace KTUtility
