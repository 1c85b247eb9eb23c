// A push button: a real button control, owner-drawn so that it takes its
// colours.
#pragma once

#include "control.h"

namespace tavrin {

class CommandButton : public Control {
  public:
    CommandButton() : Control(ControlKind::CommandButton) {}

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& v) { setTextAndNotify(caption_, untilNul(v), Prop::Text); }
    Color backColor() const { return backColor_; }
    void setBackColor(Color v) { setAndNotify(backColor_, v, Prop::BackColor); }
    const Font& font() const { return font_; }
    void setFont(const Font& v) {
        font_ = v;
        notify(Prop::Font);
    }

  private:
    std::string caption_;
    Color backColor_ = rgb(240, 240, 240);
    Font font_;
};

} // namespace tavrin
