// Where a span of twips lies in screen pixels, the same on every desktop.
// A pixel is 1440 / DPI twips: 15 at 96 dpi, 12 at 120, 10 at 144, 7.5 at
// 192. Both edges of a span go to their nearest pixel, so that spans that
// meet in twips meet in pixels at every scale, and a positive size keeps
// at least one pixel (the collapsed bar is 1 twip wide and stays a real
// window).
#pragma once

#include "types.h"

#include <cmath>

namespace tavrin {

class PixelScale {
  public:
    static constexpr int kBaseDpi = 96;

    // A DPI the system cannot tell (0 or less) counts as 96.
    constexpr explicit PixelScale(int dpi = kBaseDpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

    constexpr int dpi() const { return dpi_; }
    constexpr Twips twipsPerPixel() const { return kTwipsPerInch / dpi_; }

    // A position: the nearest pixel.
    int pixels(Twips t) const { return static_cast<int>(std::lround(t / twipsPerPixel())); }
    int farEdge(Twips start, Twips size) const {
        const int first = pixels(start);
        if (size <= 0)
            return first;
        const int last = pixels(start + size);
        return last > first ? last : first + 1;
    }
    Twips twips(long px) const { return static_cast<Twips>(px) * twipsPerPixel(); }

    constexpr bool operator==(const PixelScale&) const = default;

  private:
    int dpi_;
};

} // namespace tavrin
