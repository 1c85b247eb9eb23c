#include "form.h"

#include "window_system.h"

namespace tavrin {

Form::~Form() = default;

void Form::move(Twips left, Twips top, Twips width, Twips height) {
    if (width < 0 || height < 0)
        throw PropertyError("negative size");
    bool resized = width != width_ || height != height_;
    if (!resized && left == left_ && top == top_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (peer_)
        peer_->changed(Prop::Geometry);
    if (resized && shownOnce_)
        Form_Resize();
}

void Form::setBackColor(Color v) {
    if (v == backColor_)
        return;
    backColor_ = v;
    if (peer_)
        peer_->changed(Prop::BackColor);
}

void Form::setCaption(const std::string& v) {
    std::string text = untilNul(v);
    if (text == caption_)
        return;
    caption_ = std::move(text);
    if (peer_)
        peer_->changed(Prop::Text);
}

WindowHandle Form::hWnd() const {
    return peer_ ? peer_->handle() : 0;
}

void Form::load() {
    if (peer_)
        return;
    peer_ = ws_.createWindow(*this);
    Form_Load();
}

void Form::show() {
    if (!peer_ || visible_)
        return;
    visible_ = true;
    peer_->changed(Prop::Visible);
    if (!shownOnce_) {
        shownOnce_ = true;
        Form_Resize();
    }
}

void Form::destroyWindow() {
    visible_ = false;
    peer_.reset();
}

} // namespace tavrin
