// Starts LurnaGame.exe, finds its window by its title, closes it as the system
// does, answers the exit question No and then Yes, and reads the exit code.
#include <windows.h>

#include "tests/win/app/ProgramPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A window of that title that belongs to the process and is on screen.
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

// Closes the game window as the close box does and answers the question.
bool CloseAndAnswer(HWND window, DWORD processId, int answer) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    HWND question = WaitForWindow(L"Uscita", processId);
    if (!question) return false;
    PostMessageW(question, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    return true;
}

}  // namespace

TEST(Program, ShowsItsWindowAsksBeforeClosingAndExitsWithZero) {
    std::wstring command = L"\"" + ProgramPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << "cannot start " << std::string(command.begin(), command.end());

    HWND window = WaitForWindow(L"LurnaGame (C) 2026 LurnaGame", process.dwProcessId);
    EXPECT_NE(window, nullptr);
    if (window) {
        EXPECT_TRUE(CloseAndAnswer(window, process.dwProcessId, IDNO));
        // "No" keeps the game running.
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 500), static_cast<DWORD>(WAIT_TIMEOUT));
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_TRUE(CloseAndAnswer(window, process.dwProcessId, IDYES));
    }

    DWORD waited = WaitForSingleObject(process.hProcess, 30000);
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    DWORD exitCode = 1234;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(waited, WAIT_OBJECT_0);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
