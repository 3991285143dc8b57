#include "toolkit/ModalForm.h"

namespace KTUtility {

namespace {

constexpr WPARAM Enter = 13;
constexpr WPARAM Escape = 27;

// The modal form that holds the element: itself, its parent, or further up
// (a part may sit in a panel).
ModalForm* ModalFormOf(GUIElement* element) {
    for (GUIElement* level = element; level; level = level->parent) {
        if (auto* modal = dynamic_cast<ModalForm*>(level)) return modal;
    }
    return nullptr;
}

bool ForwardClosing(GUIElement* element) {
    auto* modal = dynamic_cast<ModalForm*>(element);
    return modal ? modal->ReleaseOwner() : true;
}

}  // namespace

ModalForm::ModalForm(Form* ownerForm, int clientWidth, int clientHeight)
    : Form(ownerForm->instanceHandle, DialogFrame{}),
      owner(ownerForm),
      fixedClientWidth(clientWidth),
      fixedClientHeight(clientHeight) {
    modalFrame = true;
    width = clientWidth;
    height = clientHeight;
    CenterOnScreen();
    minimizeBox = false;
    maximizeBox = false;
    onClosing = ForwardClosing;
    onKeyPress = ForwardKey;
    owner->SetEnabled(false);
    owner->companion = this;
}

ModalForm::~ModalForm() {
    DestroyModalWindow();
}

void ModalForm::DestroyModalWindow() {
    // Deleted without being closed (never created, or still open): the owner
    // must not stay disabled with a companion that is gone.
    if (owner->companion == this) ReleaseOwner();
    DestroyFormWindow();
}

void ModalForm::Create() {
    Form::Create();
    if (!windowHandle) {
        ReleaseOwner();
        return;
    }
    // The window was shown inside its own creation, before it counted as
    // created, when the client size could not be set yet; grown by its frame,
    // it is centred again.
    OnShow();
    CenterOnScreen();
}

void ModalForm::OnShow() {
    SetClientSize(fixedClientWidth, fixedClientHeight);
}

bool ModalForm::ReleaseOwner() {
    UnregisterHotKeys();
    if (owner->companion == this) {
        owner->companion = nullptr;
        owner->SetEnabled(true);
    }
    return true;
}

bool ModalForm::HandleKey(WPARAM character) {
    if (character != Enter && character != Escape) return true;
    Dismiss();
    return false;
}

void ModalForm::Dismiss() {
    SendMessageW(windowHandle, WM_CLOSE, 0, 0);
    created = false;
}

bool ModalForm::ForwardKey(GUIElement* element, WPARAM character) {
    ModalForm* modal = ModalFormOf(element);
    return modal ? modal->HandleKey(character) : true;
}

}  // namespace KTUtility
