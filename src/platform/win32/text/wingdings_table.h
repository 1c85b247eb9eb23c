// The Unicode equivalents of the Wingdings character codes, for drawing a
// Wingdings character where the installed font lacks its glyph.
#pragma once

namespace tavrin::win32 {

// Character codes are bytes; the lowest with an equivalent is the space.
inline constexpr int kFirstWingdingsCode = 32;
inline constexpr int kLastWingdingsCode = 255;

// The equivalent of a character code, or 0 when it has none (255 has none).
char32_t unicodeFromWingdings(int code);
// The character code whose equivalent this is, or -1.
int wingdingsFromUnicode(char32_t equivalent);

} // namespace tavrin::win32
