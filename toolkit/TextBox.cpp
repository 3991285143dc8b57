#include "toolkit/TextBox.h"

#include "toolkit/Text.h"
#include "toolkit/WindowProcedure.h"

namespace KTUtility {

namespace {

constexpr WPARAM PasswordCharacter = '*';

}  // namespace

TextBox::TextBox(GUIElement* parentElement, const std::string& content) : Child(parentElement) {
    text = Widen(content);
    width = 80;
    height = 30;
    typeName = "textbox";
}

DWORD TextBox::BoxStyle() const {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (!enabled) style |= WS_DISABLED;
    if (horizontalBar) style |= WS_HSCROLL;
    if (verticalBar) style |= WS_VSCROLL;
    if (digitsOnly) style |= ES_NUMBER;
    if (border) style |= WS_BORDER;
    if (multiLine) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (!wordWrap) style |= ES_AUTOHSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (readOnly) style |= ES_READONLY;
    if (upperCase) {
        style |= ES_UPPERCASE;
    } else if (lowerCase) {
        style |= ES_LOWERCASE;
    }
    if (rightAligned) {
        style |= ES_RIGHT;
    } else if (centred) {
        style |= ES_CENTER;
    }
    return style;
}

void TextBox::Create() {
    if (created) return;
    windowHandle = CreateControlWindow(border ? WS_EX_CLIENTEDGE : 0, L"edit", BoxStyle());
    if (windowHandle) SubclassControl(*this);
    created = true;
    if (lengthLimit != -1) SendMessageW(windowHandle, EM_LIMITTEXT, static_cast<WPARAM>(lengthLimit), 0);
    // The password character is not a style: without this a password box
    // would show its characters until ApplyOptions.
    if (password) SendMessageW(windowHandle, EM_SETPASSWORDCHAR, PasswordCharacter, 0);
    AttachTooltipAndFont();
}

void TextBox::ApplyOptions() {
    if (!created || !windowHandle) return;
    if (SetWindowLongW(windowHandle, GWL_STYLE, static_cast<LONG>(BoxStyle())) == 0) {
        GetLastError();
        return;
    }
    SendMessageW(windowHandle, EM_SETREADONLY, readOnly ? 1 : 0, 0);
    SendMessageW(windowHandle, EM_SETPASSWORDCHAR, password ? PasswordCharacter : 0, 0);
    SetWindowPos(windowHandle, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace KTUtility
