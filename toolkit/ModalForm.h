// A form that is modal to its owner by hand: while it is open the owner is
// disabled and this form is the owner's companion, which the window procedure
// keeps above it. Its client area has a fixed size, and Enter and Escape close
// it as its "OK" button does. The About window and the rules window are such
// forms.
#pragma once

#include "toolkit/Form.h"

namespace KTUtility {

class ModalForm : public Form {
public:
    // Disables the owner and becomes its companion until ReleaseOwner. The
    // owner must outlive the form: a form deleted before it was closed
    // releases its owner then.
    ModalForm(Form* ownerForm, int clientWidth, int clientHeight);
    ~ModalForm() override;

    // The window comes up at the fixed client size, centred on the screen.
    // When it cannot be made nothing could ever close it, so the owner is
    // released at once instead of staying disabled for good.
    void Create() override;
    // Every showing puts the client area back to its fixed size.
    void OnShow() override;

    // The close request. Only the owner's companion gives the owner back: when
    // another form has become the companion since, the owner stays as that
    // form wants it.
    virtual bool ReleaseOwner();
    // Enter and Escape act as the OK button and are swallowed.
    virtual bool HandleKey(WPARAM character);
    // What the OK button does: closes the window.
    void Dismiss();

    // The onKeyPress callback of the form and of each of its parts: the key
    // goes to HandleKey of the modal form that holds the element.
    static bool ForwardKey(GUIElement* element, WPARAM character);

    Form* owner;
    const int fixedClientWidth;
    const int fixedClientHeight;

protected:
    // Gives the owner back when this form is still its companion, then
    // destroys the window. A derived form calls it first in its destructor,
    // before it frees its parts: the owner is enabled before the window goes,
    // so that the system hands the activation back to it.
    void DestroyModalWindow();
};

}  // namespace KTUtility
