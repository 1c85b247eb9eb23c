// Decides, character by character, which installed font draws the
// program's text: the font it names (or that font's stand-in) wherever it
// has the glyph, else the first fallback font that has it. A Wingdings
// character the installed Wingdings lacks is drawn as its Unicode
// equivalent. Fonts are made for the DPI of the window they show in.
#pragma once

#include "platform/pixel_edges.h"
#include "platform/types.h"
#include "platform/win32/text/font_cache.h"
#include "platform/win32/text/font_catalog.h"
#include "platform/win32/text/wingdings_codes.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace tavrin::win32 {

// Consecutive characters drawn in one font.
struct FontRun {
    HFONT font = nullptr;
    std::wstring text;
};

class FontChooser {
  public:
    explicit FontChooser(FontCatalog catalog);

    // The runs that draw the text, in reading order.
    std::vector<FontRun> runs(const Font& font, int dpi, const std::string& utf8);
    // The font the named font's text is drawn in; null for a symbol font
    // that is not installed.
    HFONT chosenFont(const Font& font, int dpi);
    // Whether some glyph of this symbol font is drawn from a fallback font.
    bool symbolFallsBack(const Font& font);
    // The font a control showing text in this font uses: the chosen font,
    // or for a symbol font that falls back, the first fallback font.
    HFONT controlFont(const Font& font, int dpi);

    const WingdingsCodes& codes() const { return codes_; }

  private:
    FontRequest requestIn(const Font& font, int dpi, const std::wstring& face, int weight) const;
    // The font and character that draw one character of the program's text.
    std::pair<HFONT, char32_t> glyphFor(const Font& font, int dpi, HFONT chosen,
                                        char32_t character);
    // A fallback font that has the character; if none has it, preferred
    // where given, else the best one at hand.
    HFONT fallbackFor(const Font& font, int dpi, HFONT preferred, char32_t character);

    FontCatalog catalog_;
    FontCache cache_;
    WingdingsCodes codes_;
    std::map<HFONT, bool> symbolFallsBack_;
};

} // namespace tavrin::win32
