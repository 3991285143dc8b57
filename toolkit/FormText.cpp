#include "toolkit/FormText.h"

#include "toolkit/Button.h"
#include "toolkit/FontDescription.h"
#include "toolkit/TextBox.h"

namespace KTUtility {

namespace {

constexpr int Margin = 10;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 25;
// From the button's top to the client's bottom edge.
constexpr int ButtonBottomGap = 37;

void ForwardCreate(GUIElement* element, HWND) {
    if (auto* form = dynamic_cast<FormText*>(element)) form->BuildContents();
}

void ForwardCommand(GUIElement* element) {
    if (auto* form = dynamic_cast<FormText*>(element->parent)) form->HandleCommand(element);
}

}  // namespace

FormText::FormText(Form* ownerForm, int clientWidth, int clientHeight)
    : ModalForm(ownerForm, clientWidth, clientHeight),
      // Large enough to read at length.
      bodyFont(std::make_unique<FontDescription>("Arial", 16)) {
    font = bodyFont.get();
    onCreate = ForwardCreate;
}

FormText::~FormText() {
    DestroyModalWindow();
}

void FormText::BuildContents() {
    const int buttonTop = fixedClientHeight - ButtonBottomGap;

    textBox = std::make_unique<TextBox>(this, bodyText);
    textBox->SetSize(fixedClientWidth - 2 * Margin, buttonTop - 2 * Margin);
    textBox->SetPosition(Margin, Margin);
    textBox->multiLine = true;
    textBox->readOnly = true;
    textBox->verticalBar = true;
    textBox->wordWrap = true;
    textBox->font = bodyFont.get();
    textBox->onKeyPress = ForwardKey;
    textBox->Create();

    okButton = std::make_unique<Button>(this, "OK");
    okButton->SetSize(ButtonWidth, ButtonHeight);
    okButton->SetPosition((fixedClientWidth - ButtonWidth) / 2, buttonTop);
    okButton->commandHandler = ForwardCommand;
    okButton->onKeyPress = ForwardKey;
    okButton->Create();

    if (textBox->windowHandle) SetFocus(textBox->windowHandle);
}

void FormText::HandleCommand(GUIElement* element) {
    if (!element || !okButton || element->controlId != okButton->controlId) return;
    Dismiss();
}

}  // namespace KTUtility
