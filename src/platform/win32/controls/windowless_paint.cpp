#include "platform/win32/controls/windowless_paint.h"

#include "platform/win32/brush_cache.h"
#include "platform/win32/handles.h"
#include "platform/win32/pixels.h"
#include "platform/win32/text/text_painter.h"

#include "platform/label.h"
#include "platform/shape.h"

namespace tavrin::win32 {
namespace {

// A fixed single border is one dark line around the label.
constexpr int kBorderPixels = 1;
constexpr Color kBorderColor = rgb(0, 0, 0);

} // namespace

RECT labelTextBox(const Label& label, const RECT& box) {
    RECT inner = box;
    if (label.borderStyle() == 1)
        InflateRect(&inner, -kBorderPixels, -kBorderPixels);
    return inner;
}

void paintLabel(HDC dc, const Label& label, const RECT& box, int dpi, TextPainter& painter,
                BrushCache& brushes) {
    if (!label.transparent())
        FillRect(dc, &box, brushes.get(label.backColor()));
    if (label.borderStyle() == 1)
        FrameRect(dc, &box, brushes.get(kBorderColor));
    const std::string shown = displayedCaption(label.caption());
    if (shown.empty())
        return;
    // The painter clips to the box it is given, but only as far as its
    // own drawing goes; keep the label's pixels to the label.
    const RECT text = labelTextBox(label, box);
    SavedDc saved(dc);
    IntersectClipRect(dc, text.left, text.top, text.right, text.bottom);
    painter.draw(dc, label.font(), dpi, shown, text, label.alignment(), label.foreColor());
}

void paintShape(HDC dc, const Shape& shape, const RECT& box, BrushCache& brushes) {
    if (shape.filled())
        FillRect(dc, &box, brushes.get(shape.fillColor()));
    const Color border = shape.systemBorderColor()
                             ? static_cast<Color>(GetSysColor(COLOR_WINDOWTEXT))
                             : shape.borderColor();
    FrameRect(dc, &box, brushes.get(border));
}

void paintWindowless(HDC dc, const Container& container, const RECT& dirty, const PixelScale& scale,
                     TextPainter& painter, BrushCache& brushes) {
    for (const Control* child : container.children()) {
        if (!child->windowless() || !child->visible())
            continue;
        const RECT box = pixelRect(scale, *child);
        RECT overlap;
        if (!IntersectRect(&overlap, &box, &dirty))
            continue;
        if (child->kind() == ControlKind::Label)
            paintLabel(dc, static_cast<const Label&>(*child), box, scale.dpi(), painter, brushes);
        else
            paintShape(dc, static_cast<const Shape&>(*child), box, brushes);
    }
}

} // namespace tavrin::win32
