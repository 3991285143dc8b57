// Starts LurnaGame.exe, finds its window by its title, closes it as the system
// does and reads the program's exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The build tree's path as Wine sees it: the Unix root is drive Z.
std::wstring ProgramPath() {
    std::string path = LURNA_PROGRAM;
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    std::wstring wide(path.begin(), path.end());
    for (wchar_t& c : wide) {
        if (c == L'/') c = L'\\';
    }
    return wide;
}

HWND WaitForWindow(const wchar_t* title, DWORD processId) {
    for (int attempt = 0; attempt < 600; ++attempt) {
        HWND window = FindWindowW(nullptr, title);
        DWORD owner = 0;
        if (window) GetWindowThreadProcessId(window, &owner);
        if (window && owner == processId && IsWindowVisible(window)) return window;
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

TEST(Program, ShowsItsWindowAndExitsWithZeroWhenClosed) {
    std::wstring command = L"\"" + ProgramPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << "cannot start " << std::string(command.begin(), command.end());

    HWND window = WaitForWindow(L"LurnaGame (C) 2026 LurnaGame", process.dwProcessId);
    EXPECT_NE(window, nullptr);
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);

    DWORD waited = WaitForSingleObject(process.hProcess, 30000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    DWORD exitCode = 1234;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(waited, WAIT_OBJECT_0);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
