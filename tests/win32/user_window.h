// A window of the user's, in front and focused while it lives: what the
// program's windows must not take the focus from, or come back in front of.
#pragma once

#include "conformance/desktop_driver.h"

#include <windows.h>

namespace tavrin::win32 {

struct UserWindow {
    // Under a window manager the activation is done only when its focus
    // event comes back, a few milliseconds after Windows' own state says
    // so; a window activated in between would lose the focus to it again.
    static constexpr int kWindowManagerSettleMs = 300;

    explicit UserWindow(conformance::DesktopDriver& driver)
        : window(CreateWindowExW(0, L"STATIC", L"user", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300,
                                 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
        SetForegroundWindow(window);
        driver.runUntil([&] { return GetForegroundWindow() == window; });
        driver.runFor(kWindowManagerSettleMs);
    }
    ~UserWindow() { DestroyWindow(window); }
    UserWindow(const UserWindow&) = delete;
    UserWindow& operator=(const UserWindow&) = delete;
    HWND window;
};

} // namespace tavrin::win32
