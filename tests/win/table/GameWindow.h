// The game window under test: a real FormMain built as the program builds it,
// with the message box and the shell replaced, its sounds and beeps recorded
// instead of played, the client size measured while its contents were built,
// and the turn timer stopped so that the test delivers every tick itself.
// Events go in as the windows receive them from a person: mouse messages on
// the card pictures, clicks on the buttons, menu commands and timer messages on
// the form.
#pragma once

#include "table/FormMain.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace KTUtility {
class Button;
}

namespace TableTest {

// Whether the long variants of the monkey and the soak are asked for
// (LURNA_LONG_TESTS=1, which scripts/test --long sets).
bool LongTests();

// One call of the message box.
struct Question {
    HWND owner;
    std::string text;
    std::string caption;
    UINT flags;
};

struct ShellCall {
    std::wstring verb;
    std::wstring target;
};

class GameWindow {
public:
    GameWindow();
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    MyGame::FormMain& Form() { return *form_; }
    HWND Window() const { return window_; }
    // Deletes the form as the program does after its message loop.
    void Delete() { form_.reset(); }

    // The client area while the contents were built.
    SIZE creationClient{};

    // The message box records every question and answers this; while it is
    // open it runs duringQuestion, as ticks arrive under a real one.
    std::vector<Question> questions;
    int answer = IDNO;
    std::function<void()> duringQuestion;
    std::vector<ShellCall> shellCalls;
    // The sound resources the game played, in order, and its beeps.
    std::vector<int> sounds;
    int beeps = 0;

    // A tick of the turn timer, as the system delivers it to the form.
    void Tick();
    // The left button pressed and released inside a card picture.
    void Press(int position);
    // The left button pressed and released at a point of a window's client area.
    void PressWindow(HWND window, POINT at);
    // A click on a button: the button itself sends the command to its parent.
    void Click(KTUtility::Button& button);
    // A menu item chosen: the command the menu sends to the form.
    void ChooseMenuItem(UINT itemId);
    // A key pressed and released, as the system posts it to the window with the
    // keyboard focus (the game window when none of its windows has it) and the
    // message loop translates and dispatches it; repeated, as the keyboard's
    // auto-repeat sends it.
    void Key(UINT key, bool repeated = false);

private:
    std::unique_ptr<MyGame::FormMain> form_;
    HWND window_ = nullptr;
};

}  // namespace TableTest
