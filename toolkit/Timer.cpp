#include "toolkit/Timer.h"

#include "toolkit/ControlHooks.h"
#include "toolkit/ControlId.h"
#include "toolkit/WindowProcedure.h"

namespace KTUtility {

namespace {

HWND ParentWindow(const GUIElement* element) {
    return element->parent ? element->parent->windowHandle : nullptr;
}

}  // namespace

Timer::Timer(GUIElement* parentForm) : Child(parentForm) {
    width = 50;
    height = 22;
    text = L"timer";
    typeName = "timer";
}

Timer::~Timer() {
    Stop();
}

void Timer::Create() {
    if (created) return;
    controlId = NextControlId();
    DWORD style = WS_CHILD;
    if (!enabled) style |= WS_DISABLED;
    windowHandle = CreateWindowExW(0, L"static", text.c_str(), style, x, y, width, height, ParentWindow(this),
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)), nullptr, nullptr);
    if (windowHandle) {
        SubclassControl(*this);
    } else {
        GetLastError();
    }
    created = true;
}

void Timer::Start() {
    if (running) return;
    Create();
    SetTimer(ParentWindow(this), controlId, static_cast<UINT>(interval), nullptr);
    running = true;
}

void Timer::Stop() {
    if (!running) return;
    KillTimer(ParentWindow(this), controlId);
    running = false;
}

Timer* AsTimer(GUIElement* element) {
    return dynamic_cast<Timer*>(element);
}

void TickTimer(Timer* timer) {
    if (timer->tickHandler) timer->tickHandler(timer);
}

}  // namespace KTUtility
