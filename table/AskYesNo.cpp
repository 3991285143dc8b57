#include "table/AskYesNo.h"

namespace MyGame {

MessageBoxFunction messageBox = MessageBoxA;

bool AskYesNo(const std::string& text, const std::string& caption) {
    return messageBox(nullptr, text.c_str(), caption.c_str(), MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}

}  // namespace MyGame
