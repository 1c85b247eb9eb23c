// Paints the windowless children of a form or a frame (labels and
// shapes) onto the container's surface, back to front. Child windows are
// drawn by themselves above all of it.
#pragma once

#include "platform/container.h"
#include "platform/pixel_edges.h"

#include <windows.h>

namespace tavrin {
class Label;
class Shape;
} // namespace tavrin

namespace tavrin::win32 {

class BrushCache;
class TextPainter;

void paintWindowless(HDC dc, const Container& container, const RECT& dirty, const PixelScale& scale,
                     TextPainter& painter, BrushCache& brushes);

void paintLabel(HDC dc, const Label& label, const RECT& box, int dpi, TextPainter& painter,
                BrushCache& brushes);
void paintShape(HDC dc, const Shape& shape, const RECT& box, BrushCache& brushes);

// The place of a label's text inside its box: within the border, if any.
RECT labelTextBox(const Label& label, const RECT& box);

} // namespace tavrin::win32
