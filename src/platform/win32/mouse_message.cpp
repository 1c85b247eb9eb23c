#include "platform/win32/mouse_message.h"

#include <windowsx.h>

namespace tavrin::win32 {
namespace {

constexpr int kShiftKey = 1;
constexpr int kCtrlKey = 2;
constexpr int kAltKey = 4;

int heldButtons(WPARAM keys) {
    int buttons = 0;
    if (keys & MK_LBUTTON)
        buttons |= kLeftButton;
    if (keys & MK_RBUTTON)
        buttons |= kRightButton;
    if (keys & MK_MBUTTON)
        buttons |= kMiddleButton;
    return buttons;
}

int shiftState(WPARAM keys) {
    int shift = 0;
    if (keys & MK_SHIFT)
        shift |= kShiftKey;
    if (keys & MK_CONTROL)
        shift |= kCtrlKey;
    // The mouse messages do not carry Alt.
    if (GetKeyState(VK_MENU) < 0)
        shift |= kAltKey;
    return shift;
}

} // namespace

std::optional<MouseMessage> readMouseMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    MouseMessage m;
    switch (message) {
    case WM_MOUSEMOVE:
        m.event = MouseEvent::Move;
        m.button = heldButtons(wParam);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        m.event = MouseEvent::Down;
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        m.event = MouseEvent::Up;
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        m.event = MouseEvent::DoubleClick;
        break;
    default:
        return std::nullopt;
    }
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        m.button = kLeftButton;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        m.button = kRightButton;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        m.button = kMiddleButton;
        break;
    default:
        break;
    }
    m.shift = shiftState(wParam);
    m.position = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return m;
}

MouseArgs mouseArgs(const MouseMessage& m, POINT origin, const PixelScale& scale) {
    MouseArgs args;
    args.button = m.button;
    args.shift = m.shift;
    args.x = scale.twips(m.position.x - origin.x);
    args.y = scale.twips(m.position.y - origin.y);
    return args;
}

void raiseMouseEvent(Control& control, MouseEvent event, const MouseArgs& args) {
    switch (event) {
    case MouseEvent::Move:
        control.raiseMouseMove(args);
        break;
    case MouseEvent::Down:
        control.raiseMouseDown(args);
        break;
    case MouseEvent::Up:
        control.raiseMouseUp(args);
        break;
    case MouseEvent::DoubleClick:
        control.raiseDblClick();
        break;
    }
}

} // namespace tavrin::win32
