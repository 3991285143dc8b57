#include "toolkit/PanelChildren.h"

#include "toolkit/ControlHooks.h"
#include "toolkit/ControlId.h"
#include "toolkit/FontDescription.h"
#include "toolkit/Text.h"
#include "toolkit/WindowProcedure.h"

namespace KTUtility {

namespace {

// The style of a floating panel in place of WS_CHILD and WS_VISIBLE: the window
// is top-level and stays hidden until its owner shows it.
constexpr DWORD FloatingStyle = 0x80;

HINSTANCE ClassInstance(const GUIElement* panel) {
    HINSTANCE instance = panel->parent ? panel->parent->instanceHandle : nullptr;
    // A panel inside a panel has no instance of its own to borrow.
    return instance ? instance : GetModuleHandleW(nullptr);
}

void SendRange(HWND window, int bar, int minimum, int maximum) {
    SCROLLINFO info{};
    info.cbSize = sizeof(SCROLLINFO);
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMin = minimum;
    info.nMax = maximum;
    info.nPage = static_cast<UINT>((maximum - minimum) / 10);
    SetScrollInfo(window, bar, &info, TRUE);
}

}  // namespace

PanelChildren::PanelChildren(GUIElement* parentElement) : Child(parentElement) {
    typeName = "panel";
}

PanelChildren::~PanelChildren() {
    if (brush) DeleteObject(brush);
}

DWORD PanelChildren::PanelStyle() const {
    DWORD style = tabStop ? WS_TABSTOP : 0;
    style |= floating ? FloatingStyle : WS_CHILD | WS_VISIBLE;
    if (!enabled) style |= WS_DISABLED;
    if (border) style |= WS_BORDER;
    if (horizontalScrolling) style |= WS_HSCROLL;
    if (verticalScrolling) style |= WS_VSCROLL;
    return style;
}

void PanelChildren::Create() {
    if (created) return;
    std::wstring className = L"PanelChildren" + Int64ToWideText(CurrentControlId());
    controlId = NextControlId();

    HINSTANCE instance = ClassInstance(this);
    windowClass = WNDCLASSW{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = backColor == NoColor ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor);
    windowClass.lpszClassName = className.c_str();
    classAtom = RegisterClassW(&windowClass);
    windowClass.lpszClassName = nullptr;  // the name dies with this call

    DWORD extended = floating ? WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME : 0;
    if (border && !flatBorder) extended |= WS_EX_CLIENTEDGE;
    HWND parentWindow = floating || !parent ? nullptr : parent->windowHandle;
    HMENU childId = floating ? nullptr : reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId));
    windowHandle = CreateWindowExW(extended, className.c_str(), text.c_str(), PanelStyle(), x, y, width, height,
                                   parentWindow, childId, instance, nullptr);
    if (!windowHandle) GetLastError();
    if (!floating) {
        ShowWindow(windowHandle, SW_SHOW);
        UpdateWindow(windowHandle);
    }
    created = true;
    OnCreate(windowHandle);
    SetScrollRange(scrollMinimum, scrollMaximum);
    AttachTooltipAndFont();
}

void PanelChildren::SetBorder(bool value) {
    border = value;
    if (!created) return;
    if (SetWindowLongW(windowHandle, GWL_STYLE, static_cast<LONG>(PanelStyle())) == 0) {
        GetLastError();
        return;
    }
    SetWindowPos(windowHandle, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

void PanelChildren::SetScrollRange(int minimum, int maximum) {
    scrollMinimum = minimum;
    scrollMaximum = maximum;
    if (!created) return;
    if (verticalScrolling) SendRange(windowHandle, SB_VERT, minimum, maximum);
    if (horizontalScrolling) SendRange(windowHandle, SB_HORZ, minimum, maximum);
}

HBRUSH PanelChildren::OnControlColor(HDC context) {
    if (!answersColorRequests) return nullptr;
    if (brush) DeleteObject(brush);
    brush = nullptr;
    if (font) SelectObject(context, font->MakeFont());
    HBRUSH answer;
    COLORREF background = panelColor != NoColor ? panelColor : backColor;
    if (background != NoColor) {
        SetBkColor(context, background);
        brush = CreateSolidBrush(background);
        answer = brush;
    } else {
        // A system brush: handed out, never owned.
        answer = GetSysColorBrush(COLOR_BTNFACE);
    }
    if (childTextColor != NoColor) ::SetTextColor(context, childTextColor);
    return answer;
}

PanelChildren* AsPanel(GUIElement* element) {
    return dynamic_cast<PanelChildren*>(element);
}

}  // namespace KTUtility
