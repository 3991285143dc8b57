// What the toolkit tests share: pumping messages, a form to hold controls, a
// memory surface to draw on and read back. TestSupport.cpp also replaces the
// global new and delete: every freed block is overwritten, so a use through a
// dangling pointer crashes instead of reading stale but plausible data.
#pragma once

#include "toolkit/Form.h"

#include <windows.h>

#include <memory>
#include <string>

namespace ToolkitTest {

// Dispatches every message waiting for this thread, then frees the retired
// elements that are closed, as the program's message loop does between two
// messages.
void Pump();

// A key pressed and released on the keyboard (real input, to the window that
// has the keyboard), then the messages it makes, pumped for a tenth of a second.
void RealKey(WORD key);

// A created, visible form at a fixed place, the first of the test (so the main window).
std::unique_ptr<KTUtility::Form> MakeForm(int width = 400, int height = 300);

DWORD Style(HWND window);
DWORD ExtendedStyle(HWND window);
RECT WindowBox(HWND window);
// The window's top-left corner in its parent's client coordinates.
POINT PlaceInParent(HWND window);
// The window's own text, read back from the window.
std::wstring WindowText(HWND window);
// A pixel of a bitmap, read through a memory device context.
COLORREF PixelOf(HBITMAP bitmap, int x, int y);
// The font a window draws its text in: the one it was given (WM_GETFONT), or
// null when it keeps the font its device context starts with.
HFONT WindowFont(HWND window);
// The size of the text drawn in the font (null: the device context's own) in
// a device context of the window.
SIZE TextExtent(HWND window, HFONT font, const std::wstring& text);

// A 24-bit surface of the given size filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Context() const { return context_; }
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the rectangle differ from the colour.
    int CountNot(COLORREF color, int left, int top, int right, int bottom) const;

private:
    HDC context_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

}  // namespace ToolkitTest
