#include "toolkit/GUIElement.h"

#include "toolkit/FontDescription.h"
#include "toolkit/Registry.h"
#include "toolkit/Text.h"
#include "toolkit/WindowProcedure.h"

#include <commctrl.h>

namespace KTUtility {

namespace {

// Longest tooltip text shown, in code units.
constexpr std::size_t TooltipLength = 2023;

// The record of the one tool that covers the owner's client area; `buffer`
// holds the text the record points to.
void FillTooltipRecord(TOOLINFOW& info, HWND owner, const std::string& tip, std::wstring& buffer) {
    buffer = Widen(tip.substr(0, TooltipLength));
    info = TOOLINFOW{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(owner);
    GetClientRect(owner, &info.rect);
    info.lpszText = &buffer[0];
}

}  // namespace

GUIElement::GUIElement(HINSTANCE instance) : instanceHandle(instance) {
    AddToRegistry(this);
}

GUIElement::~GUIElement() {
    RemoveFromRegistry(this);
    ForgetElement(this);
    // A window that outlives its element must no longer reach the toolkit.
    if (created && windowHandle && !destroyed && IsWindow(windowHandle)) ReleaseWindow(*this);
    // The class goes with the element, and with it the background brush and
    // the small icon the system made for it. While a window of the class is
    // left it stays registered: the call fails and changes nothing.
    if (classAtom) {
        UnregisterClassW(reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(classAtom)), windowClass.hInstance);
    }
}

void GUIElement::SetSize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    if (!created) return;
    SetWindowPos(windowHandle, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOMOVE);
    UpdateTooltip();
    Refresh();
}

