// window-answers TITLE: sends WM_NULL to the top-level window of that exact title
// and waits up to 5 s for it to return. Exit code 0 when it returned, 1 when no
// such window exists, 2 when the window's thread did not handle it in time.
// A console program, so that its verdict is also printed.
#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT AnswerMilliseconds = 5000;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: window-answers TITLE\n", stderr);
        return 1;
    }
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) {
        std::puts("no such window");
        return 1;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, AnswerMilliseconds, &result)) {
        std::printf("no answer within %u ms (error %lu)\n", AnswerMilliseconds, GetLastError());
        return 2;
    }
    std::puts("answered");
    return 0;
}
