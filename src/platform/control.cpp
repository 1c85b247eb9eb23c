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
    // Room for a form's usual number of controls at once, where growing one
    // by one would reallocate again and again while the form is designed.
    constexpr std::size_t kUsualChildren = 32;
    if (children_.empty())
        children_.reserve(kUsualChildren);
    child.parent_ = this;
    children_.push_back(&child);
}

std::string_view untilNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

} // namespace tavrin
