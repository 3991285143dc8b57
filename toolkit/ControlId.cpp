#include "toolkit/ControlId.h"

namespace KTUtility {

namespace {
UINT counter = 0;
}

UINT NextControlId() {
    return ++counter;
}

UINT CurrentControlId() {
    return counter;
}

}  // namespace KTUtility
