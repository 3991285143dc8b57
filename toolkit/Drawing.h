// A drawing surface bound to one element for the length of one paint: begun on
// the element's window or attached to a device context that the caller owns.
#pragma once

#include <windows.h>

#include <string>

namespace KTUtility {

class GUIElement;
class FontDescription;

enum class TextAlignment { Left, Right, Center };

class Drawing {
public:
    explicit Drawing(GUIElement* target);
    virtual ~Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    void Begin();
    void Attach(HDC context);
    void FillBox(int left, int top, int boxWidth, int boxHeight, COLORREF color);
    void FrameBox(int left, int top, int boxWidth, int boxHeight, COLORREF color);
    // Text in a box, cut to its first 1023 code units. A box of zero width or
    // height writes the text at (left, top) without clipping.
    void WriteText(int left, int top, int boxWidth, int boxHeight, const std::wstring& value,
                   COLORREF color, TextAlignment alignment, FontDescription* textFont);
    void WriteText(int left, int top, int boxWidth, int boxHeight, const std::string& value,
                   COLORREF color, TextAlignment alignment, FontDescription* textFont);
    // The font's cell height in pixels, or -1.
    int TextHeight(FontDescription* textFont);
    // The bitmap with black see-through, at its own size when the box is empty,
    // else stretched to it.
    void DrawTransparent(int left, int top, int boxWidth, int boxHeight, HBITMAP bitmap);
    void End();

    // Called after a failed GDI call of DrawTransparent; painting goes on.
    virtual void OnError();

    GUIElement* element;
    HDC deviceContext = nullptr;
    bool external = false;
    PAINTSTRUCT paint{};
};

}  // namespace KTUtility
