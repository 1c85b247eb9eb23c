// The peer of a label or a shape: it has no window of its own. A change
// repaints only the control's rectangle on its container (and the
// rectangle it left, on a move); an auto-sized label takes the size of
// its text; a label's tooltip is a rectangle tool of the container.
#pragma once

#include "platform/control.h"
#include "platform/win32/form_context.h"

#include <windows.h>

namespace tavrin::win32 {

class WindowlessPeer : public Peer {
  public:
    WindowlessPeer(FormContext& ctx, Control& control, HWND host);
    ~WindowlessPeer() override;
    WindowlessPeer(const WindowlessPeer&) = delete;
    WindowlessPeer& operator=(const WindowlessPeer&) = delete;

    void changed(Prop what) override;

  private:
    void fitText();
    void repaint();
    void applyToolTip();
    UINT_PTR toolId() const { return reinterpret_cast<UINT_PTR>(this); }

    FormContext& ctx_;
    Control& control_;
    HWND host_;
    // What is on the screen now: the rectangle last painted, if shown.
    RECT shown_{};
    bool hasTool_ = false;
};

} // namespace tavrin::win32
