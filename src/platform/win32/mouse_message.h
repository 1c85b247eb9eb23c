// A window's mouse message read as the program's mouse events see it:
// which event, which button, the shift state and the position.
#pragma once

#include "platform/control.h"
#include "platform/pixel_edges.h"
#include "platform/types.h"

#include <windows.h>

#include <optional>

namespace tavrin::win32 {

enum class MouseEvent { Move, Down, Up, DoubleClick };

struct MouseMessage {
    MouseEvent event = MouseEvent::Move;
    // For a move, the buttons held; otherwise the button that changed.
    int button = 0;
    int shift = 0;    // 1 Shift, 2 Ctrl, 4 Alt
    POINT position{}; // client pixels of the window that got the message
};

// Nothing for messages that are not about the mouse in the client area.
std::optional<MouseMessage> readMouseMessage(UINT message, WPARAM wParam, LPARAM lParam);

// The event's arguments with the position made relative to origin (client
// pixels of the same window) and turned into twips at the window's scale.
MouseArgs mouseArgs(const MouseMessage& m, POINT origin, const PixelScale& scale);

// Raises the control's event of that kind.
void raiseMouseEvent(Control& control, MouseEvent event, const MouseArgs& args);

} // namespace tavrin::win32
