#include "toolkit/CellControl.h"

#include "toolkit/Drawing.h"
#include "toolkit/FontDescription.h"
#include "toolkit/Text.h"

namespace KTUtility {

namespace {

// Gap between a picture and the cell's left or right edge.
constexpr int PictureMargin = 3;

}  // namespace

CellControl::CellControl(GUIElement* parentElement) : PanelChildren(parentElement) {
    tabStop = false;
}

void CellControl::SetText(const std::wstring& value) {
    GUIElement::SetText(value);
    Invalidate();
}

void CellControl::SetText(const std::string& value) {
    SetText(Widen(value));
}

void CellControl::SetTextColor(COLORREF color) {
    textColor = color;
    Invalidate();
}

void CellControl::SetTextAlignment(TextAlignment alignment) {
    textAlignment = alignment;
    Invalidate();
}

void CellControl::SetPicture(HBITMAP bitmap, int drawnWidth, int drawnHeight) {
    picture = bitmap;
    pictureWidth = drawnWidth;
    pictureHeight = drawnHeight;
}

void CellControl::Invalidate() {
    if (created && windowHandle) InvalidateRect(windowHandle, nullptr, TRUE);
}

void CellControl::OnPaint() {
    RECT client{};
    if (created && windowHandle && GetClientRect(windowHandle, &client)) PaintContents();
    // Only the owner's callback is left to run: the base must not paint the
    // back colour over the cell.
    bool backColorFlag = customBackColor;
    customBackColor = false;
    GUIElement::OnPaint();
    customBackColor = backColorFlag;
}

void CellControl::PaintContents() {
    FontDescription cellFont(fontFace, fontHeight);
    cellFont.bold = bold;
    cellFont.underline = underline;
    cellFont.italic = italic;
    FontDescription* textFont = font ? font : &cellFont;

    Drawing surface(this);
    surface.Begin();
    RECT client{};
    GetClientRect(windowHandle, &client);
    int clientWidth = client.right;
    int clientHeight = client.bottom;
    if (customBackColor) surface.FillBox(0, 0, clientWidth, clientHeight, backColor);

    int lineHeight = surface.TextHeight(textFont);
    if (!text.empty()) {
        int top = (clientHeight - lineHeight) / 2;
        surface.WriteText(0, top, clientWidth, clientHeight - top, text, textColor, textAlignment, textFont);
    }
    if (marker) {
        surface.WriteText(clientWidth - lineHeight, clientHeight - lineHeight, lineHeight, lineHeight, L"*",
                          textColor, TextAlignment::Center, textFont);
    }
    if (picture) {
        int left = PictureMargin;
        if (pictureAlignment == PictureAlignment::Right) left = clientWidth - pictureWidth - PictureMargin;
        if (pictureAlignment == PictureAlignment::Centre) left = (clientWidth - pictureWidth) / 2;
        int top = (clientHeight - pictureHeight) / 2;
        surface.DrawTransparent(left, top, pictureWidth, pictureHeight, picture);
    }
    surface.End();
}

}  // namespace KTUtility
