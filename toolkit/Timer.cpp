#include "toolkit/Timer.h"

#include "toolkit/ControlHooks.h"
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
    DWORD style = WS_CHILD;
    if (!enabled) style |= WS_DISABLED;
    windowHandle = CreateControlWindow(0, L"static", style);
    if (windowHandle) SubclassControl(*this);
    // A hidden window: no tooltip and no font.
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
