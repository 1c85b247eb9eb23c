#include "platform/win32/controls/frame_peer.h"

#include "platform/win32/pixels.h"
#include "platform/win32/text/text_painter.h"
#include "platform/win32/win32_desktop.h"

namespace tavrin::win32 {
namespace {

// The caption stands on the border line, this far in from the left.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;
const Font kCaptionFont{};

} // namespace

FramePeer::FramePeer(FormContext& ctx, Frame& frame, HWND parent)
    : ChildControl(ctx, frame, parent), ContainerSurface(ctx, frame), frame_(frame) {
    const RECT r = pixelRect(ctx.scale, frame);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (frame.visible())
        style |= WS_VISIBLE;
    if (!frame.enabled())
        style |= WS_DISABLED;
    HWND window = CreateWindowExW(0, windowClassName(WindowClass::Frame), L"", style, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(ctx.newControlId())),
                                  GetModuleHandleW(nullptr), nullptr);
    if (window)
        attachTarget(window, this);
    adopt(window);
}

FramePeer::~FramePeer() {
    if (window())
        attachTarget(window(), nullptr);
}

void FramePeer::update(Prop what) {
    if (what == Prop::Text || what == Prop::Style)
        InvalidateRect(window(), nullptr, FALSE);
}

WindowSystem& FramePeer::windowSystem() const {
    return ChildControl::ctx_.desktop;
}

LRESULT FramePeer::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dispatcher::Scope scope(ChildControl::ctx_.desktop.dispatcher());
    if (const auto result = handleSurface(window, message, wParam, lParam))
        return *result;
    return DefWindowProcW(window, message, wParam, lParam);
}

void FramePeer::paintDecoration(HDC dc, const RECT& client) {
    if (!frame_.bordered())
        return;
    TextPainter& painter = ChildControl::ctx_.painter();
    const int dpi = ChildControl::ctx_.scale.dpi();
    const SIZE text = frame_.caption().empty()
                          ? SIZE{0, 0}
                          : painter.measure(dc, kCaptionFont, dpi, frame_.caption());
    RECT edge = client;
    edge.top += text.cy / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    if (text.cx == 0)
        return;
    RECT box{kCaptionIndent, 0, kCaptionIndent + text.cx + 2 * kCaptionPadding, text.cy};
    FillRect(dc, &box, ChildControl::ctx_.brushes().get(frame_.backColor()));
    InflateRect(&box, -kCaptionPadding, 0);
    painter.draw(dc, kCaptionFont, dpi, frame_.caption(), box, Alignment::Left,
                 static_cast<Color>(GetSysColor(COLOR_WINDOWTEXT)));
}

void FramePeer::ownMouse(MouseEvent event, const MouseArgs& args) {
    raiseMouseEvent(frame_, event, args);
}

} // namespace tavrin::win32
