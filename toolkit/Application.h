// The message loop, the elements retired while it runs, and opening documents
// and web addresses with the shell.
#pragma once

#include <windows.h>

#include <string>

namespace KTUtility {

class Form;
class GUIElement;

// Runs until WM_QUIT, then frees the retired elements. A dialog main form gets
// the system's dialog keys. When no main window exists nothing could end the
// loop, so it returns at once.
void MessageLoop(Form* mainForm);

// Keeps an element replaced while the loop runs alive until the loop has ended.
void RetireElement(GUIElement* element);

// Asks the shell to open a file, a web address or a "mailto:" address.
bool ShellOpen(const std::string& target);

// The shell call ShellOpen makes; tests put their own in its place.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
extern ShellExecuteFunction shellExecute;

}  // namespace KTUtility
