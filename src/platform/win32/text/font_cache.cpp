#include "platform/win32/text/font_cache.h"

#include "platform/win32/text/font_script.h"
#include "platform/win32/text/font_utf16.h"

#include <cmath>

namespace tavrin::win32 {

namespace {

constexpr double kPointsPerInch = 72.0;
// What GetGlyphIndicesW reports for a character the font has no glyph for.
constexpr WORD kMissingGlyph = 0xFFFF;
// Below the space are control characters: no font draws them, none lacks them.
constexpr char32_t kFirstPrintable = 0x20;

// GetGlyphIndicesW takes one UTF-16 unit at a time; beyond the Basic
// Multilingual Plane, shape the character and see whether it came out as
// the font's default glyph.
bool shapesToOwnGlyph(HDC dc, const std::wstring& text) {
    ScriptCache cache;
    SCRIPT_FONTPROPERTIES properties{};
    properties.cBytes = sizeof properties;
    if (FAILED(ScriptGetFontProperties(dc, cache.get(), &properties)))
        return false;
    constexpr int kMaxItems = 4; // a single character makes one item
    SCRIPT_ITEM items[kMaxItems + 1];
    int itemCount = 0;
    if (FAILED(ScriptItemize(text.data(), static_cast<int>(text.size()), kMaxItems, nullptr,
                             nullptr, items, &itemCount)))
        return false;
    constexpr int kMaxGlyphs = 8;
    WORD glyphs[kMaxGlyphs];
    WORD clusters[kMaxGlyphs];
    SCRIPT_VISATTR attributes[kMaxGlyphs];
    int glyphCount = 0;
    if (ScriptShape(dc, cache.get(), text.data(), static_cast<int>(text.size()), kMaxGlyphs,
                    &items[0].a, glyphs, clusters, attributes, &glyphCount) != S_OK)
        return false;
    for (int i = 0; i < glyphCount; ++i)
        if (glyphs[i] == properties.wgDefault)
            return false;
    return glyphCount > 0;
}

} // namespace

int fontHeightFromPoints(double points, int dpi) {
    return -static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

FontCache::FontCache() : dc_(CreateCompatibleDC(nullptr)) {}

HFONT FontCache::font(const FontRequest& request) {
    auto it = fonts_.find(request);
    if (it != fonts_.end())
        return it->second.get();
    LOGFONTW lf{};
    lf.lfHeight = request.height;
    lf.lfWeight = request.weight;
    lf.lfItalic = request.italic;
    lf.lfUnderline = request.underline;
    lf.lfCharSet = request.symbol ? SYMBOL_CHARSET : DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lstrcpynW(lf.lfFaceName, request.face.c_str(), LF_FACESIZE);
    return fonts_.emplace(request, UniqueFont(CreateFontIndirectW(&lf))).first->second.get();
}

bool FontCache::hasGlyph(HFONT font, char32_t character) {
    if (character < kFirstPrintable)
        return true;
    const auto key = std::make_pair(font, character);
    auto it = glyphs_.find(key);
    if (it == glyphs_.end())
        it = glyphs_.emplace(key, lookUpGlyph(font, character)).first;
    return it->second;
}

bool FontCache::lookUpGlyph(HFONT font, char32_t character) {
    Selected selected(dc_.get(), font);
    std::wstring text;
    appendUtf16(text, character);
    if (text.size() == 1) {
        WORD glyph = kMissingGlyph;
        return GetGlyphIndicesW(dc_.get(), text.data(), 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS) ==
                   1 &&
               glyph != kMissingGlyph;
    }
    return shapesToOwnGlyph(dc_.get(), text);
}

} // namespace tavrin::win32
