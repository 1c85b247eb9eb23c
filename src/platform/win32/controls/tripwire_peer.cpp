#include "platform/win32/controls/tripwire_peer.h"

#include "platform/handler_guard.h"
#include "platform/win32/win32_desktop.h"

#include <stdexcept>

namespace tavrin::win32 {
namespace {

// The least opacity that the cursor still hits: a fully clear layered
// window lets the cursor through.
constexpr BYTE kAlmostClear = 1;
constexpr int kSize = 1;
// Posted to the wire's window: the hook saw the cursor come onto the
// pixel; and, once out of the way, the touch for the program.
constexpr UINT kCursorCame = WM_APP;
constexpr UINT kTouched = WM_APP + 1;

} // namespace

TripwirePeer::TripwirePeer(FormContext& ctx, Tripwire& wire) : ctx_(ctx), wire_(wire) {
    window_ = newWindow();
    apply();
}

UniqueWindow TripwirePeer::newWindow() {
    UniqueWindow window(
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED,
                        windowClassName(WindowClass::Frame), L"", WS_POPUP, 0, 0, kSize, kSize,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    if (!window)
        throw std::runtime_error("the window system refused a tripwire");
    SetLayeredWindowAttributes(window.get(), 0, kAlmostClear, LWA_ALPHA);
    attachTarget(window.get(), this);
    return window;
}

TripwirePeer::~TripwirePeer() {
    attachTarget(window_.get(), nullptr);
}

void TripwirePeer::changed(Prop what) {
    if (what == Prop::Value || what == Prop::Geometry)
        apply();
}

void TripwirePeer::apply() {
    watch_.reset();
    touchPosted_ = false;
    if (!wire_.armed()) {
        ShowWindow(window_.get(), SW_HIDE);
        return;
    }
    // Armed anew: a window of its own each time. Wine tells a window of the
    // cursor only when the cursor's pixel or the window under it differs
    // from what it saw last, and a cursor that left over another X program
    // and came back to the same corner pixel would find the same window.
    if (!IsWindowVisible(window_.get())) {
        attachTarget(window_.get(), nullptr);
        ShowWindow(window_.get(), SW_HIDE);
        ctx_.desktop.dispatcher().bury(std::move(window_));
        window_ = newWindow();
    }
    const Point p = wire_.pixel();
    SetWindowPos(window_.get(), HWND_TOPMOST, static_cast<int>(p.x), static_cast<int>(p.y), kSize,
                 kSize, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    watch_.emplace(p, window_.get(), kCursorCame);
}

// Out of the way at once: the click that may follow belongs to the window
// beneath. The program hears of the touch from the message loop, once the
// message that told of the cursor is done with.
void TripwirePeer::stepAside() {
    if (!wire_.armed() || touchPosted_)
        return;
    ShowWindow(window_.get(), SW_HIDE);
    watch_.reset();
    touchPosted_ = PostMessageW(window_.get(), kTouched, 0, 0) != FALSE;
}

void TripwirePeer::touched() {
    if (!touchPosted_ || !wire_.armed() || !ctx_.live())
        return;
    touchPosted_ = false;
    runHandler(ctx_.desktop, [this] { wire_.touch(); });
}

LRESULT TripwirePeer::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dispatcher::Scope scope(ctx_.desktop.dispatcher());
    switch (message) {
    case WM_NCHITTEST:
    case WM_MOUSEMOVE:
    case WM_SETCURSOR:
        stepAside();
        break;
    case kCursorCame:
        stepAside();
        return 0;
    case kTouched:
        touched();
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

WindowSystem& TripwirePeer::windowSystem() const {
    return ctx_.desktop;
}

} // namespace tavrin::win32
