// A top-level window: the game table and the About window are forms.
#pragma once

#include "toolkit/GUIElement.h"

#include <vector>

namespace KTUtility {

class Form;

using HotKeyHandler = void (*)(Form* form, UINT modifiers, UINT key);

struct HotKey {
    UINT modifiers;
    UINT key;
    HotKeyHandler handler;
};

// Chooses the constructor of a dialog form (tool-window frame, dialog keys).
struct DialogFrame {};

class Form : public GUIElement {
public:
    explicit Form(HINSTANCE instance);
    Form(HINSTANCE instance, DialogFrame);
    ~Form() override;

    void Create() override;

    void CenterOnScreen();
    void SetClientSize(int clientWidth, int clientHeight);
    void SetIcon(WORD number);
    void RegisterHotKeys();
    void UnregisterHotKeys();

    // The window style and extended style that Create gives the window.
    DWORD WindowStyle() const;
    DWORD ExtendedStyle() const;

    Form* companion = nullptr;
    bool topmost = true;
    bool minimizeBox = true;
    bool maximizeBox = true;
    bool caption = true;
    bool dialog = false;
    bool modalFrame = false;
    std::vector<HotKey> hotKeys;
    // Loaded with LoadIconW, so shared with the system: never destroyed.
    HICON iconHandle = nullptr;
    WORD iconResource = 0;

protected:
    // Destroys the window while the whole form still exists. A derived form
    // calls it first in its destructor, before it frees its parts, so that the
    // messages of the teardown reach only live elements.
    void DestroyFormWindow();
};

}  // namespace KTUtility
