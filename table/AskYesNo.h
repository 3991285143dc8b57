// The game's yes-or-no question: a task-modal message box with no owner.
#pragma once

#include <windows.h>

#include <string>

namespace MyGame {

// True when the answer is yes.
bool AskYesNo(const std::string& text, const std::string& caption);

// The message box AskYesNo shows; tests put their own in its place, so that no
// test waits on a question nobody answers.
using MessageBoxFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);
extern MessageBoxFunction messageBox;

}  // namespace MyGame
