// The DPI of a window and of the primary monitor. The program is aware of
// each monitor's DPI (its manifest says so); the calls that tell a
// window's or a monitor's own DPI came with Windows 8.1 and 10, so they
// are looked up when first needed, and on older Windows the system's DPI
// stands for every window.
#pragma once

#include "platform/pixel_edges.h"

#include <windows.h>

namespace tavrin::win32 {

// The DPI of the screen as a whole (LOGPIXELSY of the screen).
int systemDpi();
// The DPI of the monitor the window stands on.
int windowDpi(HWND window);
// The DPI of the primary monitor, which the screen's size in twips follows.
int primaryMonitorDpi();

inline PixelScale windowScale(HWND window) {
    return PixelScale(windowDpi(window));
}

// Grows a client rectangle to the window's outer rectangle, with the
// caption and borders of that DPI.
void adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, int dpi);

} // namespace tavrin::win32
