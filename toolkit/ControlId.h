// The one counter that gives child windows, timers, menu items and forms their
// ids: the first id of a run is 1 and ids are never reused.
#pragma once

#include <windows.h>

namespace KTUtility {

// Raises the counter by one and returns the new value.
UINT NextControlId();
// The value last handed out (0 before the first).
UINT CurrentControlId();

}  // namespace KTUtility
