// Solid brushes by colour, made once and kept: the controls ask for their
// background brush at every paint.
#pragma once

#include "platform/types.h"
#include "platform/win32/handles.h"

#include <map>

namespace tavrin::win32 {

class BrushCache {
  public:
    HBRUSH get(Color color);

  private:
    // Colours come from the program's few designed values and the light
    // level's greys; past this many something is churning, so start over.
    static constexpr std::size_t kMostBrushes = 512;
    std::map<Color, UniqueBrush> brushes_;
};

} // namespace tavrin::win32
