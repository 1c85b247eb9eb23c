#include "settings.h"

#include <vector>

namespace tavrin {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string oneLine(const std::string& value) {
    std::string line;
    bool inBreak = false;
    for (char c : value) {
        bool isBreak = c == '\r' || c == '\n';
        if (isBreak && !inBreak)
            line += ' ';
        else if (!isBreak)
            line += c;
        inBreak = isBreak;
    }
    return line;
}

} // namespace

std::uint32_t settingColor(const Loose& value) {
    constexpr std::int32_t kWhite = 0xFFFFFF;
    const std::int32_t n = value.toInt32();
    if (n < 0 || n > kWhite)
        throw ConversionError("not a colour");
    return static_cast<std::uint32_t>(n);
}

std::string settingsFileText(const SettingsRecord& s) {
    std::vector<std::string> values;
    values.reserve(kSettingsLines);
    for (const Loose& v : s.ShortcutName)
        values.push_back(v.text());
    for (const Loose& v : s.ShortcutFolder)
        values.push_back(v.text());
    for (int i = 0; i < kShortcuts; ++i)
        values.push_back(s.ShortcutColor[static_cast<std::size_t>(i)].text());
    values.push_back(s.LightLevel.text());
    values.push_back(s.LeftSide.text());
    for (const Loose& v : s.ShortcutGlyph)
        values.push_back(v.text());
    values.push_back(s.FullHeight.text());
    values.push_back(numberText(s.GlassAlpha));
    values.push_back(s.ShortcutColor[kTiles - 1].text());

    std::string text;
    for (const std::string& v : values)
        text += oneLine(v) + kLineEnd;
    return text;
}

} // namespace tavrin
