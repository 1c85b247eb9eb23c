// The real windows behind the program's forms and controls.
#pragma once

#include "platform/form.h"
#include "platform/win32/controls/child_control.h"

#include <windows.h>

namespace tavrin::win32 {

inline HWND windowOf(const Form& form) {
    return reinterpret_cast<HWND>(form.hWnd());
}

// Null for a control drawn on its container, which has no window of its own.
inline HWND windowOf(const Control& c) {
    auto* peer = dynamic_cast<ChildControl*>(c.peer());
    return peer ? peer->window() : nullptr;
}

} // namespace tavrin::win32
