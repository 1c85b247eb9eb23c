// A check box: a real button control. Value 0 unchecked, 1 checked, 2 greyed.
// Setting Value from code raises Click when the value changes.
#pragma once

#include "control.h"

namespace tavrin {

class CheckBox : public Control {
  public:
    CheckBox() : Control(ControlKind::CheckBox) {}

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& v) { setTextAndNotify(caption_, untilNul(v), Prop::Text); }
    int value() const { return value_; }
    void setValue(int v) {
        if (v < 0 || v > 2)
            throw PropertyError("check box value out of range");
        if (setAndNotify(value_, v, Prop::Value))
            fire(onClick);
    }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color v) { setAndNotify(foreColor_, v, Prop::ForeColor); }
    Color backColor() const { return backColor_; }
    void setBackColor(Color v) { setAndNotify(backColor_, v, Prop::BackColor); }
    const Font& font() const { return font_; }
    void setFont(const Font& v) {
        font_ = v;
        notify(Prop::Font);
    }
    // A graphical check box looks like a button that stays pressed.
    bool graphical() const { return graphical_; }
    void setGraphical(bool v) { setAndNotify(graphical_, v, Prop::Style); }

    // From the window system: the user clicked it.
    void userToggle() { setValue(value_ == 1 ? 0 : 1); }

  private:
    std::string caption_;
    int value_ = 0;
    Color foreColor_ = 0;
    Color backColor_ = rgb(240, 240, 240);
    Font font_;
    bool graphical_ = false;
};

} // namespace tavrin
