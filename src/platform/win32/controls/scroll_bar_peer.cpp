#include "platform/win32/controls/scroll_bar_peer.h"

#include "platform/win32/controls/classic_look.h"
#include "platform/win32/win32_desktop.h"

#include "platform/handler_guard.h"

#include <algorithm>

namespace tavrin::win32 {
namespace {

// A click on the track moves the thumb this many steps.
constexpr int kLargeChange = 1;
constexpr int kSmallChange = 1;

} // namespace

ScrollBarPeer::ScrollBarPeer(FormContext& ctx, HScrollBar& bar, HWND parent)
    : ChildControl(ctx, bar, parent), bar_(bar) {
    createStandard(L"SCROLLBAR", SBS_HORZ);
    useClassicLook(window());
    applyRange();
}

void ScrollBarPeer::update(Prop what) {
    if (what == Prop::Style || what == Prop::Value)
        applyRange();
}

void ScrollBarPeer::applyRange() {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = bar_.min();
    info.nMax = bar_.max();
    info.nPos = bar_.value();
    SetScrollInfo(window(), SB_CTL, &info, TRUE);
}

void ScrollBarPeer::scroll(int code) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window(), SB_CTL, &info);
    int value = bar_.value();
    switch (code) {
    case SB_LINELEFT:
        value -= kSmallChange;
        break;
    case SB_LINERIGHT:
        value += kSmallChange;
        break;
    case SB_PAGELEFT:
        value -= kLargeChange;
        break;
    case SB_PAGERIGHT:
        value += kLargeChange;
        break;
    case SB_LEFT:
        value = bar_.min();
        break;
    case SB_RIGHT:
        value = bar_.max();
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        value = info.nTrackPos;
        break;
    default:
        return;
    }
    // Through the control, which raises Change and moves the thumb.
    value = std::clamp(value, bar_.min(), bar_.max());
    runHandler(ctx_.desktop, [&] { bar_.setValue(value); });
}

} // namespace tavrin::win32
