// What a form window and a frame window share as containers: they paint
// their windowless children (labels and shapes) below the real child
// controls, route the mouse to the topmost windowless child under it, and
// hand the notifications of their child controls to those controls' peers.
#pragma once

#include "platform/win32/form_context.h"
#include "platform/win32/mouse_message.h"

#include "platform/container.h"

#include <windows.h>

#include <optional>

namespace tavrin::win32 {

class ContainerSurface {
  public:
    ContainerSurface(FormContext& ctx, Container& container) : ctx_(ctx), container_(container) {}
    ContainerSurface(const ContainerSurface&) = delete;
    ContainerSurface& operator=(const ContainerSurface&) = delete;

    // The message's result when it was the surface's to handle.
    std::optional<LRESULT> handleSurface(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    ~ContainerSurface() = default;

    virtual Color surfaceColor() const = 0;
    // Drawn over the background and the windowless children (a frame's
    // border and caption).
    virtual void paintDecoration(HDC /*dc*/, const RECT& /*client*/) {}
    // The mouse on the container's own surface, where no child is hit.
    virtual void ownMouse(MouseEvent event, const MouseArgs& args) = 0;
    // A press and release on the surface itself.
    virtual void ownClick() {}

    FormContext& ctx_;
    Container& container_;

  private:
    void paint(HWND window);
    void mouse(HWND window, const MouseMessage& m);
    Control* windowlessAt(POINT p) const;

    // While a button is held the mouse belongs to where it went down:
    // a windowless child, or the surface itself (pressed_ null).
    bool pressing_ = false;
    Control* pressed_ = nullptr;
    // The press was the second of a double-click: its release is no click.
    bool doubleClicked_ = false;
};

} // namespace tavrin::win32
