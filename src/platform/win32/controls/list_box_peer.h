// The peer of a list box: a real LISTBOX holding the control's lines.
#pragma once

#include "platform/win32/controls/child_control.h"

#include "platform/list_box.h"

namespace tavrin::win32 {

class ListBoxPeer : public ChildControl {
  public:
    ListBoxPeer(FormContext& ctx, ListBox& box, HWND parent);

  private:
    void update(Prop what) override;
    void fill();

    ListBox& box_;
    std::size_t shown_ = 0; // items the window holds
};

} // namespace tavrin::win32
