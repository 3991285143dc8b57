#include "toolkit/Application.h"

#include "toolkit/Form.h"
#include "toolkit/Text.h"
#include "toolkit/WindowProcedure.h"

#include <shellapi.h>

#include <vector>

namespace KTUtility {

ShellExecuteFunction shellExecute = ShellExecuteW;

namespace {

std::vector<GUIElement*>& Retired() {
    static std::vector<GUIElement*> retired;
    return retired;
}

void FreeRetired() {
    // Freeing an element may retire others; take the list as it is now.
    std::vector<GUIElement*> retired;
    retired.swap(Retired());
    for (GUIElement* element : retired) delete element;
}

bool IsClosed(const GUIElement* element) {
    return !element || !element->windowHandle || element->destroyed;
}

}  // namespace

void MessageLoop(Form* mainForm) {
    HWND mainWindow = Dispatch().mainWindow;
    if (mainWindow && IsWindow(mainWindow)) {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (mainForm && mainForm->dialog && IsDialogMessageW(mainForm->windowHandle, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
            FreeClosedRetired();
        }
    }
    FreeRetired();
}

void RetireElement(GUIElement* element) {
    Retired().push_back(element);
}

void FreeClosedRetired() {
    std::vector<GUIElement*>& retired = Retired();
    if (retired.empty()) return;
    std::vector<GUIElement*> closed;
    std::vector<GUIElement*> open;
    for (GUIElement* element : retired) (IsClosed(element) ? closed : open).push_back(element);
    // Freeing an element may retire others: the list is settled first.
    retired.swap(open);
    for (GUIElement* element : closed) delete element;
}

bool ShellOpen(const std::string& target) {
    std::wstring wide = Widen(target);
    HINSTANCE result = shellExecute(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace KTUtility
