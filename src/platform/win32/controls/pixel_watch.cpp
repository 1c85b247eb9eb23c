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
};

Hook& hook() {
    static Hook state;
    return state;
}

// The hook hears of the cursor in the screen's own pixels, which are the
// program's: it is aware of each monitor's DPI, so nothing scales them.
LRESULT CALLBACK onMouse(int code, WPARAM message, LPARAM info) {
    if (code == HC_ACTION && message == WM_MOUSEMOVE) {
        const POINT p = reinterpret_cast<const MSLLHOOKSTRUCT*>(info)->pt;
        for (PixelWatch* watch : hook().watches)
            watch->cursorAt(p);
    }
    return CallNextHookEx(nullptr, code, message, info);
}

void install(Hook& h) {
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