void GUIElement::SetBackColor(COLORREF color) {
    backColor = color;
    if (!created) return;
    InvalidateRect(windowHandle, nullptr, FALSE);
    RECT client{};
    GetClientRect(windowHandle, &client);
    PAINTSTRUCT paint{};
    HDC context = BeginPaint(windowHandle, &paint);
    SetBkColor(context, color);
    ExtTextOutW(context, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
    EndPaint(windowHandle, &paint);
    customBackColor = true;
}

void GUIElement::SetEnabled(bool value) {
    enabled = value;
    if (created) EnableWindow(windowHandle, value ? TRUE : FALSE);
}

void GUIElement::SetText(const std::wstring& value) {
    text = value;
    if (created) SetWindowTextW(windowHandle, text.c_str());
}

void GUIElement::SetText(const std::string& value) {
    SetText(Widen(value));
}

int GUIElement::OnLeftButtonUp(int atX, int atY) {
    return onLeftButtonUp ? onLeftButtonUp(this, windowHandle, atX, atY) : 0;
}

int GUIElement::OnLeftButtonDown(int atX, int atY) {
    return onLeftButtonDown ? onLeftButtonDown(this, windowHandle, atX, atY) : 0;
}

int GUIElement::OnLeftDoubleClick(int atX, int atY) {
    return onLeftDoubleClick ? onLeftDoubleClick(this, windowHandle, atX, atY) : 0;
}

int GUIElement::OnRightButtonUp(int atX, int atY) {
    return onRightButtonUp ? onRightButtonUp(this, windowHandle, atX, atY) : 0;
}

int GUIElement::OnRightButtonDown(int atX, int atY) {
    return onRightButtonDown ? onRightButtonDown(this, windowHandle, atX, atY) : 0;
}

int GUIElement::OnRightDoubleClick(int atX, int atY) {
    return onRightDoubleClick ? onRightDoubleClick(this, windowHandle, atX, atY) : 0;
}

int GUIElement::OnKeyUp(WPARAM key) {
    return onKeyUp ? onKeyUp(this, key) : 0;
}

int GUIElement::OnKeyDown(WPARAM key) {
    return onKeyDown ? onKeyDown(this, key) : 0;
}

bool GUIElement::OnKeyPress(WPARAM character) {
    return onKeyPress ? onKeyPress(this, character) : true;
}

int GUIElement::OnMouseMove(int atX, int atY) {
    return onMouseMove ? onMouseMove(this, atX, atY) : 0;
}

int GUIElement::OnMouseHover() {
    return onMouseHover ? onMouseHover(this) : 0;
}

int GUIElement::OnMouseLeave() {
    return onMouseLeave ? onMouseLeave(this) : 0;
}

void GUIElement::Focus() {
    if (created) SetFocus(windowHandle);
}

int GUIElement::OnMove() {
    GetPosition();
    return onMove ? onMove(this) : 0;
}

int GUIElement::OnResize() {
    return onResize ? onResize(this) : 0;
}

void GUIElement::OnPaint() {
    if (customBackColor) SetBackColor(backColor);
    if (onPaint) onPaint(this);
}

HBRUSH GUIElement::OnControlColor(HDC) {
    return nullptr;
}

bool GUIElement::OnClosing() {
    return onClosing ? onClosing(this) : true;
}

int GUIElement::OnDestroy() {
    int result = onDestroy ? onDestroy(this) : 0;
    destroyed = true;
    return result;
}

int GUIElement::OnGotFocus() {
    textOnFocus = GetText();
    return onGotFocus ? onGotFocus(this) : 0;
}

int GUIElement::OnLostFocus() {
    int result = onLostFocus ? onLostFocus(this) : 0;
    if (GetText() != textOnFocus && onTextChanged) onTextChanged(this);
    return result;
}

int GUIElement::OnActivate() {
    return onActivate ? onActivate(this) : 0;
}

int GUIElement::OnDeactivate() {
    return onDeactivate ? onDeactivate(this) : 0;
}

void GUIElement::OnCreate(HWND window) {
    if (!windowHandle) windowHandle = window;
    if (!createNotified && onCreate) onCreate(this, windowHandle);
    createNotified = true;
}

void GUIElement::Refresh() {
    if (created) RedrawWindow(windowHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

bool GUIElement::IsWaitCursor() {
    return waitCursor;
}

bool GUIElement::IsHandCursor() {
    return handCursor;
}

void GUIElement::SetWaitCursor(bool value) {
    waitCursor = value;
}

void GUIElement::SetHandCursor(bool value) {
    handCursor = value;
}

void GUIElement::OnShow() {}

void GUIElement::OnNotify(NoticeKind, std::vector<std::string>, std::vector<int>) {}

POINT GUIElement::GetPosition() {
    if (created) {
        RECT outer{};
        GetWindowRect(windowHandle, &outer);
        POINT corner{outer.left, outer.top};
        if (parent) ScreenToClient(parent->windowHandle, &corner);
        x = corner.x;
        y = corner.y;
    }
    return POINT{x, y};
}

void GUIElement::SetPosition(int newX, int newY) {
    x = newX;
    y = newY;
    if (!created) return;
    SetWindowPos(windowHandle, nullptr, x, y, width, height, SWP_NOSIZE | SWP_NOZORDER);
    Refresh();
}

void GUIElement::Hide() {
    if (!created) return;
    ShowWindow(windowHandle, SW_HIDE);
    visible = false;
}

std::wstring GUIElement::GetText() {
    if (created && textInWindow) {
        int length = GetWindowTextLengthW(windowHandle);
        if (length <= 0) {
            text.clear();
        } else {
            std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
            int read = GetWindowTextW(windowHandle, &buffer[0], length + 1);
            if (read != 0) text.assign(buffer.c_str(), static_cast<std::size_t>(read));
        }
    }
    return text;
}

std::string GUIElement::GetNarrowText() {
    return Narrow(GetText());
}

void GUIElement::CreateTooltip(HWND owner) {
    if (tooltipText.empty() || !owner) return;
    INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), 0xFF};
    InitCommonControlsEx(&classes);
    tooltipWindow = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                    WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0, owner, nullptr,
                                    nullptr, nullptr);
    SetWindowPos(tooltipWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    TOOLINFOW info;
    std::wstring buffer;
    FillTooltipRecord(info, owner, tooltipText, buffer);
    SendMessageW(tooltipWindow, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void GUIElement::UpdateTooltip() {
    if (!tooltipWindow) {
        CreateTooltip(windowHandle);
        return;
    }
    TOOLINFOW info;
    std::wstring buffer;
    FillTooltipRecord(info, windowHandle, tooltipText, buffer);
    SendMessageW(tooltipWindow, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(tooltipWindow, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void GUIElement::AttachTooltipAndFont() {
    CreateTooltip(windowHandle);
    if (font) SendMessageW(windowHandle, WM_SETFONT, reinterpret_cast<WPARAM>(font->MakeFont()), TRUE);
}

void GUIElement::ClearCallbacks() {
    onCreate = nullptr;
    onLeftButtonUp = onLeftButtonDown = onLeftDoubleClick = nullptr;
    onRightButtonUp = onRightButtonDown = onRightDoubleClick = nullptr;
    onKeyUp = onKeyDown = nullptr;
    onKeyPress = nullptr;
    onMove = onResize = onPaint = onDestroy = nullptr;
    onClosing = nullptr;
    onGotFocus = onLostFocus = onActivate = onDeactivate = onTextChanged = nullptr;
    onMouseMove = nullptr;
    onMouseHover = onMouseLeave = nullptr;
}

}  // namespace KTUtility
