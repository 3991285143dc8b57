// window-texts TITLE: finds the top-level window of that exact title and prints,
// in UTF-8, one line for each of its child windows in Z order: the class name, a
// tab and the text (a button's text keeps its '&' mnemonic marks). Exit code 0
// when the window exists, 1 when it does not.
// A console program, so that its lines reach the caller's pipe.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string out(static_cast<size_t>(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

BOOL CALLBACK printChild(HWND child, LPARAM) {
    wchar_t className[256] = L"";
    wchar_t text[1024] = L"";
    GetClassNameW(child, className, 256);
    GetWindowTextW(child, text, 1024);
    std::printf("%s\t%s\n", utf8(className).c_str(), utf8(text).c_str());
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: window-texts TITLE\n", stderr);
        return 1;
    }
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) {
        std::puts("no such window");
        return 1;
    }
    EnumChildWindows(window, printChild, 0);
    return 0;
}
