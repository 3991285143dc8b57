#include "toolkit/Registry.h"

#include "toolkit/Child.h"
#include "toolkit/ControlHooks.h"

#include <algorithm>

namespace KTUtility {

namespace {

std::vector<GUIElement*>& Elements() {
    static std::vector<GUIElement*> elements;
    return elements;
}

}  // namespace

void AddToRegistry(GUIElement* element) {
    Elements().push_back(element);
}

void RemoveFromRegistry(GUIElement* element) {
    auto& elements = Elements();
    elements.erase(std::remove(elements.begin(), elements.end(), element), elements.end());
}

GUIElement* FindByHandle(HWND window) {
    const auto& elements = Elements();
    for (GUIElement* element : elements) {
        if (element->windowHandle == window) return element;
    }
    if (!elements.empty() && !elements.back()->windowHandle) return elements.back();
    return nullptr;
}

GUIElement* FindById(UINT id) {
    for (GUIElement* element : Elements()) {
        if (element->controlId == id && id != 0) return element;
    }
    return nullptr;
}

SubMenu* FindSubMenuById(UINT id) {
    for (GUIElement* element : Elements()) {
        if (element->controlId != id || id == 0) continue;
        if (SubMenu* item = AsSubMenu(element)) return item;
    }
    return nullptr;
}

std::vector<Child*> ChildrenOf(HWND form) {
    std::vector<Child*> children;
    for (GUIElement* element : Elements()) {
        auto* child = dynamic_cast<Child*>(element);
        if (child && child->parent && child->parent->windowHandle == form) children.push_back(child);
    }
    return children;
}

}  // namespace KTUtility
