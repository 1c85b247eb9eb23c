#include "text_box.h"

#include "codepage.h"

namespace tavrin {

bool insertsCharacter(int code) {
    constexpr int kFirstPrintable = 32;
    constexpr int kDelete = 127;
    constexpr int kFirstSurrogate = 0xD800, kLastSurrogate = 0xDFFF;
    constexpr int kLastCodePoint = 0x10FFFF;
    return code >= kFirstPrintable && code != kDelete && code <= kLastCodePoint &&
           (code < kFirstSurrogate || code > kLastSurrogate);
}

int TextBox::length() const {
    int count = 0;
    for (std::size_t pos = 0; pos < text_.size(); ++count)
        nextCodePoint(text_, pos);
    return count;
}

void TextBox::setText(const std::string& v) {
    const std::string_view text = untilNul(v);
    if (text == text_)
        return;
    text_.assign(text);
    if (selStart_ > length())
        selStart_ = length();
    notify(Prop::Text);
    fire(onChange);
}

void TextBox::syncText(const std::string& v) {
    const std::string_view text = untilNul(v);
    if (text == text_)
        return;
    text_.assign(text);
    fire(onChange);
}

void TextBox::setSelStart(int v) {
    if (v < 0)
        throw PropertyError("SelStart below 0");
    selStart_ = v > length() ? length() : v;
    notify(Prop::Selection);
}

} // namespace tavrin
