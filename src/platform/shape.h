// A windowless rectangle, painted by its container.
#pragma once

#include "control.h"

namespace tavrin {

class Shape : public Control {
  public:
    Shape() : Control(ControlKind::Shape) {}

    bool filled() const { return filled_; }
    Color fillColor() const { return fillColor_; }
    void setFill(bool filled, Color color) {
        filled_ = filled;
        fillColor_ = color;
        notify(Prop::BackColor);
    }
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color v) { setAndNotify(borderColor_, v, Prop::ForeColor); }
    // When set, the outline takes the system's window-text colour.
    bool systemBorderColor() const { return systemBorderColor_; }
    void setSystemBorderColor(bool v) { setAndNotify(systemBorderColor_, v, Prop::ForeColor); }

  private:
    bool filled_ = false;
    Color fillColor_ = 0;
    Color borderColor_ = 0;
    bool systemBorderColor_ = false;
};

} // namespace tavrin
