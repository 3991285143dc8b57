#include "toolkit/Child.h"

namespace KTUtility {

Child::Child(GUIElement* parentElement) : GUIElement(nullptr) {
    parent = parentElement;
}

}  // namespace KTUtility
