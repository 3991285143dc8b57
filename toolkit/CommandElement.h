// The second base of every element that fires a command (buttons, menu items).
#pragma once

namespace KTUtility {

class GUIElement;

// Takes the element that fired, so one handler can serve many elements.
using CommandHandler = void (*)(GUIElement* element);

class CommandElement {
public:
    CommandHandler commandHandler = nullptr;
};

}  // namespace KTUtility
