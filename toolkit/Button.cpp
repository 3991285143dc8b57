#include "toolkit/Button.h"

#include "toolkit/Drawing.h"
#include "toolkit/Text.h"
#include "toolkit/WindowProcedure.h"

namespace KTUtility {

namespace {

// Pictures sit this far from the button's left edge.
constexpr int PictureIndent = 5;
constexpr int IconSize = 32;

}  // namespace

Button::Button(GUIElement* parentElement, const std::string& caption) : Child(parentElement) {
    text = Widen(caption);
    width = 80;
    height = 30;
    typeName = "button";
}

void Button::Create() {
    if (created) return;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (ownerDrawn ? BS_OWNERDRAW : BS_PUSHBUTTON);
    if (!enabled) style |= WS_DISABLED;
    windowHandle = CreateControlWindow(0, L"Button", style);
    if (windowHandle) SubclassControl(*this);
    created = true;
    AttachTooltipAndFont();
}

int Button::DrawImage(Drawing& surface, const RECT& item, bool) {
    int itemHeight = item.bottom - item.top;
    HBITMAP picture = enabled ? enabledBitmap : disabledBitmap;
    if (picture) {
        BITMAP size{};
        GetObjectW(picture, sizeof(BITMAP), &size);
        surface.DrawTransparent(item.left + PictureIndent, (itemHeight - size.bmHeight) / 2, 0, 0, picture);
        return item.left + size.bmWidth + 8;
    }
    HICON icon = enabled ? enabledIcon : disabledIcon;
    if (!icon) return 0;
    if (surface.deviceContext) {
        DrawIconEx(surface.deviceContext, item.left + PictureIndent, (itemHeight - IconSize) / 2, icon, IconSize,
                   IconSize, 0, nullptr, DI_NORMAL | DI_COMPAT);
    }
    return item.left + IconSize + 8;
}

}  // namespace KTUtility
