// One window class, one window of a 640x480 client area, the message loop: what
// every Win32 program pays before it draws anything of its own. Its client area
// is the game's table green, so that it is found on the screen the same way.
// With "--timer" on its command line a 20 ms window timer ticks, as the game's
// turn timer does, and does nothing: the cost of the ticks alone while idle.
#include <windows.h>

#include <cwchar>

namespace {

constexpr COLORREF TableGreen = 0x008000;
constexpr UINT TimerMilliseconds = 20;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(TableGreen);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassW(&windowClass);

    RECT outer{0, 0, 640, 480};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowW(L"BareWindow", L"BareWindow", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                                nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    if (std::wcsstr(commandLine, L"--timer")) SetTimer(window, 1, TimerMilliseconds, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
