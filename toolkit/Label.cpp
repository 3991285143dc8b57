#include "toolkit/Label.h"

#include "toolkit/ControlId.h"
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
    controlId = NextControlId();
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
    windowHandle = CreateWindowExW(extended, L"static", text.c_str(), style, x, y, width, height,
                                   parent ? parent->windowHandle : nullptr,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)), nullptr, nullptr);
    if (windowHandle) {
        SubclassControl(*this);
    } else {
        GetLastError();
    }
    created = true;
    AttachTooltipAndFont();
}

}  // namespace KTUtility
