#include "settings.h"

#include <string_view>

namespace tavrin {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Room for a file of ordinary values without growing.
constexpr std::size_t kTypicalFileSize = 1024;

// Appends the value as one line: each run of CR and LF in it becomes one
// space.
void appendLine(std::string& text, std::string_view value) {
    for (;;) {
        const std::size_t lineBreak = value.find_first_of("\r\n");
        text.append(value.substr(0, lineBreak));
        if (lineBreak == std::string_view::npos)
            break;
        text += ' ';
        const std::size_t after = value.find_first_not_of("\r\n", lineBreak);
        if (after == std::string_view::npos)
            break;
        value.remove_prefix(after);
    }
    text.append(kLineEnd);
}

void appendValue(std::string& text, const Loose& value) {
    if (value.isText())
        appendLine(text, value.textView());
    else
        appendLine(text, value.text());
}

} // namespace

std::optional<std::uint32_t> tryColor(const Loose& value) {
    constexpr std::int32_t kWhite = 0xFFFFFF;
    const std::optional<double> number = value.tryNumber();
    const std::optional<std::int32_t> n = number ? tryRoundToInt32(*number) : std::nullopt;
    if (!n || *n < 0 || *n > kWhite)
        return std::nullopt;
    return static_cast<std::uint32_t>(*n);
}

std::uint32_t settingColor(const Loose& value) {
    if (const std::optional<std::uint32_t> color = tryColor(value))
        return *color;
    throw ConversionError("not a colour");
}

std::string settingsFileText(const SettingsRecord& s) {
    std::string text;
    text.reserve(kTypicalFileSize);
    for (const Loose& v : s.ShortcutName)
        appendValue(text, v);
    for (const Loose& v : s.ShortcutFolder)
        appendValue(text, v);
    for (int i = 0; i < kShortcuts; ++i)
        appendValue(text, s.ShortcutColor[static_cast<std::size_t>(i)]);
    appendValue(text, s.LightLevel);
    appendValue(text, s.LeftSide);
    for (const Loose& v : s.ShortcutGlyph)
        appendValue(text, v);
    appendValue(text, s.FullHeight);
    appendLine(text, numberText(s.GlassAlpha));
    appendValue(text, s.ShortcutColor[kTiles - 1]);
    return text;
}

} // namespace tavrin
