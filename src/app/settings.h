// The settings record: every user choice, one value per line of the
// settings file.
#pragma once

#include "platform/loose.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrin {

inline constexpr int kShortcuts = 6; // folder tiles
inline constexpr int kTiles = 7;     // folder tiles and the settings tile
inline constexpr int kSettingsLines = 30;
// The opacity before any file, and of a file whose last two lines are no
// numbers of their type.
inline constexpr std::int16_t kDefaultGlassAlpha = 240;
// The most of one line of the file that is kept, in bytes: the longest
// path Windows accepts has 32767 characters. No value can use more: a
// folder is no longer, a caption shows a few words, a number or a glyph far
// less. Only a damaged file holds a longer line; the rest of it is passed
// over, so that it costs neither time nor memory.
inline constexpr std::size_t kLongestSettingsLine = 32767;

struct SettingsRecord {
    std::array<Loose, kShortcuts> ShortcutName;   // lines 0-5
    std::array<Loose, kShortcuts> ShortcutFolder; // lines 6-11 (11 always text)
    std::array<Loose, kTiles> ShortcutColor;      // lines 12-17, and 29 for the settings tile
    Loose LightLevel;                             // line 18
    Loose LeftSide;                               // line 19
    std::array<Loose, kTiles> ShortcutGlyph;      // lines 20-26
    Loose FullHeight;                             // line 27
    std::int16_t GlassAlpha = 0;                  // line 28

    // LeftSide and FullHeight as numbers; text that is not a number (only a
    // hand-edited file has it) counts as the start-up value: the bar at the
    // right edge, at full height.
    double leftSide() const { return LeftSide.numberOr(0); }
    double fullHeight() const { return FullHeight.numberOr(1); }

    bool operator==(const SettingsRecord&) const = default;
};

// A stored colour as the controls take it: a 24-bit RGB number. Nothing
// for a value that is not a whole number of that range; settingColor
// throws ConversionError instead.
std::optional<std::uint32_t> tryColor(const Loose& value);
std::uint32_t settingColor(const Loose& value);

// The file's content: thirty lines in line order, each ended by CR LF. A
// value never spans lines: every run of CR and LF characters inside it is
// written as one space.
std::string settingsFileText(const SettingsRecord& settings);

// Fills the record from the file's lines, each already converted to UTF-8,
// by position: lines 0-27 as text (a line the file does not have is empty
// text), line 28 as the opacity and 29 as the settings tile's colour, each
// a number of its type. When either of those is not, the opacity becomes
// kDefaultGlassAlpha and the settings tile's colour keeps its value; else
// a glyph "&" becomes "&&", which the bar draws as one "&".
void settingsFromLines(const std::vector<std::string>& lines, SettingsRecord& settings);

} // namespace tavrin
