// Where a span of twips lies in screen pixels, at 15 twips each, the same
// on every desktop: both edges go to their nearest pixel, so that spans
// that meet in twips meet in pixels, and a positive size keeps at least
// one pixel (the collapsed bar is 1 twip wide and stays a real window).
#pragma once

#include "types.h"

#include <cmath>

namespace tavrin {

// A position: the nearest pixel.
inline int pixelsFromTwips(Twips t) {
    return static_cast<int>(std::lround(t / kTwipsPerPixel));
}

inline int farEdgePixels(Twips start, Twips size) {
    const int first = pixelsFromTwips(start);
    if (size <= 0)
        return first;
    const int last = pixelsFromTwips(start + size);
    return last > first ? last : first + 1;
}

} // namespace tavrin
