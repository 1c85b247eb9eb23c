// A top-level window. A form class builds its controls in their design
// state in its constructor; load() creates the window and runs Form_Load.
// Forms are reached through a FormSlot, which loads them on first use.
#pragma once

#include "container.h"
#include "types.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tavrin {

class WindowSystem;

// A window's outer size in twips.
struct OuterSize {
    Twips width = 0;
    Twips height = 0;
};

class FormPeer : public Peer {
  public:
    virtual WindowHandle handle() const = 0;
    // The outer size the window really has, frame included, where the
    // desktop's frame differs from the design's; nothing where it is the
    // form's own.
    virtual std::optional<OuterSize> outerSize() const { return std::nullopt; }
};

enum class FormBorder { None, FixedSingle };

// A bordered form's sizes are outer sizes as the design measured them: its
// caption and border took this much. Each desktop puts its own frame around
// the same client area, however large its captions and borders are.
inline constexpr Twips kDesignFrameWidth = 90;   // two borders of 3 pixels
inline constexpr Twips kDesignFrameHeight = 420; // caption and two borders

class Form : public Container {
  public:
    explicit Form(WindowSystem& ws) : ws_(ws) {}
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    WindowSystem& windowSystem() const { return ws_; }
    Form* ownerForm() override { return this; }

    // Outer position and size in twips.
    Twips left() const { return left_; }
    Twips top() const { return top_; }
    Twips width() const { return width_; }
    Twips height() const { return height_; }
    void setLeft(Twips v) { move(v, top_, width_, height_); }
    void setTop(Twips v) { move(left_, v, width_, height_); }
    void setWidth(Twips v) { move(left_, top_, v, height_); }
    void setHeight(Twips v) { move(left_, top_, width_, v); }
    void move(Twips left, Twips top, Twips width, Twips height);

    Color backColor() const { return backColor_; }
    void setBackColor(Color v);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& v);

    // The client area the design gives: the outer size less the design's
    // caption and border.
    Twips clientWidth() const;
    Twips clientHeight() const;

    // Window style, fixed before load.
    FormBorder border() const { return border_; }
    // A form with a border has a close box, which unloads it.
    bool hasCloseBox() const { return border_ == FormBorder::FixedSingle; }
    bool showInTaskbar() const { return showInTaskbar_; }
    bool centred() const { return centred_; }

    // Takes no mouse input: clicks and moves over the window reach whatever
    // lies beneath it, while the window stays where it is, shown.
    bool passThrough() const { return passThrough_; }
    void setPassThrough(bool v);

    bool visible() const { return visible_; }
    bool loaded() const { return peer_ != nullptr; }
    WindowHandle hWnd() const;

    // Creates the window and runs Form_Load; called once by the form's slot.
    void load();
    // Shows the window, modeless; the first show centres a centred form on
    // the screen and raises Form_Resize. A bordered form comes to the front with the keyboard
    // focus, also when it is shown again while open.
    void show();
    // Destroys the window with its controls and timers. Nothing of the
    // form is called afterwards; the object itself is freed by the window
    // system once the event being handled has returned.
    void destroyWindow();
    // The user closed the window (its close box, Alt+F4): a form with a
    // close box is unloaded, others take no notice.
    void closeByUser();
    // How the form's slot unloads it; set by the slot that owns the form.
    void setUnloader(std::function<void()> unloader) { unloader_ = std::move(unloader); }

    virtual void Form_Load() {}
    virtual void Form_Resize() {}
    virtual void Form_DblClick() {}
    virtual void Form_MouseMove(const MouseArgs&) {}
    // The screen's size, mode or scale changed.
    virtual void Form_DisplayChange() {}

  protected:
    void setStyle(FormBorder border, bool showInTaskbar, bool centred) {
        border_ = border;
        showInTaskbar_ = showInTaskbar;
        centred_ = centred;
    }

  private:
    void centre();

    WindowSystem& ws_;
    std::unique_ptr<FormPeer> peer_;
    Twips left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Color backColor_ = rgb(240, 240, 240);
    std::string caption_;
    FormBorder border_ = FormBorder::None;
    bool showInTaskbar_ = false;
    bool centred_ = false;
    bool passThrough_ = false;
    bool visible_ = false;
    bool shownOnce_ = false;
    std::function<void()> unloader_;
};

} // namespace tavrin
