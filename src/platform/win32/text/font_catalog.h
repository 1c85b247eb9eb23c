// The font families installed on this system, enumerated once, and the
// face each font the program names is drawn in: the named one where it is
// installed, else the closest installed stand-in.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::win32 {

struct FaceChoice {
    std::wstring face; // empty: a symbol font that is not installed
    int weight = FW_NORMAL;
};

class FontCatalog {
  public:
    // A catalog of the given families (names compare without regard to case).
    explicit FontCatalog(const std::vector<std::wstring>& families);
    // The families installed on this system.
    static FontCatalog installed();

    bool has(std::wstring_view family) const;

    // The face and weight text in the named font is drawn in. A symbol font
    // has no stand-in: its glyphs fall back one by one instead.
    FaceChoice textFace(std::wstring_view name, int weight, bool symbol) const;
    // Installed fonts to take a glyph from when the chosen face lacks it,
    // best first.
    const std::vector<std::wstring>& glyphFallbacks() const { return glyphFallbacks_; }

  private:
    std::set<std::wstring> families_; // folded to lower case
    std::vector<std::wstring> glyphFallbacks_;
};

} // namespace tavrin::win32
