// A window to read a long text in: the text in a read-only box that wraps its
// lines at the box's edge and scrolls up and down, and an "OK" button under
// it. It is modal to its owner. The game shows its rules in one.
#pragma once

#include "toolkit/ModalForm.h"

#include <memory>
#include <string>

namespace KTUtility {

class Button;
class FontDescription;
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
    // Owned, and freed in the reverse of this order once the window is gone:
    // the font, the form's own, outlives the box that shows it.
    std::unique_ptr<FontDescription> bodyFont;
    std::unique_ptr<TextBox> textBox;
    std::unique_ptr<Button> okButton;
};

}  // namespace KTUtility
