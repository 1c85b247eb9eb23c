// Watches a screen pixel for the cursor through a low-level mouse hook,
// which hears of every move of the mouse, over whatever window: also where
// another topmost window (the taskbar) lies over the pixel, and during a
// drag that another program holds. When the cursor comes onto the pixel it
// posts a message to a window, once. Under Wine the hook hears only of
// moves over Wine's own windows, of any of its programs.
//
// The whole desktop's mouse waits while the hook runs: it only compares
// the point with the pixels watched and posts, waiting on nothing. One
// hook serves the process, installed while any pixel is watched; the
// thread that watches must handle its messages for it to run.
#pragma once

#include "platform/types.h"

#include <windows.h>

namespace tavrin::win32 {

class PixelWatch {
  public:
    PixelWatch(Point pixel, HWND window, UINT message);
    ~PixelWatch();
    PixelWatch(const PixelWatch&) = delete;
    PixelWatch& operator=(const PixelWatch&) = delete;

    // From the hook: the cursor moved to the point, in the program's pixels.
    void cursorAt(POINT p) noexcept;

  private:
    Point pixel_;
    HWND window_;
    UINT message_;
    bool told_ = false;
};

} // namespace tavrin::win32
