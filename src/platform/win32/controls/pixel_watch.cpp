#include "platform/win32/controls/pixel_watch.h"

#include <algorithm>
#include <vector>

namespace tavrin::win32 {
namespace {

// The hook's procedure is given no context of its own: the pixels watched
// and the hook are the process's.
struct Hook {
    HHOOK handle = nullptr;
    std::vector<PixelWatch*> watches;
    // The hook hears of the cursor in the screen's own pixels; a program
    // that declares no DPI awareness sees the screen scaled down.
    SIZE physical{1, 1}, logical{1, 1};
};

Hook& hook() {
    static Hook state;
    return state;
}

LONG scaled(LONG v, LONG to, LONG from) {
    return static_cast<LONG>(static_cast<long long>(v) * to / from);
}

LRESULT CALLBACK onMouse(int code, WPARAM message, LPARAM info) {
    if (code == HC_ACTION && message == WM_MOUSEMOVE) {
        const Hook& h = hook();
        const POINT at = reinterpret_cast<const MSLLHOOKSTRUCT*>(info)->pt;
        const POINT p{scaled(at.x, h.logical.cx, h.physical.cx),
                      scaled(at.y, h.logical.cy, h.physical.cy)};
        for (PixelWatch* watch : h.watches)
            watch->cursorAt(p);
    }
    return CallNextHookEx(nullptr, code, message, info);
}

void install(Hook& h) {
    HDC screen = GetDC(nullptr);
    h.physical = {GetDeviceCaps(screen, DESKTOPHORZRES), GetDeviceCaps(screen, DESKTOPVERTRES)};
    ReleaseDC(nullptr, screen);
    h.logical = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (h.physical.cx <= 0 || h.physical.cy <= 0 || h.logical.cx <= 0 || h.logical.cy <= 0)
        h.physical = h.logical = {1, 1};
    // Refused, the tripwires' windows still watch.
    h.handle = SetWindowsHookExW(WH_MOUSE_LL, onMouse, GetModuleHandleW(nullptr), 0);
}

} // namespace

PixelWatch::PixelWatch(Point pixel, HWND window, UINT message)
    : pixel_(pixel), window_(window), message_(message) {
    Hook& h = hook();
    h.watches.push_back(this);
    if (!h.handle)
        install(h);
}

PixelWatch::~PixelWatch() {
    Hook& h = hook();
    h.watches.erase(std::remove(h.watches.begin(), h.watches.end(), this), h.watches.end());
    if (h.watches.empty() && h.handle) {
        UnhookWindowsHookEx(h.handle);
        h.handle = nullptr;
    }
}

void PixelWatch::cursorAt(POINT p) noexcept {
    if (told_ || p.x != pixel_.x || p.y != pixel_.y)
        return;
    told_ = PostMessageW(window_, message_, 0, 0) != FALSE;
}

} // namespace tavrin::win32
