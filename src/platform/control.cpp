#include "control.h"

#include "container.h"

#include <cmath>

namespace tavrin {

void checkGeometry(Twips left, Twips top, Twips width, Twips height) {
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) ||
        !std::isfinite(height))
        throw PropertyError("not a finite position or size");
    if (width < 0 || height < 0)
        throw PropertyError("negative size");
}

void Control::setGeometry(Twips left, Twips top, Twips width, Twips height) {
    checkGeometry(left, top, width, height);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Prop::Geometry);
}

Form* Control::form() const {
    return parent_ ? parent_->ownerForm() : nullptr;
}

void Container::add(Control& child) {
    child.parent_ = this;
    children_.push_back(&child);
}

std::string untilNul(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

} // namespace tavrin
