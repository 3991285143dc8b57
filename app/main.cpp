// The program's entry: opens the main window and runs the message loop until
// it is closed.
#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <windows.h>

namespace {

const char kTitle[] = "LurnaGame (C) 2026 LurnaGame";

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    auto* mainForm = new KTUtility::Form(instance);
    mainForm->SetText(kTitle);
    mainForm->Create();
    // Without a main window nothing could ever end the loop: MessageLoop
    // returns at once and the program ends.
    KTUtility::MessageLoop(mainForm);
    delete mainForm;
    return 0;
}
