#include "platform/win32/form_context.h"

#include "platform/win32/controls/child_control.h"
#include "platform/win32/win32_desktop.h"

#include <algorithm>

namespace tavrin::win32 {

bool FormContext::live() const {
    return loaded_ && !desktop.ended();
}

TextPainter& FormContext::painter() const {
    return desktop.painter();
}

BrushCache& FormContext::brushes() const {
    return desktop.brushes();
}

void FormContext::strike(ChildControl& child) {
    children_.erase(std::remove(children_.begin(), children_.end(), &child), children_.end());
}

ChildControl* FormContext::childFor(HWND window) const {
    if (!window)
        return nullptr;
    for (ChildControl* child : children_)
        if (child->owns(window))
            return child;
    return nullptr;
}

} // namespace tavrin::win32
