#include "toolkit/Form.h"

#include "toolkit/ControlId.h"
#include "toolkit/Text.h"
#include "toolkit/WindowProcedure.h"

namespace KTUtility {

Form::Form(HINSTANCE instance) : GUIElement(instance) {
    typeName = "form";
}

Form::Form(HINSTANCE instance, DialogFrame) : Form(instance) {
    dialog = true;
}

Form::~Form() {
    // Whatever derived from this form is gone already: its callbacks must not run.
    ClearCallbacks();
    DestroyFormWindow();
}

void Form::DestroyFormWindow() {
    if (!created || !windowHandle || destroyed) return;
    created = false;
    DestroyWindow(windowHandle);
}

DWORD Form::WindowStyle() const {
    DWORD style = WS_POPUP;
    if (caption) {
        style = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX;
        if (minimizeBox) style |= WS_MINIMIZEBOX;
        if (maximizeBox) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
    }
    if (dialog) style = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX | (modalFrame ? 0x80 : 0);
    if (!maximizeBox) style &= ~static_cast<DWORD>(WS_MAXIMIZEBOX);
    if (!minimizeBox) style &= ~static_cast<DWORD>(WS_MINIMIZEBOX);
    if (!enabled) style |= WS_DISABLED;
    return style;
}

DWORD Form::ExtendedStyle() const {
    if (!dialog) return 0;
    return WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | (topmost ? WS_EX_TOPMOST : 0);
}

void Form::Create() {
    if (created) return;
    std::wstring className = L"Window" + Int64ToWideText(CurrentControlId());
    controlId = NextControlId();

    windowClass = WNDCLASSW{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instanceHandle;
    windowClass.hIcon = iconResource != 0 ? LoadIconW(instanceHandle, MAKEINTRESOURCEW(iconResource))
                                          : LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = backColor == NoColor ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor);
    windowClass.lpszClassName = className.c_str();
    classAtom = RegisterClassW(&windowClass);
    // The record outlives this call; its name must not point into a dead string.
    windowClass.lpszClassName = nullptr;

    windowHandle = CreateWindowExW(ExtendedStyle(), className.c_str(), text.c_str(), WindowStyle(), x, y, width, height,
                                   nullptr, nullptr, instanceHandle, nullptr);
    if (!Dispatch().mainWindow) Dispatch().mainWindow = windowHandle;
    OnCreate(windowHandle);
    ShowWindow(windowHandle, SW_SHOW);
    UpdateWindow(windowHandle);
    created = true;
    AttachTooltipAndFont();
}

void Form::CenterOnScreen() {
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (created) {
        RECT outer{};
        GetWindowRect(windowHandle, &outer);
        width = outer.right - outer.left;
        height = outer.bottom - outer.top;
    }
    x = (screenWidth - width) / 2;
    y = (screenHeight - height) / 2;
    if (!created) return;
    SetWindowPos(windowHandle, nullptr, x, y, width, height, SWP_NOSIZE | SWP_NOZORDER);
    Refresh();
}

void Form::SetClientSize(int clientWidth, int clientHeight) {
    if (!created) return;
    RECT outer{};
    RECT client{};
    GetWindowRect(windowHandle, &outer);
    GetClientRect(windowHandle, &client);
    int frameWidth = (outer.right - outer.left) - (client.right - client.left);
    int frameHeight = (outer.bottom - outer.top) - (client.bottom - client.top);
    if (frameWidth < 0) frameWidth = 0;
    if (frameHeight < 0) frameHeight = 0;
    GetPosition();
    SetSize(clientWidth + frameWidth, clientHeight + frameHeight);
}

void Form::SetIcon(WORD number) {
    iconResource = number;
    if (!created) return;
    // LoadIconW hands out a shared icon: it is replaced, never destroyed.
    HICON loaded = LoadIconW(instanceHandle, MAKEINTRESOURCEW(number));
    if (!loaded) return;
    iconHandle = loaded;
    SendMessageW(windowHandle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconHandle));
}

void Form::RegisterHotKeys() {
    for (std::size_t i = 0; i < hotKeys.size(); ++i) {
        RegisterHotKey(windowHandle, static_cast<int>(i + 1), hotKeys[i].modifiers, hotKeys[i].key);
    }
}

void Form::UnregisterHotKeys() {
    for (std::size_t i = 0; i < hotKeys.size(); ++i) {
        UnregisterHotKey(windowHandle, static_cast<int>(i + 1));
    }
}

}  // namespace KTUtility
