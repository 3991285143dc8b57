#include "toolkit/Application.h"

#include "toolkit/Form.h"
#include "toolkit/Text.h"
#include "toolkit/WindowProcedure.h"

#include <shellapi.h>

#include <utility>
#include <vector>

namespace KTUtility {

ShellExecuteFunction shellExecute = ShellExecuteW;

namespace {

using ElementList = std::vector<std::unique_ptr<GUIElement>>;

ElementList& Retired() {
    static ElementList retired;
    return retired;
}

void FreeRetired() {
    // Freeing an element may retire others; take the list as it is now.
    ElementList retired;
    retired.swap(Retired());
    retired.clear();
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

void RetireElement(std::unique_ptr<GUIElement> element) {
    Retired().push_back(std::move(element));
}

void FreeClosedRetired() {
    ElementList& retired = Retired();
    if (retired.empty()) return;
    ElementList closed;
    ElementList open;
    for (auto& element : retired) (IsClosed(element.get()) ? closed : open).push_back(std::move(element));
    // Freeing an element may retire others: the list is settled first.
    retired.swap(open);
    closed.clear();
}

bool ShellOpen(const std::string& target) {
    std::wstring wide = Widen(target);
    HINSTANCE result = shellExecute(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace KTUtility
