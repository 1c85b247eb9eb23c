// Provisional painter: the named fonts through DrawTextW, no fallback yet.
#include "text_painter.h"

#include "handles.h"
#include "wide.h"

#include <map>
#include <tuple>

namespace tavrin::win32 {

struct TextPainter::Impl {
    std::map<std::tuple<std::string, double, int, bool, bool, bool>, UniqueFont> fonts;

    HFONT font(const Font& f) {
        auto key = std::make_tuple(f.name, f.size, f.weight, f.italic, f.underline, f.symbol);
        auto it = fonts.find(key);
        if (it != fonts.end())
            return it->second.get();
        LOGFONTW lf{};
        lf.lfHeight = -static_cast<LONG>(f.size * 96.0 / 72.0 + 0.5);
        lf.lfWeight = f.weight;
        lf.lfItalic = f.italic;
        lf.lfUnderline = f.underline;
        lf.lfCharSet = f.symbol ? SYMBOL_CHARSET : DEFAULT_CHARSET;
        std::wstring face = wideFromUtf8(f.name);
        lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
        return fonts.emplace(key, UniqueFont(CreateFontIndirectW(&lf))).first->second.get();
    }
};

TextPainter::TextPainter() : impl_(std::make_unique<Impl>()) {}
TextPainter::~TextPainter() = default;

void TextPainter::draw(HDC dc, const Font& font, const std::string& utf8, const RECT& box,
                       Alignment alignment, Color color) {
    Selected selected(dc, impl_->font(font));
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    UINT format = DT_NOPREFIX | DT_WORDBREAK | DT_TOP;
    format |= alignment == Alignment::Center  ? DT_CENTER
              : alignment == Alignment::Right ? DT_RIGHT
                                              : DT_LEFT;
    std::wstring text = wideFromUtf8(utf8);
    RECT r = box;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

SIZE TextPainter::measure(HDC dc, const Font& font, const std::string& utf8) {
    Selected selected(dc, impl_->font(font));
    std::wstring text = wideFromUtf8(utf8);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_NOPREFIX | DT_CALCRECT);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

HFONT TextPainter::controlFont(const Font& font) {
    return impl_->font(font);
}

std::wstring TextPainter::controlText(const Font&, const std::string& utf8) {
    return wideFromUtf8(utf8);
}

std::string TextPainter::programText(const Font&, const std::wstring& controlText) {
    return utf8FromWide(controlText);
}

} // namespace tavrin::win32
