#include "form.h"

#include "frame.h"
#include "label.h"
#include "window_system.h"

#include <algorithm>
#include <cassert>

namespace tavrin {

Form::~Form() {
    // Only a form's slot frees a form, and only once its window is gone.
    assert(!loaded() && "a loaded form was deleted");
}

void Form::move(Twips left, Twips top, Twips width, Twips height) {
    checkGeometry(left, top, width, height);
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
    const std::string_view text = untilNul(v);
    if (text == caption_)
        return;
    caption_.assign(text);
    if (peer_)
        peer_->changed(Prop::Text);
}

void Form::setPassThrough(bool v) {
    if (v == passThrough_)
        return;
    passThrough_ = v;
    if (peer_)
        peer_->changed(Prop::Style);
}

Twips Form::clientWidth() const {
    return border_ == FormBorder::None ? width_ : std::max<Twips>(0, width_ - kDesignFrameWidth);
}

Twips Form::clientHeight() const {
    return border_ == FormBorder::None ? height_ : std::max<Twips>(0, height_ - kDesignFrameHeight);
}

WindowHandle Form::hWnd() const {
    return peer_ ? peer_->handle() : 0;
}

namespace {

// Labels put in place before their frame stood on the form could not be
// measured then.
void fitLabels(Container& container) {
    for (Control* c : container.children()) {
        if (c->kind() == ControlKind::Label)
            static_cast<Label*>(c)->fitToText();
        else if (c->kind() == ControlKind::Frame)
            fitLabels(*static_cast<Frame*>(c));
    }
}

} // namespace

void Form::load() {
    if (peer_)
        return;
    fitLabels(*this);
    peer_ = ws_.createWindow(*this);
    Form_Load();
}

void Form::show() {
    if (!peer_)
        return;
    // Shown again while it is open: a bordered form comes to the front
    // with the keyboard focus; the bar and the panel stay as they are.
    if (visible_) {
        if (border_ != FormBorder::None)
            peer_->changed(Prop::Visible);
        return;
    }
    visible_ = true;
    // The first Form_Resize comes before the window is seen, so that its
    // first paint shows what the handler arranged.
    auto appear = [this] {
        if (peer_ && visible_)
            peer_->changed(Prop::Visible);
    };
    if (!shownOnce_) {
        centre();
        shownOnce_ = true;
        try {
            Form_Resize();
        } catch (...) {
            appear();
            throw;
        }
    }
    appear();
}

// A centred form stands in the middle of the screen as its load left it
// (the settings window takes its short layout there); its own position
// follows, so that the program reads where it is.
void Form::centre() {
    if (!centred_)
        return;
    // Centred as it stands on the screen, its real frame included.
    const OuterSize outer =
        (peer_ ? peer_->outerSize() : std::nullopt).value_or(OuterSize{width_, height_});
    const Twips left = (ws_.screenWidth() - outer.width) / 2;
    const Twips top = (ws_.screenHeight() - outer.height) / 2;
    move(std::max<Twips>(left, 0), std::max<Twips>(top, 0), width_, height_);
}

void Form::destroyWindow() {
    visible_ = false;
    peer_.reset();
}

void Form::closeByUser() {
    if (hasCloseBox() && loaded() && unloader_)
        unloader_();
}

} // namespace tavrin
