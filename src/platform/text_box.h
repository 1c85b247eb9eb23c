// A one-line text box: a real edit control. Setting Text from code raises
// Change when the text changes, as typing does.
#pragma once

#include "control.h"

namespace tavrin {

// Whether a typed character code, as KeyPress leaves it, stands for a
// character the box inserts: not a control code, not DEL (Ctrl+Backspace),
// not half of a surrogate pair, not beyond Unicode.
bool insertsCharacter(int code);

class TextBox : public Control {
  public:
    TextBox() : Control(ControlKind::TextBox) {}

    const std::string& text() const { return text_; }
    void setText(const std::string& v);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color v) { setAndNotify(foreColor_, v, Prop::ForeColor); }
    Color backColor() const { return backColor_; }
    void setBackColor(Color v) { setAndNotify(backColor_, v, Prop::BackColor); }
    const Font& font() const { return font_; }
    void setFont(const Font& v) {
        font_ = v;
        notify(Prop::Font);
    }
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment v) { setAndNotify(alignment_, v, Prop::Style); }
    // Characters the user can type at most; 0 means no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int v) { setAndNotify(maxLength_, v, Prop::Style); }
    // Caret position in characters (code points), 0 .. length.
    int selStart() const { return selStart_; }
    void setSelStart(int v);
    int length() const;

    // KeyPress: the handler may replace the character code; 0 consumes it.
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void()> onChange;

    // From the window system: the user typed; returns the code to insert.
    int raiseKeyPress(int keyAscii) {
        if (onKeyPress)
            onKeyPress(keyAscii);
        return keyAscii;
    }
    // From the window system: the control's text changed under the user.
    void syncText(const std::string& v);
    void syncSelStart(int v) { selStart_ = v; }

  private:
    std::string text_;
    Color foreColor_ = 0;
    Color backColor_ = rgb(255, 255, 255);
    Font font_;
    Alignment alignment_ = Alignment::Left;
    int maxLength_ = 0;
    int selStart_ = 0;
};

} // namespace tavrin
