// A windowless label, painted by its container. "&&" in a caption draws as
// one "&".
#pragma once

#include "control.h"

namespace tavrin {

class Label : public Control {
  public:
    Label() : Control(ControlKind::Label) {}

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& v) {
        if (setTextAndNotify(caption_, untilNul(v), Prop::Text))
            fitToText();
    }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color v) { setAndNotify(foreColor_, v, Prop::ForeColor); }
    Color backColor() const { return backColor_; }
    void setBackColor(Color v) { setAndNotify(backColor_, v, Prop::BackColor); }
    bool transparent() const { return transparent_; }
    void setTransparent(bool v) { setAndNotify(transparent_, v, Prop::Style); }
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment v) { setAndNotify(alignment_, v, Prop::Style); }
    // 0 none, 1 fixed single line.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int v) { setAndNotify(borderStyle_, v, Prop::Style); }
    // An auto-sized label keeps its left and top and takes the size of its
    // text, as the window system measures it in the label's font.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool v) {
        if (setAndNotify(autoSize_, v, Prop::Style))
            fitToText();
    }
    const Font& font() const { return font_; }
    void setFont(const Font& v) {
        font_ = v;
        notify(Prop::Font);
        fitToText();
    }
    // Sizes an auto-sized label that stands on a form to its text; the
    // form's load does it for every label it holds.
    void fitToText();

  private:
    std::string caption_;
    Color foreColor_ = 0;
    Color backColor_ = rgb(240, 240, 240);
    bool transparent_ = false;
    Alignment alignment_ = Alignment::Left;
    int borderStyle_ = 0;
    bool autoSize_ = false;
    Font font_;
};

// What a caption shows: "&&" becomes "&"; a lone "&" (an access key marker)
// is dropped.
std::string displayedCaption(const std::string& caption);

} // namespace tavrin
