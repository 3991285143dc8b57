#include "toolkit/Label.h"

#include "toolkit/Text.h"
#include "toolkit/WindowProcedure.h"

namespace KTUtility {

Label::Label(GUIElement* parentElement, const std::string& caption) : Child(parentElement) {
    text = Widen(caption);
    width = 80;
    height = 30;
    typeName = "label";
}

void Label::Create() {
    if (created) return;
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
    if (!enabled) style |= WS_DISABLED;
    DWORD extended = 0;
    if (border) {
        style |= WS_BORDER;
        extended = WS_EX_CLIENTEDGE;
    }
    if (rightAligned) {
        style |= SS_RIGHT;
    } else if (centred) {
        style |= SS_CENTER;
    }
    windowHandle = CreateControlWindow(extended, L"static", style);
    if (windowHandle) SubclassControl(*this);
    created = true;
    AttachTooltipAndFont();
}

}  // namespace KTUtility
