// A horizontal scroll bar. Setting Value raises Change on every change; a
// value outside Min..Max is refused.
#pragma once

#include "control.h"

namespace tavrin {

class HScrollBar : public Control {
  public:
    HScrollBar() : Control(ControlKind::HScrollBar) {}

    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max) {
        min_ = min;
        max_ = max;
        notify(Prop::Style);
    }
    int value() const { return value_; }
    void setValue(int v) {
        if (v < min_ || v > max_)
            throw PropertyError("scroll bar value out of range");
        if (setAndNotify(value_, v, Prop::Value))
            fire(onChange);
    }

    std::function<void()> onChange;

  private:
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
};

} // namespace tavrin
