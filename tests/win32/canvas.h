// A top-down 32-bit bitmap selected into a memory DC, filled with one
// colour, whose pixels a test judges: what text drawing inks on it, or
// what it copied from the screen.
#pragma once

#include "platform/types.h"
#include "platform/win32/handles.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace tavrin::win32 {

struct InkBox {
    int count = 0;
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

class Canvas {
  public:
    Canvas(int width, int height, Color background)
        : width_(width), height_(height), background_(background),
          dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0},
                        {}};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels_ = static_cast<std::uint32_t*>(bits);
        old_ = SelectObject(dc_.get(), bitmap_.get());
        // Blue in the low byte.
        std::fill(pixels_, pixels_ + width * height,
                  redOf(background) << 16 | greenOf(background) << 8 | blueOf(background));
    }
    ~Canvas() { SelectObject(dc_.get(), old_); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    // Copies what the screen shows from (left, top) on.
    void copyScreen(int left, int top) {
        const WindowDc screen(nullptr);
        BitBlt(dc_.get(), 0, 0, width_, height_, screen.get(), left, top, SRCCOPY);
    }

    // A pixel as a Color (red in the low byte).
    Color at(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = pixels_[y * width_ + x];
        return rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // The pixels that differ from the background, within a rectangle.
    InkBox ink(const RECT& within, Color background) const {
        InkBox box{0, within.right, within.bottom, within.left, within.top};
        for (int y = within.top; y < within.bottom; ++y)
            for (int x = within.left; x < within.right; ++x)
                if (at(x, y) != background) {
                    ++box.count;
                    box.left = std::min(box.left, x);
                    box.top = std::min(box.top, y);
                    box.right = std::max(box.right, x + 1);
                    box.bottom = std::max(box.bottom, y + 1);
                }
        return box;
    }
    InkBox ink(const RECT& within) const { return ink(within, background_); }
    InkBox ink() const { return ink(RECT{0, 0, width_, height_}); }
    // Pixels where the two canvases differ.
    int differences(const Canvas& other) const {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                n += at(x, y) != other.at(x, y);
        return n;
    }

  private:
    int width_, height_;
    Color background_;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    std::uint32_t* pixels_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

} // namespace tavrin::win32
