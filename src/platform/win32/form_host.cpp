#include "platform/win32/form_host.h"

#include "platform/win32/controls/timer_peer.h"
#include "platform/win32/pixels.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_desktop.h"

#include "platform/handler_guard.h"
#include "platform/tab_order.h"
#include "platform/win32/controls/child_control.h"

#include <algorithm>
#include <stdexcept>

namespace tavrin::win32 {
namespace {

// Posted to a form that never takes the focus when it was given it.
constexpr UINT kGiveUpActivation = WM_APP + 2;

DWORD styleOf(const Form& form) {
    DWORD style = WS_CLIPCHILDREN;
    if (form.border() == FormBorder::None)
        return style | WS_POPUP;
    // A fixed single border with the close box only.
    return style | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
}

DWORD exStyleOf(const Form& form) {
    DWORD exStyle = 0;
    if (!form.showInTaskbar())
        exStyle |= WS_EX_TOOLWINDOW;
    if (form.border() == FormBorder::None)
        exStyle |= WS_EX_NOACTIVATE;
    return exStyle;
}

// Where the window stands at the scale. A bordered form gets this
// desktop's caption and borders around the client area its design gives,
// however large they are.
RECT outerRect(const Form& form, const PixelScale& scale) {
    if (form.border() == FormBorder::None)
        return pixelRect(scale, form.left(), form.top(), form.width(), form.height());
    RECT r = pixelRect(scale, form.left(), form.top(), form.clientWidth(), form.clientHeight());
    const LONG left = r.left, top = r.top;
    adjustWindowRect(r, styleOf(form), exStyleOf(form), scale.dpi());
    OffsetRect(&r, left - r.left, top - r.top);
    return r;
}

// Made at the primary monitor's scale; the window then tells its own.
HWND createFormWindow(Form& form, const PixelScale& scale) {
    const RECT r = outerRect(form, scale);
    return CreateWindowExW(exStyleOf(form), windowClassName(WindowClass::Form),
                           wideFromUtf8(form.caption()).c_str(), styleOf(form), r.left, r.top,
                           r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace

FormHost::FormHost(Win32Desktop& desktop, Form& form)
    : ContainerSurface(context_, form), desktop_(desktop), form_(form),
      window_(createFormWindow(form, desktop.screenScale())),
      context_(desktop, form, window_.get()) {
    if (!window_)
        throw std::runtime_error("the window system refused a window");
    if (context_.scale != desktop.screenScale())
        place();
    createPeers(context_, form, window_.get(), peers_);
    // Messages reach the form only once every control it may name has a peer.
    attachTarget(window_.get(), this);
    desktop_.enlist(*this);
    if (form.passThrough())
        letMouseThrough();
}

FormHost::~FormHost() {
    desktop_.strike(*this);
    context_.unload();
    // Children go before their containers: peers were made parents first.
    while (!peers_.empty()) {
        AttachedPeer& last = peers_.back();
        last.control->attach(nullptr);
        peers_.pop_back();
    }
    attachTarget(window_.get(), nullptr);
}

void FormHost::close() {
    context_.unload();
    if (GetCapture() == window_.get())
        ReleaseCapture();
    ShowWindow(window_.get(), SW_HIDE);
}

void FormHost::changed(Prop what) {
    switch (what) {
    case Prop::Geometry:
        place();
        break;
    case Prop::Visible:
        show();
        break;
    case Prop::BackColor:
        InvalidateRect(window_.get(), nullptr, FALSE);
        break;
    case Prop::Text:
        SetWindowTextW(window_.get(), wideFromUtf8(form_.caption()).c_str());
        break;
    case Prop::Style:
        letMouseThrough();
        break;
    default:
        break;
    }
}

void FormHost::place() {
    const RECT r = outerRect(form_, context_.scale);
    SetWindowPos(window_.get(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// An empty window region: the window stays shown where it stands, and
// the window system hands the mouse to whatever lies beneath. (Under Wine
// WS_EX_TRANSPARENT on a layered window swallows the click instead.) The
// region belongs to the window once it is set.
void FormHost::letMouseThrough() {
    HRGN region = form_.passThrough() ? CreateRectRgn(0, 0, 0, 0) : nullptr;
    if (!SetWindowRgn(window_.get(), region, TRUE) && region)
        DeleteObject(region);
}

void FormHost::show() {
    if (!form_.visible()) {
        ShowWindow(window_.get(), SW_HIDE);
        return;
    }
    // The bar and the clock panel show without taking the focus.
    if (form_.border() == FormBorder::None) {
        ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
    } else {
        // Shown from a click on the bar, which never takes the focus: the
        // window comes to the front ready for typing, also when it was
        // already open behind others.
        ShowWindow(window_.get(), SW_SHOWNORMAL);
        SetForegroundWindow(window_.get());
    }
    UpdateWindow(window_.get());
}

void FormHost::displayChanged() {
    if (context_.live())
        runHandler(desktop_, [this] { form_.Form_DisplayChange(); });
}

// Every control at the new scale: its fonts made anew for the DPI and its
// pixels from its twips. A bordered form stands where the system suggests,
// laid out to its design at the new scale; the bar and the clock panel
// hear of it as of a new screen (the bar is made anew).
void FormHost::dpiChanged(int dpi, const RECT& suggested) {
    context_.scale = PixelScale(dpi);
    for (const AttachedPeer& attached : peers_) {
        if (!attached.peer)
            continue;
        attached.peer->changed(Prop::Font);
        attached.peer->changed(Prop::Geometry);
    }
    if (form_.border() == FormBorder::None) {
        place();
        displayChanged();
    } else {
        const PixelScale& scale = context_.scale;
        form_.move(scale.twips(suggested.left), scale.twips(suggested.top), form_.width(),
                   form_.height());
        place();
    }
    InvalidateRect(window_.get(), nullptr, FALSE);
}

Color FormHost::surfaceColor() const {
    return form_.backColor();
}

WindowSystem& FormHost::windowSystem() const {
    return desktop_;
}

Control* FormHost::controlOwning(HWND window) const {
    // The innermost wins: a control inside a frame is also inside the frame.
    Control* found = nullptr;
    for (const AttachedPeer& attached : peers_)
        if (auto* child = dynamic_cast<ChildControl*>(attached.peer.get()))
            if (child->owns(window) || IsChild(child->window(), window))
                found = attached.control;
    return found;
}

bool FormHost::tab(HWND from, bool backwards) {
    return focus(nextTabStop(form_, controlOwning(from), backwards));
}

bool FormHost::focus(Control* control) {
    auto* peer = control ? dynamic_cast<ChildControl*>(control->peer()) : nullptr;
    if (!peer)
        return false;
    SetFocus(peer->window());
    return true;
}

std::optional<OuterSize> FormHost::outerSize() const {
    RECT r;
    if (form_.border() == FormBorder::None || !GetWindowRect(window_.get(), &r))
        return std::nullopt;
    return OuterSize{context_.scale.twips(r.right - r.left),
                     context_.scale.twips(r.bottom - r.top)};
}

bool FormHost::activate(WPARAM state) {
    if (form_.border() == FormBorder::None) {
        // A form that never takes the focus can still be handed it when the
        // active window closes (Wine takes the next visible window, the bar
        // among them). Under a window manager Wine then gives the bar's X
        // window to it, which may move it; so hand the activation on, once
        // this message is done with.
        if (LOWORD(state) != WA_INACTIVE)
            PostMessageW(window_.get(), kGiveUpActivation, 0, 0);
        return false;
    }
    if (LOWORD(state) == WA_INACTIVE) {
        lastFocus_ = controlOwning(GetFocus());
        return false;
    }
    const std::vector<Control*> stops = tabStops(form_);
    if (std::find(stops.begin(), stops.end(), lastFocus_) != stops.end())
        return focus(lastFocus_);
    return focus(stops.empty() ? nullptr : stops.front());
}

void FormHost::ownMouse(MouseEvent event, const MouseArgs& args) {
    if (event == MouseEvent::Move)
        form_.Form_MouseMove(args);
    else if (event == MouseEvent::DoubleClick)
        form_.Form_DblClick();
}

LRESULT FormHost::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dispatcher::Scope scope(desktop_.dispatcher());
    switch (message) {
    case WM_MOUSEACTIVATE:
        if (form_.border() == FormBorder::None)
            return MA_NOACTIVATE;
        break;
    case WM_ACTIVATE:
        if (activate(wParam))
            return 0;
        break;
    case kGiveUpActivation:
        if (GetActiveWindow() == window) {
            HWND desktop = GetShellWindow();
            SetForegroundWindow(desktop ? desktop : GetDesktopWindow());
        }
        return 0;
    case WM_TIMER:
        if (TimerPeer* timer = timerFor(context_, wParam))
            timer->tick();
        return 0;
    case WM_DISPLAYCHANGE:
        displayChanged();
        break;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        // The close box and Alt+F4: a form with a close box is unloaded,
        // the others stay; the window itself goes with the unload.
        if (context_.live())
            runHandler(desktop_, [this] { form_.closeByUser(); });
        return 0;
    default:
        break;
    }
    if (const auto result = handleSurface(window, message, wParam, lParam))
        return *result;
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tavrin::win32
