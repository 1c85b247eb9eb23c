// What the bar and the settings window both know of the tiles: the folder
// tiles' names as both windows are designed, which are also the names
// before any settings file, and how much darker than the light level the
// names are drawn.
#pragma once

#include "settings.h"

#include <array>

namespace tavrin {

inline constexpr std::array<const char*, kShortcuts> kDefaultTileNames = {
    "Equipo", "Personal", "Documentos", "Imágenes", "Música", "Videos"};
inline constexpr int kCaptionDimming = 75;

} // namespace tavrin
