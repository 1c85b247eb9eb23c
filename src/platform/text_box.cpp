#include "text_box.h"

#include "codepage.h"

namespace tavrin {

int TextBox::length() const {
    int count = 0;
    for (std::size_t pos = 0; pos < text_.size(); ++count)
        nextCodePoint(text_, pos);
    return count;
}

void TextBox::setText(const std::string& v) {
    std::string text = untilNul(v);
    if (text == text_)
        return;
    text_ = std::move(text);
    if (selStart_ > length())
        selStart_ = length();
    notify(Prop::Text);
    fire(onChange);
}

void TextBox::syncText(const std::string& v) {
    std::string text = untilNul(v);
    if (text == text_)
        return;
    text_ = std::move(text);
    fire(onChange);
}

void TextBox::setSelStart(int v) {
    if (v < 0)
        throw PropertyError("SelStart below 0");
    selStart_ = v > length() ? length() : v;
    notify(Prop::Selection);
}

} // namespace tavrin
