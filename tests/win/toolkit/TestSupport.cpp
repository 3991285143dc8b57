#include "TestSupport.h"

#include "toolkit/Application.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace ToolkitTest {

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // As the program's message loop does between two messages.
    KTUtility::FreeClosedRetired();
}

void RealKey(WORD key) {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = key;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    for (int i = 0; i < 10; ++i) {
        Sleep(10);
        Pump();
    }
}

std::unique_ptr<KTUtility::Form> MakeForm(int width, int height) {
    auto form = std::make_unique<KTUtility::Form>(GetModuleHandleW(nullptr));
    form->SetText(std::string("Prova"));
    form->SetPosition(50, 40);
    form->SetSize(width, height);
    form->Create();
    Pump();
    return form;
}

DWORD Style(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

DWORD ExtendedStyle(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
}

RECT WindowBox(HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    return box;
}

POINT PlaceInParent(HWND window) {
    RECT box = WindowBox(window);
    POINT corner{box.left, box.top};
    ScreenToClient(GetParent(window), &corner);
    return corner;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const COLORREF pixel = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteDC(memory);
    return pixel;
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

HFONT WindowFont(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

SIZE TextExtent(HWND window, HFONT font, const std::wstring& text) {
    HDC context = GetDC(window);
    HGDIOBJ previous = font ? SelectObject(context, font) : nullptr;
    SIZE extent{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &extent);
    if (font) SelectObject(context, previous);
    ReleaseDC(window, context);
    return extent;
}

Canvas::Canvas(int width, int height, COLORREF fill) {
    HDC screen = GetDC(nullptr);
    context_ = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    previous_ = SelectObject(context_, bitmap_);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all{0, 0, width, height};
    FillRect(context_, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(context_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(context_);
}

COLORREF Canvas::Pixel(int x, int y) const {
    GdiFlush();
    return GetPixel(context_, x, y);
}

int Canvas::CountNot(COLORREF color, int left, int top, int right, int bottom) const {
    GdiFlush();
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (GetPixel(context_, x, y) != color) ++count;
        }
    }
    return count;
}

}  // namespace ToolkitTest

namespace {

// Every block freed through delete is filled with 0xDD first.
void Release(void* block) {
    if (!block) return;
    std::memset(block, 0xDD, _msize(block));
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    Release(block);
}

void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
