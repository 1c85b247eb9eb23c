// Basic value types shared by the window-system layer and the forms.
#pragma once

#include <cstdint>
#include <string>

namespace tavrin {

// Positions and sizes are twips held as doubles: 1440 to the inch, so 15
// to the pixel at 96 dpi (pixel_edges.h has the pixels at any DPI).
using Twips = double;
inline constexpr Twips kTwipsPerInch = 1440;

// A colour is one whole number: red + 256 * green + 65536 * blue.
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>(r & 0xFF) | (static_cast<Color>(g & 0xFF) << 8) |
           (static_cast<Color>(b & 0xFF) << 16);
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// An opaque window handle, as the window system hands it out (0 means none).
using WindowHandle = std::intptr_t;

struct Font {
    std::string name = "Segoe UI";
    double size = 8.25; // points
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool symbol = false; // symbol character set (Wingdings)
};

enum class Alignment { Left, Center, Right };

// Mouse buttons and shift state as the Click/Mouse events report them.
enum MouseButton { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct MouseArgs {
    int button = kLeftButton;
    int shift = 0;
    Twips x = 0;
    Twips y = 0;
};

struct Point {
    long x = 0;
    long y = 0;
};

struct LocalTime {
    int year = 2026, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    int weekday = 4; // 0 = Sunday
};

} // namespace tavrin
