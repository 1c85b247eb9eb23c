// Which Wingdings character code a character of the program's text stands
// for, and back. The program keeps a glyph as the Windows-1252 character
// whose byte the symbol font draws (the folder glyph is the digit "0"), as
// it reads it from the settings file; the private-use characters
// U+F020-U+F0FF, where symbol fonts keep their glyphs, stand for their low
// byte as well.
#pragma once

#include <array>

namespace tavrin::win32 {

class WingdingsCodes {
  public:
    WingdingsCodes();

    // The code a character stands for, or -1 when it stands for none.
    int codeOf(char32_t character) const;
    // The program's character for a code.
    char32_t characterOf(int code) const;

  private:
    std::array<char32_t, 256> characters_{};
};

} // namespace tavrin::win32
