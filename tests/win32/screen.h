// What the screen shows of the program's windows, in screen pixels.
#pragma once

#include "platform/win32/handles.h"

#include <windows.h>

#include <array>
#include <vector>

namespace tavrin::win32 {

inline POINT onScreen(HWND window, POINT clientPoint) {
    ClientToScreen(window, &clientPoint);
    return clientPoint;
}

// A window's left, top, width and height.
inline std::array<LONG, 4> boundsOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The colours the screen shows over a window's client area, row by row.
inline std::vector<COLORREF> shownOver(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    const POINT origin = onScreen(window, POINT{0, 0});
    const WindowDc screen(nullptr);
    UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
    const Selected selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, client.right, client.bottom, screen.get(), origin.x, origin.y,
           SRCCOPY);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            pixels.push_back(GetPixel(memory.get(), x, y));
    return pixels;
}

} // namespace tavrin::win32
