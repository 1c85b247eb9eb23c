// The peer of a frame: a child window of our own class that clips its
// children, paints its back colour, its windowless children, and its
// border and caption when bordered.
#pragma once

#include "platform/win32/container_surface.h"
#include "platform/win32/controls/child_control.h"
#include "platform/win32/window_class.h"

#include "platform/frame.h"

namespace tavrin::win32 {

class FramePeer : public ChildControl, private ContainerSurface, private MessageTarget {
  public:
    FramePeer(FormContext& ctx, Frame& frame, HWND parent);
    ~FramePeer() override;

  private:
    void update(Prop what) override;
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    WindowSystem& windowSystem() const override;
    Color surfaceColor() const override { return frame_.backColor(); }
    void paintDecoration(HDC dc, const RECT& client) override;
    void ownMouse(MouseEvent event, const MouseArgs& args) override;
    void ownClick() override { frame_.raiseClick(); }

    Frame& frame_;
};

} // namespace tavrin::win32
