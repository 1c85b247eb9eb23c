// Between the program's twips and the window system's pixels. The program
// declares no DPI awareness, so Windows scales it and a pixel is always
// 15 twips here.
#pragma once

#include "platform/control.h"
#include "platform/pixel_edges.h"
#include "platform/types.h"

#include <windows.h>

#include <cmath>

namespace tavrin::win32 {

// A size: the nearest pixel, but a positive size keeps at least one pixel
// (the collapsed bar is 1 twip wide and must stay a real window).
inline int sizePixelsFromTwips(Twips t) {
    if (t <= 0)
        return 0;
    const int px = pixelsFromTwips(t);
    return px < 1 ? 1 : px;
}

inline Twips twipsFromPixels(int px) {
    return static_cast<Twips>(px) * kTwipsPerPixel;
}

inline RECT pixelRect(Twips left, Twips top, Twips width, Twips height) {
    return RECT{pixelsFromTwips(left), pixelsFromTwips(top), farEdgePixels(left, width),
                farEdgePixels(top, height)};
}

// A control's rectangle in its container's client coordinates.
inline RECT pixelRect(const Control& c) {
    return pixelRect(c.left(), c.top(), c.width(), c.height());
}

} // namespace tavrin::win32
