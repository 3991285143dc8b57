// A window to read a long text in: the text in a read-only box that wraps its
// lines at the box's edge and scrolls up and down, and an "OK" button under
// it. It is modal to its owner. The game shows its rules in one.
#pragma once

#include "toolkit/ModalForm.h"

#include <string>

namespace KTUtility {

class Button;
class TextBox;

class FormText : public ModalForm {
public:
    // The caption and the text are the owner's to set before Create.
    FormText(Form* ownerForm, int clientWidth, int clientHeight);
    ~FormText() override;

    // Lays the parts out for the fixed client area, which the window has once
    // it is shown; the text box gets the focus, so that the keys and the wheel
    // scroll the text.
    virtual void BuildContents();
    virtual void HandleCommand(GUIElement* element);

    // Lines separated by CR LF.
    std::string bodyText;
    TextBox* textBox = nullptr;
    Button* okButton = nullptr;
};

}  // namespace KTUtility
