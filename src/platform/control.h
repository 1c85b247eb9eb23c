// Controls are property holders. A setter changes the value, tells the
// control's peer (the real or simulated window behind it) and raises the
// event a user's change would raise. The window system talks back through
// the sync* and raise* members when the user acts.
#pragma once

#include "types.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavrin {

class Container;
class Form;

// Raised when a property is given a value the control does not accept.
class PropertyError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class ControlKind {
    Label,
    TextBox,
    CheckBox,
    ComboBox,
    ListBox,
    HScrollBar,
    Frame,
    Shape,
    Timer,
    CommandButton,
    Tripwire
};

// What changed, so that a peer updates only that.
enum class Prop {
    Geometry,
    Visible,
    Enabled,
    Text,
    ForeColor,
    BackColor,
    Font,
    Style,
    ToolTip,
    Items,
    Value,
    Selection,
    Timer
};

class Peer {
  public:
    virtual ~Peer() = default;
    virtual void changed(Prop what) = 0;
};

using MouseHandler = std::function<void(const MouseArgs&)>;

class Control {
  public:
    explicit Control(ControlKind kind) : kind_(kind) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    // Labels and shapes have no window of their own: their container paints
    // them and hands them the mouse.
    bool windowless() const { return kind_ == ControlKind::Label || kind_ == ControlKind::Shape; }
    // Controls with a window of their own in the form, frames and timers
    // apart, take the keyboard focus and are stops of the Tab key.
    bool takesFocus() const {
        return !windowless() && kind_ != ControlKind::Frame && kind_ != ControlKind::Timer &&
               kind_ != ControlKind::Tripwire;
    }

    // Design-time identity: "lblButton" and 3 for lblButton(3); -1 when the
    // control is not part of an array.
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    void setName(std::string name, int index = -1) {
        name_ = std::move(name);
        index_ = index;
    }

    Twips left() const { return left_; }
    Twips top() const { return top_; }
    Twips width() const { return width_; }
    Twips height() const { return height_; }
    void setLeft(Twips v) { setGeometry(v, top_, width_, height_); }
    void setTop(Twips v) { setGeometry(left_, v, width_, height_); }
    void setWidth(Twips v) { setGeometry(left_, top_, v, height_); }
    void setHeight(Twips v) { setGeometry(left_, top_, width_, v); }
    void setGeometry(Twips left, Twips top, Twips width, Twips height);

    bool visible() const { return visible_; }
    void setVisible(bool v) { setAndNotify(visible_, v, Prop::Visible); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool v) { setAndNotify(enabled_, v, Prop::Enabled); }
    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(const std::string& v) { setAndNotify(toolTip_, v, Prop::ToolTip); }

    Container* parent() const { return parent_; }
    // The form the control stands on, through its frames.
    Form* form() const;

    // Mouse events; the handler gets the button, shift state and position.
    MouseHandler onMouseDown, onMouseMove, onMouseUp;
    std::function<void()> onClick, onDblClick;

    void raiseMouseDown(const MouseArgs& a) { fire(onMouseDown, a); }
    void raiseMouseMove(const MouseArgs& a) { fire(onMouseMove, a); }
    void raiseMouseUp(const MouseArgs& a) { fire(onMouseUp, a); }
    void raiseClick() { fire(onClick); }
    void raiseDblClick() { fire(onDblClick); }

    // The window system attaches a peer while the form is loaded.
    void attach(Peer* peer) { peer_ = peer; }
    Peer* peer() const { return peer_; }

  protected:
    void notify(Prop what) {
        if (peer_)
            peer_->changed(what);
    }
    template <class T> bool setAndNotify(T& field, const T& value, Prop what) {
        if (field == value)
            return false;
        field = value;
        notify(what);
        return true;
    }
    // A text property: copied only when it changes.
    bool setTextAndNotify(std::string& field, std::string_view value, Prop what) {
        if (field == value)
            return false;
        field.assign(value);
        notify(what);
        return true;
    }
    template <class F, class... A> static void fire(const F& handler, const A&... args) {
        if (handler)
            handler(args...);
    }

  private:
    friend class Container;
    ControlKind kind_;
    std::string name_;
    int index_ = -1;
    Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
    Container* parent_ = nullptr;
    Peer* peer_ = nullptr;
};

// Text properties end at the first NUL character, as a window's text does.
// The result looks into text.
std::string_view untilNul(std::string_view text);

// Refuses what no window can take: a negative size, or a position or size
// that is not a finite number.
void checkGeometry(Twips left, Twips top, Twips width, Twips height);

} // namespace tavrin
