// A panel that paints itself: one line of text in a font, colour and alignment
// of its own, an optional picture and an optional "*" marker in the corner.
#pragma once

#include "toolkit/Drawing.h"
#include "toolkit/PanelChildren.h"

#include <string>

namespace KTUtility {

enum class PictureAlignment { Left, Right, Centre };

class CellControl : public PanelChildren {
public:
    explicit CellControl(GUIElement* parentElement);

    // Both store the text and repaint the cell.
    void SetText(const std::wstring& value) override;
    void SetText(const std::string& value) override;
    void OnPaint() override;

    // These repaint a created cell.
    void SetTextColor(COLORREF color);
    void SetTextAlignment(TextAlignment alignment);
    // Not owned. A width or height of 0 draws the picture at its own size.
    void SetPicture(HBITMAP bitmap, int drawnWidth, int drawnHeight);

    HBITMAP picture = nullptr;
    PictureAlignment pictureAlignment = PictureAlignment::Right;
    int pictureWidth = 0;
    int pictureHeight = 0;
    bool marker = false;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    std::string fontFace = "Tahoma";
    int fontHeight = 14;
    TextAlignment textAlignment = TextAlignment::Center;
    COLORREF textColor = 0;

private:
    void Invalidate();
    void PaintContents();
};

}  // namespace KTUtility
