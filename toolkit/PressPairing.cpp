#include "toolkit/PressPairing.h"

#include <cstdlib>

namespace KTUtility {

bool PressPairing::Pressed(HWND window, POINT at, DWORD time) {
    if (last_ && PairsWith(*last_, window, at, time)) {
        last_.reset();
        return true;
    }
    RECT box{};
    GetWindowRect(window, &box);
    last_ = Press{window, at, box, time};
    return false;
}

void PressPairing::DoubleClicked() {
    last_.reset();
}

void PressPairing::Released(POINT at) {
    if (last_ && !PtInRect(&last_->box, at)) last_.reset();
}

bool PressPairing::PairsWith(const Press& first, HWND window, POINT at, DWORD time) const {
    if (window == first.window) return false;
    // Message times wrap around after 49.7 days; the unsigned difference does too.
    if (time - first.time > GetDoubleClickTime()) return false;
    // The system's double-click rectangle is centred on the first press.
    return std::abs(at.x - first.at.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(at.y - first.at.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

}  // namespace KTUtility
