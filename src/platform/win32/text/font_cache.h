// GDI fonts by face, size and style, created on first use and kept for the
// cache's life, and which characters each one has a glyph for.
#pragma once

#include "platform/win32/handles.h"

#include <windows.h>

#include <compare>
#include <map>
#include <string>
#include <utility>

namespace tavrin::win32 {

struct FontRequest {
    std::wstring face;
    int height = 0; // LOGFONT height: negative, the em in pixels
    int weight = FW_NORMAL;
    bool italic = false;
    bool underline = false;
    bool symbol = false; // symbol character set
    auto operator<=>(const FontRequest&) const = default;
};

// The LOGFONT height of a font of this many points at the DPI.
int fontHeightFromPoints(double points, int dpi);

class FontCache {
  public:
    FontCache();

    HFONT font(const FontRequest& request);
    // Whether the font maps this character to a glyph of its own, not to
    // its "missing glyph" box.
    bool hasGlyph(HFONT font, char32_t character);

  private:
    bool lookUpGlyph(HFONT font, char32_t character);

    UniqueMemoryDc dc_; // where glyphs are looked up, apart from any painting
    std::map<FontRequest, UniqueFont> fonts_;
    std::map<std::pair<HFONT, char32_t>, bool> glyphs_;
};

} // namespace tavrin::win32
