// A periodic tick source: a window timer set on the parent form's window under
// the timer's own control id. The window procedure maps each WM_TIMER back to
// the timer and calls its tick handler.
#pragma once

#include "toolkit/Child.h"

namespace KTUtility {

class Timer;

using TickHandler = void (*)(Timer* timer);

class Timer : public Child {
public:
    explicit Timer(GUIElement* parentForm);
    // A running timer is stopped first, so no tick outlives it.
    ~Timer() override;

    // Makes the hidden window that holds the id; Start does it when needed.
    void Create() override;
    // Sets the system timer with the interval of this moment; a running timer
    // is left as it is.
    void Start();
    void Stop();

    bool running = false;
    int interval = 20;
    TickHandler tickHandler = nullptr;
};

}  // namespace KTUtility
