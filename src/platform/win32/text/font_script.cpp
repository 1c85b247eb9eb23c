#include "platform/win32/text/font_script.h"

namespace tavrin::win32 {

namespace {

// Room for the glyphs: Uniscribe's own advice is 1.5 per character plus 16.
int glyphRoom(std::size_t characters) {
    return static_cast<int>(characters + characters / 2 + 16);
}

// The string is Unicode, not in a character set.
constexpr int kUnicodeText = -1;

} // namespace

ShapedText::ShapedText(HDC dc, const std::wstring& text) {
    if (text.empty())
        return;
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    if (SUCCEEDED(ScriptStringAnalyse(dc, text.data(), static_cast<int>(text.size()),
                                      glyphRoom(text.size()), kUnicodeText, SSA_GLYPHS, 0, nullptr,
                                      nullptr, nullptr, nullptr, nullptr, &analysis)))
        analysis_ = analysis;
}

ShapedText::~ShapedText() {
    if (analysis_)
        ScriptStringFree(&analysis_);
}

int ShapedText::width() const {
    if (!analysis_)
        return 0;
    const SIZE* size = ScriptString_pSize(analysis_);
    return size ? static_cast<int>(size->cx) : 0;
}

void ShapedText::draw(int x, int y) const {
    if (analysis_)
        ScriptStringOut(analysis_, x, y, 0, nullptr, 0, 0, FALSE);
}

} // namespace tavrin::win32
