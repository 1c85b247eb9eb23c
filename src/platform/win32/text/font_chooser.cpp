#include "platform/win32/text/font_chooser.h"

#include "platform/codepage.h"
#include "platform/win32/text/font_utf16.h"
#include "platform/win32/text/wingdings_table.h"
#include "platform/win32/wide.h"

#include <string_view>

namespace tavrin::win32 {

namespace {

// Symbol fonts may keep the glyph of byte code c at U+F000 + c.
constexpr char32_t kSymbolPrivateUseBase = 0xF000;
// The bar's default glyph, the folder: a control shows symbol text in the
// fallback font that has it.
constexpr int kFolderCode = '0';

} // namespace

FontChooser::FontChooser(FontCatalog catalog) : catalog_(std::move(catalog)) {}

FontRequest FontChooser::requestIn(const Font& font, int dpi, const std::wstring& face,
                                   int weight) const {
    FontRequest request;
    request.face = face;
    request.height = fontHeightFromPoints(font.size, dpi);
    request.weight = weight;
    request.italic = font.italic;
    request.underline = font.underline;
    return request;
}

HFONT FontChooser::chosenFont(const Font& font, int dpi) {
    const FaceChoice choice = catalog_.textFace(wideFromUtf8(font.name), font.weight, font.symbol);
    if (choice.face.empty() && font.symbol)
        return nullptr;
    FontRequest request = requestIn(font, dpi, choice.face, choice.weight);
    request.symbol = font.symbol;
    return cache_.font(request);
}

HFONT FontChooser::fallbackFor(const Font& font, int dpi, HFONT preferred, char32_t character) {
    HFONT first = nullptr;
    for (const std::wstring& face : catalog_.glyphFallbacks()) {
        HFONT candidate = cache_.font(requestIn(font, dpi, face, font.weight));
        if (cache_.hasGlyph(candidate, character))
            return candidate;
        if (!first)
            first = candidate;
    }
    if (preferred)
        return preferred;
    if (first)
        return first;
    // Nothing better installed: whatever the font mapper finds for the name.
    FontRequest request = requestIn(font, dpi, wideFromUtf8(font.name), font.weight);
    request.symbol = font.symbol;
    return cache_.font(request);
}

std::pair<HFONT, char32_t> FontChooser::glyphFor(const Font& font, int dpi, HFONT chosen,
                                                 char32_t character) {
    if (!font.symbol) {
        if (cache_.hasGlyph(chosen, character))
            return {chosen, character};
        return {fallbackFor(font, dpi, chosen, character), character};
    }
    const int code = codes_.codeOf(character);
    if (code < 0)
        return {fallbackFor(font, dpi, nullptr, character), character};
    if (chosen) {
        const char32_t byteForm = static_cast<char32_t>(code);
        if (cache_.hasGlyph(chosen, byteForm))
            return {chosen, byteForm};
        if (cache_.hasGlyph(chosen, kSymbolPrivateUseBase + byteForm))
            return {chosen, kSymbolPrivateUseBase + byteForm};
    }
    const char32_t equivalent = unicodeFromWingdings(code);
    if (equivalent == 0)
        return {fallbackFor(font, dpi, chosen, character), character};
    return {fallbackFor(font, dpi, nullptr, equivalent), equivalent};
}

std::vector<FontRun> FontChooser::runs(const Font& font, int dpi, const std::string& utf8) {
    HFONT chosen = chosenFont(font, dpi);
    std::vector<FontRun> runs;
    const std::string_view text(utf8);
    for (std::size_t pos = 0; pos < text.size();) {
        const auto [runFont, drawn] = glyphFor(font, dpi, chosen, nextCodePoint(text, pos));
        if (runs.empty() || runs.back().font != runFont)
            runs.push_back(FontRun{runFont, {}});
        appendUtf16(runs.back().text, drawn);
    }
    return runs;
}

bool FontChooser::symbolFallsBack(const Font& font) {
    if (!font.symbol)
        return false;
    // Whether a glyph is there does not depend on the size.
    HFONT chosen = chosenFont(font, PixelScale::kBaseDpi);
    if (!chosen)
        return true;
    auto it = symbolFallsBack_.find(chosen);
    if (it != symbolFallsBack_.end())
        return it->second;
    bool fallsBack = false;
    for (int code = kFirstWingdingsCode; code <= kLastWingdingsCode && !fallsBack; ++code) {
        const char32_t byteForm = static_cast<char32_t>(code);
        fallsBack = unicodeFromWingdings(code) != 0 && !cache_.hasGlyph(chosen, byteForm) &&
                    !cache_.hasGlyph(chosen, kSymbolPrivateUseBase + byteForm);
    }
    symbolFallsBack_.emplace(chosen, fallsBack);
    return fallsBack;
}

HFONT FontChooser::controlFont(const Font& font, int dpi) {
    if (!symbolFallsBack(font))
        return chosenFont(font, dpi);
    return fallbackFor(font, dpi, nullptr, unicodeFromWingdings(kFolderCode));
}

} // namespace tavrin::win32
