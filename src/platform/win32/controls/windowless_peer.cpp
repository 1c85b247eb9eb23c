#include "platform/win32/controls/windowless_peer.h"

#include "platform/win32/controls/windowless_paint.h"
#include "platform/win32/pixels.h"
#include "platform/win32/text/text_painter.h"

#include "platform/label.h"

namespace tavrin::win32 {
namespace {

// An auto-sized label with a border grows by the border on each side.
constexpr int kBorderAllowance = 2;

} // namespace

WindowlessPeer::WindowlessPeer(FormContext& ctx, Control& control, HWND host)
    : ctx_(ctx), control_(control), host_(host) {
    fitText();
    repaint();
    applyToolTip();
}

WindowlessPeer::~WindowlessPeer() {
    if (hasTool_)
        ctx_.tooltip.removeRect(host_, toolId());
}

void WindowlessPeer::changed(Prop what) {
    if (what == Prop::Text || what == Prop::Font || what == Prop::Style)
        fitText(); // may move on to a geometry change, which repaints
    if (what == Prop::ToolTip || what == Prop::Geometry)
        applyToolTip();
    repaint();
}

void WindowlessPeer::fitText() {
    if (control_.kind() != ControlKind::Label)
        return;
    auto& label = static_cast<Label&>(control_);
    if (!label.autoSize())
        return;
    WindowDc dc(host_);
    SIZE size = ctx_.painter().measure(dc.get(), label.font(), ctx_.scale.dpi(),
                                       displayedCaption(label.caption()));
    if (label.borderStyle() == 1) {
        size.cx += kBorderAllowance;
        size.cy += kBorderAllowance;
    }
    // Through the control, so that the program reads the new size.
    label.setGeometry(label.left(), label.top(), ctx_.scale.twips(size.cx),
                      ctx_.scale.twips(size.cy));
}

void WindowlessPeer::repaint() {
    if (!IsRectEmpty(&shown_))
        InvalidateRect(host_, &shown_, FALSE);
    shown_ = control_.visible() ? pixelRect(ctx_.scale, control_) : RECT{};
    if (!IsRectEmpty(&shown_))
        InvalidateRect(host_, &shown_, FALSE);
}

void WindowlessPeer::applyToolTip() {
    const std::string& tip = control_.toolTipText();
    if (tip.empty() && !hasTool_)
        return;
    ctx_.tooltip.setForRect(host_, toolId(), pixelRect(ctx_.scale, control_), tip);
    hasTool_ = !tip.empty();
}

} // namespace tavrin::win32
