// Between the program's twips and the window system's pixels at a
// window's DPI. The program is aware of each monitor's DPI, so Windows
// leaves its windows unscaled and the pixels here are the screen's own.
#pragma once

#include "platform/control.h"
#include "platform/pixel_edges.h"
#include "platform/types.h"

#include <windows.h>

namespace tavrin::win32 {

inline RECT pixelRect(const PixelScale& scale, Twips left, Twips top, Twips width, Twips height) {
    return RECT{scale.pixels(left), scale.pixels(top), scale.farEdge(left, width),
                scale.farEdge(top, height)};
}

// A control's rectangle in its container's client coordinates.
inline RECT pixelRect(const PixelScale& scale, const Control& c) {
    return pixelRect(scale, c.left(), c.top(), c.width(), c.height());
}

} // namespace tavrin::win32
