#include "toolkit/Child.h"

#include "toolkit/ControlId.h"

namespace KTUtility {

Child::Child(GUIElement* parentElement) : GUIElement(nullptr) {
    parent = parentElement;
}

HWND Child::CreateControlWindow(DWORD extendedStyle, const wchar_t* className, DWORD style) {
    controlId = NextControlId();
    HWND window = CreateWindowExW(extendedStyle, className, text.c_str(), style, x, y, width, height,
                                  parent ? parent->windowHandle : nullptr,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)), nullptr, nullptr);
    if (!window) GetLastError();
    return window;
}

}  // namespace KTUtility
