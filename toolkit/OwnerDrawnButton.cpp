// The flat look of owner-drawn buttons: a background fill, a one-pixel frame
// whose colour tells normal, pressed and disabled apart, the button's picture,
// a vertically centred caption and the focus rectangle.
#include "toolkit/Button.h"
#include "toolkit/ControlHooks.h"
#include "toolkit/Drawing.h"
#include "toolkit/FontDescription.h"
#include "toolkit/Registry.h"

namespace KTUtility {

namespace {

constexpr COLORREF DisabledText = 0x969696;
constexpr COLORREF DisabledFrame = 0x696969;
constexpr COLORREF White = 0xFFFFFF;
// The focus rectangle sits this far inside the button's edge.
constexpr int FocusInset = 3;

// The height of the font that the item's device context holds: a stand-in
// font is selected to get the current one back, then the current one returns.
int CurrentFontHeight(HDC context) {
    FontDescription standIn;
    HGDIOBJ current = SelectObject(context, standIn.MakeFont());
    LOGFONTW description{};
    GetObjectW(current, sizeof(LOGFONTW), &description);
    SelectObject(context, current);
    return description.lfHeight;
}

// The caption's distance from the top of the item: the font centred, never
// above the top.
int CaptionOffset(int itemHeight, int fontHeight) {
    int offset = (itemHeight - fontHeight) / 2;
    return offset < 0 ? 0 : offset;
}

void PaintOwnerDrawn(Button& button, const DRAWITEMSTRUCT& item) {
    HDC context = item.hDC;
    Drawing surface(&button);
    surface.Attach(context);
    int left = item.rcItem.left;
    int top = item.rcItem.top;
    int itemWidth = item.rcItem.right - left;
    int itemHeight = item.rcItem.bottom - top;

    COLORREF textColor = GetTextColor(context);
    int offset = CaptionOffset(itemHeight, CurrentFontHeight(context));
    surface.FillBox(left, top, itemWidth, itemHeight, GetBkColor(context));

    COLORREF frameColor = textColor;
    if (item.itemState & ODS_DISABLED) {
        textColor = DisabledText;
        frameColor = DisabledFrame;
    } else if (item.itemState & ODS_SELECTED) {
        frameColor = White - textColor;
    }
    surface.FrameBox(left, top, itemWidth, itemHeight, frameColor);

    int start = button.DrawImage(surface, item.rcItem, (item.itemState & ODS_SELECTED) != 0);
    surface.WriteText(left + start, top + offset, itemWidth - start, itemHeight, button.GetNarrowText(), textColor,
                      start > 0 ? TextAlignment::Left : TextAlignment::Center, nullptr);

    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -FocusInset, -FocusInset);
        DrawFocusRect(context, &focus);
    }
    surface.End();
}

}  // namespace

bool PaintOwnerDrawnButton(WPARAM id, const DRAWITEMSTRUCT& item) {
    auto* button = dynamic_cast<Button*>(FindById(static_cast<UINT>(id)));
    if (!button || item.CtlType != ODT_BUTTON) return false;
    PaintOwnerDrawn(*button, item);
    return true;
}

}  // namespace KTUtility
