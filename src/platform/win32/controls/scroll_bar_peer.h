// The peer of a horizontal scroll bar: a real SCROLLBAR whose thumb
// follows Value; the user's scrolling sets Value, which raises Change.
#pragma once

#include "platform/win32/controls/child_control.h"

#include "platform/scroll_bar.h"

namespace tavrin::win32 {

class ScrollBarPeer : public ChildControl {
  public:
    ScrollBarPeer(FormContext& ctx, HScrollBar& bar, HWND parent);

    void scroll(int code) override;

  private:
    void update(Prop what) override;
    void applyRange();

    HScrollBar& bar_;
};

} // namespace tavrin::win32
