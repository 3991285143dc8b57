#include "toolkit/Timer.h"

#include "toolkit/ControlHooks.h"
#include "toolkit/Registry.h"
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

void TickTimer(HWND window, UINT_PTR id) {
    auto* timer = dynamic_cast<Timer*>(FindById(static_cast<UINT>(id)));
    if (!timer || !timer->tickHandler || ParentWindow(timer) != window) return;
    timer->tickHandler(timer);
}

}  // namespace KTUtility
