#include "settings.h"

#include <string_view>
#include <vector>

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

// The lines in file order; a line the file does not have is empty text.
class LinesInOrder {
  public:
    explicit LinesInOrder(const std::vector<std::string>& lines) : lines_(lines) {}
    const std::string& next() {
        static const std::string none;
        const std::size_t at = next_++;
        return at < lines_.size() ? lines_[at] : none;
    }

  private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};

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

void settingsFromLines(const std::vector<std::string>& lines, SettingsRecord& s) {
    LinesInOrder line(lines);
    for (Loose& v : s.ShortcutName)
        v = line.next();
    for (Loose& v : s.ShortcutFolder)
        v = line.next();
    for (int i = 0; i < kShortcuts; ++i)
        s.ShortcutColor[static_cast<std::size_t>(i)] = line.next();
    s.LightLevel = line.next();
    s.LeftSide = line.next();
    for (Loose& v : s.ShortcutGlyph)
        v = line.next();
    s.FullHeight = line.next();

    // From here a line that is not a number of its type leaves the rest
    // unread: the default opacity stands.
    const std::optional<double> alphaNumber = tryStrictNumber(line.next());
    const std::optional<std::int16_t> alpha =
        alphaNumber ? tryRoundToInt16(*alphaNumber) : std::nullopt;
    const std::optional<double> colorNumber = alpha ? tryStrictNumber(line.next()) : std::nullopt;
    const std::optional<std::int32_t> color =
        colorNumber ? tryRoundToInt32(*colorNumber) : std::nullopt;
    if (!color) {
        s.GlassAlpha = kDefaultGlassAlpha;
        return;
    }
    s.GlassAlpha = *alpha;
    s.ShortcutColor[kTiles - 1] = *color;
    for (Loose& glyph : s.ShortcutGlyph)
        if (glyph.text() == "&")
            glyph = "&&";
}

} // namespace tavrin
