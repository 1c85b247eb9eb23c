// Waiting in the Win32 tests: pump this thread's messages until a
// condition holds, within a deadline generous enough for Wine to create a
// window, paint it or start a process on a loaded machine.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

namespace tavrin::win32 {

inline constexpr auto kDeadline = std::chrono::seconds(20);

inline bool waitFor(const std::function<bool()>& condition) {
    // Between rounds, long enough not to spin, short enough not to matter.
    constexpr DWORD kPollMs = 5;
    const auto end = std::chrono::steady_clock::now() + kDeadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(kPollMs);
    }
    return true;
}

} // namespace tavrin::win32
