#include "toolkit/WindowProcedure.h"

#include "toolkit/Child.h"
#include "toolkit/CommandElement.h"
#include "toolkit/ControlHooks.h"
#include "toolkit/Form.h"
#include "toolkit/Registry.h"

#include <commctrl.h>

namespace KTUtility {

namespace {

constexpr WORD MenuCode = 0;
// Set in a key-down's lParam when the key was already down: the auto-repeat.
constexpr LPARAM KeyRepeatBit = 1 << 30;

// Names, on a window whose element is gone, the procedure that its messages go
// to instead of an element.
constexpr wchar_t ReleasedProcedure[] = L"KTUtility.ReleasedProcedure";

int SignedLow(LPARAM value) {
    return static_cast<short>(LOWORD(value));
}

int SignedHigh(LPARAM value) {
    return static_cast<short>(HIWORD(value));
}

// A mouse message's point, from the window's client area to the screen.
POINT ScreenPoint(HWND window, LPARAM lParam) {
    POINT at{SignedLow(lParam), SignedHigh(lParam)};
    ClientToScreen(window, &at);
    return at;
}

bool IsForeground(HWND window) {
    return window && GetForegroundWindow() == window;
}

// The element of an existing window. FindByHandle stands the last constructed
// element in for a window being made; commands, notifications, focus moves and
// the foreground window come from windows that exist, and one without an
// element must not reach that stand-in (nor a null window an element that has
// no window yet).
GUIElement* ElementOfWindow(HWND window) {
    if (!window) return nullptr;
    GUIElement* element = FindByHandle(window);
    return element && element->windowHandle == window ? element : nullptr;
}

void LoadCursors() {
    DispatchState& state = Dispatch();
    if (!state.waitCursor) state.waitCursor = LoadCursorW(nullptr, IDC_WAIT);
    if (!state.handCursor) state.handCursor = LoadCursorW(nullptr, IDC_HAND);
}

void ActivateForm(Form* form) {
    DispatchState& state = Dispatch();
    state.wheelPanel = nullptr;
    if (!IsForeground(form->windowHandle)) {
        form->UnregisterHotKeys();
        form->OnDeactivate();
        return;
    }
    if (state.activeForm) {
        state.activeForm->UnregisterHotKeys();
        state.activeForm->OnDeactivate();
    }
    if (state.activePanel) {
        state.activePanel->OnDeactivate();
        state.activePanel = nullptr;
    }
    form->RegisterHotKeys();
    form->OnActivate();
    state.activeForm = form;
    // The companion (the About window) is a topmost tool window whose owner is
    // disabled while it is open: it must stay above the form, never behind it.
    Form* companion = form->companion;
    if (companion && companion->created && form->windowHandle) {
        SetWindowPos(companion->windowHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

void ActivatePanel(GUIElement* panel) {
    DispatchState& state = Dispatch();
    if (!IsForeground(panel->windowHandle)) {
        panel->OnDeactivate();
        return;
    }
    if (state.activePanel) state.activePanel->OnDeactivate();
    panel->OnActivate();
    state.activePanel = panel;
}

void OnActivation(GUIElement* element) {
    if (auto* form = dynamic_cast<Form*>(element)) {
        ActivateForm(form);
    } else if (AsPanel(element)) {
        ActivatePanel(element);
    }
}

void MoveFocusByTab(GUIElement* element, HWND window) {
    HWND root = window;
    if (dynamic_cast<Child*>(element) && element->parent) root = element->parent->windowHandle;
    BOOL previous = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND next = GetNextDlgTabItem(root, window, previous);
    if (!next) return;
    if (GUIElement* target = ElementOfWindow(next)) target->Focus();
}

void OnCommand(WPARAM wParam, LPARAM lParam) {
    WORD code = HIWORD(wParam);
    if (lParam == 0) {
        if (code != MenuCode) return;  // an accelerator
        if (SubMenu* item = FindSubMenuById(LOWORD(wParam))) ChooseMenuItem(item);
        return;
    }
    // An owner-drawn button answers the second press of a double-click with a
    // double-click notification instead of a click: one press, one command.
    if (code == BN_DOUBLECLICKED) return;
    GUIElement* element = ElementOfWindow(reinterpret_cast<HWND>(lParam));
    auto* command = dynamic_cast<CommandElement*>(element);
    if (command && command->commandHandler) command->commandHandler(element);
}

void OnNotification(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header) return;
    int code = static_cast<int>(header->code);
    if (code != static_cast<int>(HDN_ITEMCHANGEDW) && code != static_cast<int>(HDN_ITEMCLICKW) &&
        code != static_cast<int>(NM_RCLICK)) {
        return;
    }
    GUIElement* element = ElementOfWindow(header->hwndFrom);
    if (!element) return;
    if (code == static_cast<int>(NM_RCLICK)) {
        element->OnNotify(NoticeKind::RightClick, {}, {});
        return;
    }
    const auto* notice = reinterpret_cast<const NMHEADERW*>(lParam);
    if (code == static_cast<int>(HDN_ITEMCLICKW)) {
        element->OnNotify(NoticeKind::HeaderItemClicked, {}, {notice->iItem});
        return;
    }
    int newWidth = notice->pitem ? notice->pitem->cxy : 0;
    element->OnNotify(NoticeKind::HeaderItemResized, {}, {notice->iItem, newWidth});
}

void OnHotKey(GUIElement* element, WPARAM id) {
    HWND foreground = GetForegroundWindow();
    auto* form = dynamic_cast<Form*>(element);
    if (!form || id < 1 || id > form->hotKeys.size()) return;
    const HotKey& entry = form->hotKeys[id - 1];
    if (form->windowHandle == foreground) {
        if (entry.handler) entry.handler(form, entry.modifiers, entry.key);
        return;
    }
    auto* other = dynamic_cast<Form*>(ElementOfWindow(foreground));
    if (!other) return;
    for (const HotKey& candidate : other->hotKeys) {
        if (candidate.modifiers == entry.modifiers && candidate.key == entry.key) {
            if (candidate.handler) candidate.handler(other, entry.modifiers, entry.key);
            return;
        }
    }
}

// One hover and leave request at a time, until its WM_MOUSELEAVE or until its
// window goes: a window destroyed first never gets the leave, and a request
// thought pending for good would stop hover and leave everywhere. Asked only
// for an element that handles hover or leave: while a request is pending, the
// system polls the pointer a few times a second for as long as it rests on the
// window.
void TrackMouse(HWND window) {
    DispatchState& state = Dispatch();
    if (state.trackedWindow) return;
    TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, window, HOVER_DEFAULT};
    if (TrackMouseEvent(&request)) state.trackedWindow = window;
}

// Handles one message for the element; true when the message is consumed and
// `result` is the procedure's answer, false for default processing.
bool Handle(GUIElement* element, HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    DispatchState& state = Dispatch();
    if (message == WM_MOUSELEAVE || (message == WM_DESTROY && window == state.trackedWindow)) {
        state.trackedWindow = nullptr;
    }
    if (!element) return false;
    switch (message) {
    case WM_CREATE:
        if (dynamic_cast<Form*>(element)) element->OnCreate(window);
        return false;
    case WM_DESTROY:
        if (auto* form = dynamic_cast<Form*>(element)) form->UnregisterHotKeys();
        element->OnDestroy();
        if (window == state.mainWindow) PostQuitMessage(0);
        return false;
    case WM_MOVE:
        element->OnMove();
        return false;
    case WM_SIZE:
        element->OnResize();
        return false;
    case WM_ACTIVATE:
        OnActivation(element);
        return false;
    case WM_SETFOCUS:
        element->OnGotFocus();
        return false;
    case WM_KILLFOCUS:
        element->OnLostFocus();
        return false;
    case WM_PAINT:
        element->OnPaint();
        return false;
    case WM_CLOSE:
        if (element->OnClosing()) return false;
        result = 1;
        return true;
    case WM_SHOWWINDOW:
        element->OnShow();
        element->OnResize();
        return false;
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT) return false;
        if (element->IsHandCursor()) {
            SetCursor(state.handCursor);
        } else if (element->IsWaitCursor()) {
            SetCursor(state.waitCursor);
        } else {
            return false;
        }
        result = 1;
        return true;
    case WM_DRAWITEM:
        if (!lParam || !PaintOwnerDrawnButton(wParam, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
        result = 1;
        return true;
    case WM_NOTIFY:
        OnNotification(lParam);
        return false;
    case WM_KEYDOWN:
        // A key the element's handler took is its own: no Tab navigation, and
        // no default processing (a focused button would click on Space).
        state.keyRepeats = (lParam & KeyRepeatBit) != 0;
        if (element->OnKeyDown(wParam)) {
            if (wParam < state.takenKeys.size()) state.takenKeys.set(wParam);
            result = 0;
            return true;
        }
        if (wParam == VK_TAB) MoveFocusByTab(element, window);
        return false;
    case WM_KEYUP:
        element->OnKeyUp(wParam);
        if (wParam >= state.takenKeys.size() || !state.takenKeys.test(wParam)) return false;
        state.takenKeys.reset(wParam);
        result = 0;
        return true;
    case WM_CHAR:
        if (element->OnKeyPress(wParam)) return false;
        result = 1;
        return true;
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return false;
    case WM_TIMER:
        TickTimer(window, wParam);
        return false;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (!ScrollPanel(window, message, wParam, lParam)) return false;
        result = 0;
        return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
        HBRUSH brush = element->OnControlColor(reinterpret_cast<HDC>(wParam));
        if (!brush) return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    case WM_MOUSEMOVE:
        element->OnMouseMove(SignedLow(lParam), SignedHigh(lParam));
        if (element->onMouseHover || element->onMouseLeave) TrackMouse(window);
        return false;
    case WM_LBUTTONDOWN: {
        // Read before the callback: what it does may free the element (a
        // press that closes the form it lies on).
        GUIElement* panel = AsPanel(element) ? element : nullptr;
        state.secondPress =
            state.presses.Pressed(window, ScreenPoint(window, lParam), static_cast<DWORD>(GetMessageTime()));
        element->OnLeftButtonDown(SignedLow(lParam), SignedHigh(lParam));
        state.wheelPanel = panel;
        return false;
    }
    case WM_LBUTTONUP:
        state.presses.Released(ScreenPoint(window, lParam));
        element->OnLeftButtonUp(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_LBUTTONDBLCLK:
        state.presses.DoubleClicked();
        element->OnLeftDoubleClick(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_RBUTTONDOWN:
        element->OnRightButtonDown(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_RBUTTONUP:
        element->OnRightButtonUp(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_RBUTTONDBLCLK:
        element->OnRightDoubleClick(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_MOUSEWHEEL:
        if (!ScrollPanelByWheel(window, wParam)) return false;
        result = 0;
        return true;
    case WM_MOUSEHOVER:
        element->OnMouseHover();
        return false;
    case WM_MOUSELEAVE:
        element->OnMouseLeave();
        return false;
    case WM_HOTKEY:
        OnHotKey(element, wParam);
        return false;
    default:
        return false;
    }
}

}  // namespace

DispatchState& Dispatch() {
    static DispatchState state;
    return state;
}

bool KeyRepeats() {
    return Dispatch().keyRepeats;
}

bool PressEndsDoubleClick() {
    return Dispatch().secondPress;
}

void ForgetElement(const GUIElement* element) {
    DispatchState& state = Dispatch();
    if (state.activeForm == element) state.activeForm = nullptr;
    if (state.activePanel == element) state.activePanel = nullptr;
    if (state.wheelPanel == element) state.wheelPanel = nullptr;
    // Its window may outlive it, released from the toolkit: the leave would
    // never come back here.
    if (element->windowHandle && state.trackedWindow == element->windowHandle) state.trackedWindow = nullptr;
}

void SubclassControl(GUIElement& element) {
    element.previousProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(element.windowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProcedure)));
}

void ReleaseWindow(const GUIElement& element) {
    HWND window = element.windowHandle;
    WNDPROC restored = element.previousProcedure ? element.previousProcedure : DefWindowProcW;
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == WindowProcedure) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(restored));
        return;
    }
    // Another procedure was put in front of the toolkit's (a tooltip does that
    // to its tool) and still calls it: the toolkit passes the messages on.
    SetPropW(window, ReleasedProcedure, reinterpret_cast<HANDLE>(restored));
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GUIElement* element = FindByHandle(window);
    if (!element || element->windowHandle != window) {
        if (auto released = reinterpret_cast<WNDPROC>(GetPropW(window, ReleasedProcedure))) {
            if (message == WM_NCDESTROY) RemovePropW(window, ReleasedProcedure);
            return CallWindowProcW(released, window, message, wParam, lParam);
        }
    }
    LoadCursors();
    WNDPROC previous = element ? element->previousProcedure : nullptr;
    LRESULT result = 0;
    if (Handle(element, window, message, wParam, lParam, result)) return result;
    if (previous) return CallWindowProcW(previous, window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace KTUtility
