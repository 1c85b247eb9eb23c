#include "platform/win32/brush_cache.h"

namespace tavrin::win32 {

HBRUSH BrushCache::get(Color color) {
    auto it = brushes_.find(color);
    if (it != brushes_.end())
        return it->second.get();
    // A brush handed out earlier is in use only during the paint that asked
    // for it, so dropping the old ones between paints is safe.
    if (brushes_.size() >= kMostBrushes)
        brushes_.clear();
    // Color and COLORREF share their byte order.
    return brushes_.emplace(color, UniqueBrush(CreateSolidBrush(color))).first->second.get();
}

} // namespace tavrin::win32
