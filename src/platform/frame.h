// A frame: a child container that clips what it holds.
#pragma once

#include "container.h"
#include "control.h"

namespace tavrin {

class Frame : public Control, public Container {
  public:
    Frame() : Control(ControlKind::Frame) {}

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& v) { setTextAndNotify(caption_, untilNul(v), Prop::Text); }
    bool bordered() const { return bordered_; }
    void setBordered(bool v) { setAndNotify(bordered_, v, Prop::Style); }
    Color backColor() const { return backColor_; }
    void setBackColor(Color v) { setAndNotify(backColor_, v, Prop::BackColor); }

    Form* ownerForm() override { return form(); }

  private:
    std::string caption_;
    bool bordered_ = true;
    Color backColor_ = rgb(240, 240, 240);
};

} // namespace tavrin
