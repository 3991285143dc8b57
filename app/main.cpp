// The program's entry: opens the game window and runs the message loop until
// it is closed.
#include "table/AboutData.h"
#include "table/FormMain.h"
#include "toolkit/Application.h"

#include <windows.h>

#include <memory>
#include <string>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const std::string title = std::string(MyGame::ProductName) + " " + MyGame::RightsLine;
    auto game = std::make_unique<MyGame::FormMain>(instance, title);
    // Without a main window nothing could ever end the loop: MessageLoop
    // returns at once and the program ends. The loop frees the elements retired
    // while it ran before the game window goes.
    KTUtility::MessageLoop(game.get());
    return 0;
}
