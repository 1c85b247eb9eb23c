// Draws the program's text with the fonts it was designed for, falling
// back glyph by glyph where a font or one of its glyphs is not installed:
// a Wingdings character becomes its Unicode equivalent in an installed
// symbol font, Calibri becomes Carlito, Segoe UI the closest installed
// sans. Text the program stores and shows in its editors never changes;
// only what reaches the screen does. Fonts are made for the DPI of the
// window the text shows in.
#pragma once

#include "platform/types.h"

#include <windows.h>

#include <memory>
#include <string>

namespace tavrin::win32 {

class TextPainter {
  public:
    TextPainter();
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    // Draws text as it stands (no "&" processing: callers pass the
    // displayed caption) inside box, top-aligned, horizontally aligned as
    // asked, clipped to box, on a transparent background.
    void draw(HDC dc, const Font& font, int dpi, const std::string& utf8, const RECT& box,
              Alignment alignment, Color color);
    // Width and height in pixels that draw() would cover.
    SIZE measure(HDC dc, const Font& font, int dpi, const std::string& utf8);

    // The font a real control (edit, combo box, button) should use for
    // text of this font; owned by the painter, valid while it lives.
    HFONT controlFont(const Font& font, int dpi);
    // What a real control should hold to show the program's text in that
    // font, and back: identity except for a symbol font whose glyphs are
    // drawn from a fallback font.
    std::wstring controlText(const Font& font, const std::string& utf8);
    std::string programText(const Font& font, const std::wstring& controlText);

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tavrin::win32
