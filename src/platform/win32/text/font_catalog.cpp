#include "platform/win32/text/font_catalog.h"

#include "platform/win32/handles.h"

#include <algorithm>
#include <array>

namespace tavrin::win32 {

namespace {

// Stand-ins for Segoe UI: Selawik is made to its metrics, Noto Sans and Open
// Sans are of its design; then Arial's metrics (Liberation Sans), whose
// widths are close to it, before DejaVu Sans, which is so much wider that
// the bar's longest caption only just fits its tile.
constexpr std::array kSegoeStandIns = {L"Segoe UI",        L"Selawik", L"Noto Sans",   L"Open Sans",
                                       L"Liberation Sans", L"Arial",   L"DejaVu Sans", L"Tahoma"};
// Light families of the same designs; after them the regular stand-ins,
// drawn at the light weight where they have it.
constexpr std::array kSegoeLightStandIns = {L"Segoe UI Light", L"Selawik Light", L"Noto Sans Light",
                                            L"Open Sans Light"};
constexpr int kLightWeight = 300;
// Carlito is made to Calibri's metrics.
constexpr std::array kCalibriStandIns = {L"Calibri", L"Carlito"};
// Fonts with Unicode's pictographs, where the Wingdings equivalents live.
constexpr std::array kGlyphFallbacks = {L"Segoe UI Symbol",     L"Symbola",
                                        L"Noto Sans Symbols 2", L"Noto Sans Symbols",
                                        L"Segoe UI Emoji",      L"DejaVu Sans"};

std::wstring folded(std::wstring_view name) {
    std::wstring out(name);
    for (wchar_t& c : out)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return out;
}

bool same(std::wstring_view a, std::wstring_view b) {
    return folded(a) == folded(b);
}

// Called from the system's enumeration: nothing may unwind through it.
int CALLBACK collectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD,
                           LPARAM context) noexcept {
    auto* families = reinterpret_cast<std::vector<std::wstring>*>(context);
    // Names with "@" are the vertical-writing twins of families listed anyway.
    try {
        if (font->lfFaceName[0] != L'@')
            families->emplace_back(font->lfFaceName);
    } catch (...) {
        return 0; // out of memory: stop with what was found
    }
    return 1;
}

} // namespace

FontCatalog::FontCatalog(const std::vector<std::wstring>& families) {
    for (const std::wstring& family : families)
        families_.insert(folded(family));
    for (const wchar_t* fallback : kGlyphFallbacks)
        if (has(fallback))
            glyphFallbacks_.emplace_back(fallback);
}

FontCatalog FontCatalog::installed() {
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET; // every family in every character set
    std::vector<std::wstring> families;
    EnumFontFamiliesExW(dc.get(), &all, collectFamily, reinterpret_cast<LPARAM>(&families), 0);
    return FontCatalog(families);
}

bool FontCatalog::has(std::wstring_view family) const {
    return families_.count(folded(family)) != 0;
}

FaceChoice FontCatalog::textFace(std::wstring_view name, int weight, bool symbol) const {
    if (has(name))
        return {std::wstring(name), weight};
    if (symbol)
        return {};
    auto firstInstalled = [&](const auto& candidates, int candidateWeight, FaceChoice& choice) {
        for (const wchar_t* candidate : candidates)
            if (has(candidate)) {
                choice = {candidate, candidateWeight};
                return true;
            }
        return false;
    };
    FaceChoice choice{std::wstring(name), weight};
    if (same(name, L"Segoe UI Light")) {
        if (!firstInstalled(kSegoeLightStandIns, weight, choice))
            firstInstalled(kSegoeStandIns, std::min(weight, kLightWeight), choice);
    } else if (same(name, L"Segoe UI")) {
        firstInstalled(kSegoeStandIns, weight, choice);
    } else if (same(name, L"Calibri")) {
        if (!firstInstalled(kCalibriStandIns, weight, choice))
            firstInstalled(kSegoeStandIns, weight, choice);
    }
    // Any other font not installed: the font mapper picks its substitute.
    return choice;
}

} // namespace tavrin::win32
