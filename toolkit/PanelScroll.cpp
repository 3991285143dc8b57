// Scrolling of panels by their scroll bars and by the mouse wheel. The window
// content moves by the distance that the system allowed; the panel's handler
// hears the distance that was asked for.
#include "toolkit/ControlHooks.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/Registry.h"
#include "toolkit/WindowProcedure.h"

namespace KTUtility {

namespace {

SCROLLINFO ReadScroll(HWND window, int bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof(SCROLLINFO);
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    return info;
}

// The position that the request asks for, from the bar as it is.
int RequestedPosition(const SCROLLINFO& info, WORD request, bool vertical) {
    int page = static_cast<int>(info.nPage);
    switch (request) {
    case SB_LINEUP:
        return info.nPos - 1;
    case SB_LINEDOWN:
        return info.nPos + 1;
    case SB_PAGEUP:
        return info.nPos - page;
    case SB_PAGEDOWN:
        return info.nPos + page;
    case SB_THUMBTRACK:
        return info.nTrackPos;
    case SB_TOP:
        return vertical ? info.nMin : info.nPos;
    case SB_BOTTOM:
        return vertical ? info.nMax : info.nPos;
    default:
        return info.nPos;
    }
}

// Moves the bar to `requested`, scrolls the content by what the system kept
// and tells the handler the distance asked for.
void MoveTo(PanelChildren* panel, HWND window, int bar, int old, int requested) {
    SCROLLINFO position{};
    position.cbSize = sizeof(SCROLLINFO);
    position.fMask = SIF_POS;
    position.nPos = requested;
    SetScrollInfo(window, bar, &position, TRUE);
    int now = ReadScroll(window, bar).nPos;
    if (now != old) {
        if (bar == SB_HORZ) {
            ScrollWindow(window, old - now, 0, nullptr, nullptr);
        } else {
            ScrollWindow(window, 0, old - now, nullptr, nullptr);
        }
        UpdateWindow(window);
    }
    ScrollHandler handler = bar == SB_HORZ ? panel->horizontalScrollHandler : panel->verticalScrollHandler;
    if (requested != old && handler) handler(panel, old - requested);
}

}  // namespace

bool ScrollPanel(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WORD request = LOWORD(wParam);
    bool vertical = message == WM_VSCROLL;
    int bar = vertical ? SB_VERT : SB_HORZ;
    GUIElement* target = FindByHandle(window);
    if (lParam > 0 && request == SB_ENDSCROLL) target = FindByHandle(reinterpret_cast<HWND>(lParam));
    PanelChildren* panel = AsPanel(target);
    if (!panel || !(vertical ? panel->verticalScrolling : panel->horizontalScrolling)) return false;
    if (vertical) Dispatch().wheelPanel = panel;
    SCROLLINFO info = ReadScroll(window, bar);
    MoveTo(panel, window, bar, info.nPos, RequestedPosition(info, request, vertical));
    return true;
}

bool ScrollPanelByWheel(HWND window, WPARAM wParam) {
    GUIElement* element = FindByHandle(window);
    if (!element) return false;
    PanelChildren* panel = AsPanel(element);
    if (!panel) panel = AsPanel(Dispatch().wheelPanel);
    if (!panel || !panel->verticalScrolling) return false;
    SCROLLINFO info = ReadScroll(panel->windowHandle, SB_VERT);
    // A turn away from the user (positive delta) scrolls up; one page per message.
    int delta = static_cast<short>(HIWORD(wParam));
    int page = static_cast<int>(info.nPage);
    int requested = delta > 0 ? info.nPos - page : info.nPos + page;
    MoveTo(panel, panel->windowHandle, SB_VERT, info.nPos, requested);
    return true;
}

}  // namespace KTUtility
