// The peer of a control that is a real child window (an edit, a button, a
// frame ...): it owns the window and keeps its position, visibility,
// enabled state and tooltip in step with the control. The container
// window hands the control's notifications to it.
#pragma once

#include "platform/control.h"
#include "platform/win32/form_context.h"
#include "platform/win32/handles.h"

namespace tavrin::win32 {

// A BUTTON window turns a quick second press into a double-click, which a
// check box or push button takes as one more click, as users expect;
// their peers hand it on as the press it is.
inline UINT pressNotDoubleClick(UINT message) {
    return message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message;
}

class ChildControl : public Peer {
  public:
    ChildControl(FormContext& ctx, Control& control, HWND parent);
    ~ChildControl() override;
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    HWND window() const { return window_.get(); }
    Control& control() const { return control_; }
    // True for the control's window and any window it is made of (a combo
    // box's drop-down list).
    virtual bool owns(HWND window) const { return window == window_.get(); }

    void changed(Prop what) final;

    // Notifications the container window received for this control.
    virtual void command(WORD /*code*/) {}
    // WM_CTLCOLOR*: the brush for the background, colours set on dc.
    virtual HBRUSH color(HDC /*dc*/) { return nullptr; }
    virtual bool drawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual void scroll(int /*code*/) {}

  protected:
    // Creates a standard control at the control's place, watched through a
    // subclass so that its mouse events reach the program.
    void createStandard(const wchar_t* windowClass, DWORD style, DWORD exStyle = 0);
    // Puts a new standard control in the place of the window, for a style
    // the control reads only when it is created: the same place among its
    // siblings, id, tooltip and focus. Returns the old window, hidden and no
    // longer watched, for the caller to take what it still needs from it
    // and to destroy it once none of its messages is being handled; returns
    // nothing, and keeps the old window, when no new one can be made.
    UniqueWindow recreateStandard(const wchar_t* windowClass, DWORD style, DWORD exStyle = 0);
    // Takes a window made elsewhere (a frame of our own class).
    void adopt(HWND window);
    // Called after the base has handled a change (geometry, visibility,
    // enabled state, tooltip), and with every other change.
    virtual void update(Prop /*what*/) {}
    // Where the window stands in its container; a combo box reaches lower
    // to make room for its list.
    virtual RECT placement() const;
    // The subclassed control's messages; the default raises the mouse
    // events and lets the control do the rest.
    virtual LRESULT subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Raises the control's mouse event for a mouse message, if it is one;
    // true when it was.
    bool raiseMouse(UINT message, WPARAM wParam, LPARAM lParam);
    // Copies the control's font into the window; null font leaves it.
    void applyFont(HFONT font);
    // For WM_CTLCOLOR*: sets the colours on dc and gives the back brush.
    HBRUSH colors(HDC dc, Color fore, Color back);

    FormContext& ctx_;
    Control& control_;
    HWND parent_;

  private:
    HWND makeStandard(const wchar_t* windowClass, DWORD style, DWORD exStyle, int id) const;
    void watch(HWND window);
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR id, DWORD_PTR self) noexcept;
    void place();
    void applyToolTip();

    UniqueWindow window_;
    bool subclassed_ = false;
};

} // namespace tavrin::win32
