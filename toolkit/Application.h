// The message loop, the elements retired while it runs, and opening documents
// and web addresses with the shell.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace KTUtility {

class Form;
class GUIElement;

// Runs until WM_QUIT, then frees the retired elements; between two messages it
// frees those that are closed. A dialog main form gets the system's dialog
// keys. When no main window exists nothing could end the loop, so it returns
// at once.
void MessageLoop(Form* mainForm);

// Takes an element replaced while the loop runs: it stays alive while its
// window is open, since it may be inside its own messages, and is freed by the
// loop between two messages once its window is gone, or when the loop ends.
void RetireElement(std::unique_ptr<GUIElement> element);

// Frees the retired elements that can have no message of their own to finish:
// their window is destroyed or was never made. Only between two dispatches,
// never from a handler: a handler further up the stack may belong to one of
// them (a link whose shell call ran a message loop in which its form closed).
void FreeClosedRetired();

// Asks the shell to open a file, a web address or a "mailto:" address.
bool ShellOpen(const std::string& target);

// The shell call ShellOpen makes; tests put their own in its place.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
extern ShellExecuteFunction shellExecute;

}  // namespace KTUtility
