// Text the font chooser draws in one font goes through DrawTextW, which
// wraps lines. Text drawn glyph by glyph from several fonts, or with
// characters beyond the Basic Multilingual Plane, is laid out on one line
// run by run, the runs beyond that plane shaped by Uniscribe (GDI's plain
// text calls draw those as two boxes under Wine).
#include "platform/win32/text/text_painter.h"
#include "platform/win32/handles.h"

#include "platform/codepage.h"
#include "platform/win32/text/font_chooser.h"
#include "platform/win32/text/font_script.h"
#include "platform/win32/text/font_utf16.h"
#include "platform/win32/text/wingdings_table.h"
#include "platform/win32/wide.h"

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

namespace tavrin::win32 {

namespace {

bool beyondBasicPlane(const std::wstring& text) {
    return std::any_of(text.begin(), text.end(),
                       [](wchar_t unit) { return isHighSurrogate(unit) || isLowSurrogate(unit); });
}

// Whether DrawTextW can draw the runs: one font, no surrogate pairs.
bool drawnWhole(const std::vector<FontRun>& runs) {
    return runs.size() == 1 && !beyondBasicPlane(runs.front().text);
}

// One run placed on the line.
struct PlacedRun {
    HFONT font = nullptr;
    std::wstring text;
    std::unique_ptr<ShapedText> shaped; // for text beyond the Basic Multilingual Plane
    int width = 0;
    int ascent = 0;
};

// Runs side by side on one line, their baselines level.
struct Line {
    std::vector<PlacedRun> runs;
    int width = 0;
    int ascent = 0;
    int descent = 0;
};

// Shapes and measures the runs in dc; the shaped ones stay tied to dc.
Line layOut(HDC dc, std::vector<FontRun> runs) {
    Line line;
    for (FontRun& run : runs) {
        PlacedRun placed;
        placed.font = run.font;
        placed.text = std::move(run.text);
        Selected selected(dc, placed.font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        if (beyondBasicPlane(placed.text)) {
            placed.shaped = std::make_unique<ShapedText>(dc, placed.text);
            placed.width = placed.shaped->width();
        } else {
            SIZE size{};
            GetTextExtentPoint32W(dc, placed.text.data(), static_cast<int>(placed.text.size()),
                                  &size);
            placed.width = size.cx;
        }
        placed.ascent = metrics.tmAscent;
        line.width += placed.width;
        line.ascent = std::max(line.ascent, static_cast<int>(metrics.tmAscent));
        line.descent = std::max(line.descent, static_cast<int>(metrics.tmDescent));
        line.runs.push_back(std::move(placed));
    }
    return line;
}

void drawLine(HDC dc, const Line& line, const RECT& box, Alignment alignment) {
    const int room = box.right - box.left - line.width;
    int x = alignment == Alignment::Center  ? box.left + room / 2
            : alignment == Alignment::Right ? box.left + room
                                            : box.left;
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    for (const PlacedRun& run : line.runs) {
        SelectObject(dc, run.font);
        const int y = box.top + line.ascent - run.ascent;
        if (run.shaped && run.shaped->valid())
            run.shaped->draw(x, y);
        else
            ExtTextOutW(dc, x, y, 0, nullptr, run.text.data(), static_cast<UINT>(run.text.size()),
                        nullptr);
        x += run.width;
    }
}

UINT drawTextFormat(Alignment alignment) {
    const UINT horizontal = alignment == Alignment::Center  ? DT_CENTER
                            : alignment == Alignment::Right ? DT_RIGHT
                                                            : DT_LEFT;
    return DT_NOPREFIX | DT_WORDBREAK | DT_TOP | horizontal;
}

} // namespace

struct TextPainter::Impl {
    FontChooser chooser{FontCatalog::installed()};
};

TextPainter::TextPainter() : impl_(std::make_unique<Impl>()) {}
TextPainter::~TextPainter() = default;

void TextPainter::draw(HDC dc, const Font& font, int dpi, const std::string& utf8, const RECT& box,
                       Alignment alignment, Color color) {
    std::vector<FontRun> runs = impl_->chooser.runs(font, dpi, utf8);
    if (runs.empty())
        return;
    SavedDc saved(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    if (drawnWhole(runs)) {
        SelectObject(dc, runs.front().font);
        RECT r = box;
        const std::wstring& text = runs.front().text;
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, drawTextFormat(alignment));
        return;
    }
    drawLine(dc, layOut(dc, std::move(runs)), box, alignment);
}

SIZE TextPainter::measure(HDC dc, const Font& font, int dpi, const std::string& utf8) {
    std::vector<FontRun> runs = impl_->chooser.runs(font, dpi, utf8);
    if (runs.empty() || drawnWhole(runs)) {
        Selected selected(dc, runs.empty() ? controlFont(font, dpi) : runs.front().font);
        const std::wstring text = runs.empty() ? std::wstring() : runs.front().text;
        RECT r{0, 0, 0, 0};
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, DT_NOPREFIX | DT_CALCRECT);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }
    const Line line = layOut(dc, std::move(runs));
    return SIZE{line.width, line.ascent + line.descent};
}

HFONT TextPainter::controlFont(const Font& font, int dpi) {
    return impl_->chooser.controlFont(font, dpi);
}

std::wstring TextPainter::controlText(const Font& font, const std::string& utf8) {
    if (!impl_->chooser.symbolFallsBack(font))
        return wideFromUtf8(utf8);
    const WingdingsCodes& codes = impl_->chooser.codes();
    std::wstring out;
    const std::string_view text(utf8);
    for (std::size_t pos = 0; pos < text.size();) {
        const char32_t character = nextCodePoint(text, pos);
        const int code = codes.codeOf(character);
        const char32_t equivalent = code >= 0 ? unicodeFromWingdings(code) : 0;
        appendUtf16(out, equivalent ? equivalent : character);
    }
    return out;
}

std::string TextPainter::programText(const Font& font, const std::wstring& controlText) {
    if (!impl_->chooser.symbolFallsBack(font))
        return utf8FromWide(controlText);
    const WingdingsCodes& codes = impl_->chooser.codes();
    std::string out;
    for (std::size_t pos = 0; pos < controlText.size();) {
        const char32_t character = nextUtf16(controlText, pos);
        const int code = wingdingsFromUnicode(character);
        appendUtf8(out, code >= 0 ? codes.characterOf(code) : character);
    }
    return out;
}

} // namespace tavrin::win32
