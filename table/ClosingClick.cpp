#include "table/ClosingClick.h"

#include <cstdlib>

namespace MyGame {

void ClosingClick::Pressed(POINT at, DWORD time) {
    pressed_ = Press{at, time};
}

void ClosingClick::Fired() {
    closedBy_ = pressed_;
    pressed_.reset();
}

bool ClosingClick::IsSecondPress(POINT at, DWORD time) const {
    if (!closedBy_) return false;
    // Message times wrap around after 49.7 days; the unsigned difference does too.
    const DWORD elapsed = time - closedBy_->time;
    if (elapsed > GetDoubleClickTime()) return false;
    // The system's double-click rectangle is centred on the first press.
    return std::abs(at.x - closedBy_->at.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           std::abs(at.y - closedBy_->at.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

}  // namespace MyGame
