// The settings window's geometry, colours and value rules, shared by its
// parts.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>

namespace tavrin {

// Twips. Row i of the button editor stands at rowTop(i); the tools strip is
// row 6, lower in the full layout than in the short one.
inline constexpr Twips kEditorHeight = 390;
constexpr Twips rowTop(int row) {
    return 480.0 * (row + 1);
}
inline constexpr Twips kToolsFullTop = 3360;
inline constexpr Twips kToolsShortTop = 2400;
inline constexpr Twips kFullOuterHeight = 4275;
inline constexpr Twips kShortOuterHeight = 3315;
inline constexpr int kSettingsRow = 6; // the settings tile's glyph, on the tools strip

inline constexpr Color kWindowBack = rgb(70, 70, 70);
inline constexpr Color kHeadingText = rgb(224, 224, 224);
// Glyph and name boxes: at rest, under the mouse, a button held on the glyph.
inline constexpr Color kRestColor = rgb(10, 10, 10);
inline constexpr Color kHoverColor = rgb(30, 30, 30);
inline constexpr Color kPressColor = rgb(50, 50, 50);
// A value the bar cannot take.
inline constexpr Color kWarningColor = rgb(255, 128, 128);

inline constexpr const char* kFolderHeading = "Dirección:";
inline constexpr const char* kColorsHeading = "Colores:";
inline constexpr int kAboutHeading = 3;

// The translucency list: "Nivel 1" (250, the most opaque) to "Nivel 6" (200).
inline constexpr int kGlassLevels = 6;
constexpr std::int16_t glassAlphaOf(int item) {
    return static_cast<std::int16_t>(250 - 10 * item);
}
// The item that stands for an opacity; -1 when none does.
constexpr int glassLevelOf(std::int16_t alpha) {
    for (int item = 0; item < kGlassLevels; ++item)
        if (glassAlphaOf(item) == alpha)
            return item;
    return -1;
}

// The light level: the number at the start of the text, 115 to 255. The
// names are drawn darker (kCaptionDimming, app/tiles.h).
inline constexpr int kDarkestLevel = 115;
inline constexpr int kBrightestLevel = 255;
bool acceptedLightLevel(const std::string& text);

} // namespace tavrin
