#include "platform/win32/controls/child_control.h"

#include "platform/win32/brush_cache.h"

#include "platform/win32/mouse_message.h"
#include "platform/win32/pixels.h"
#include "platform/win32/win32_desktop.h"

#include "platform/handler_guard.h"

#include <commctrl.h>

namespace tavrin::win32 {
namespace {

// One subclass of ours per control window.
constexpr UINT_PTR kSubclassId = 1;

} // namespace

ChildControl::ChildControl(FormContext& ctx, Control& control, HWND parent)
    : ctx_(ctx), control_(control), parent_(parent) {}

ChildControl::~ChildControl() {
    ctx_.strike(*this);
    if (!window_)
        return;
    if (!control_.toolTipText().empty())
        ctx_.tooltip.setForWindow(window_.get(), std::string());
    if (subclassed_)
        RemoveWindowSubclass(window_.get(), subclassProcedure, kSubclassId);
}

void ChildControl::createStandard(const wchar_t* windowClass, DWORD style, DWORD exStyle) {
    HWND window = makeStandard(windowClass, style, exStyle, ctx_.newControlId());
    adopt(window);
    watch(window);
}

UniqueWindow ChildControl::recreateStandard(const wchar_t* windowClass, DWORD style,
                                            DWORD exStyle) {
    HWND old = window_.get();
    if (!old)
        return UniqueWindow();
    HWND fresh = makeStandard(windowClass, style, exStyle, GetDlgCtrlID(old));
    if (!fresh)
        return UniqueWindow();
    // Right behind the old window: its place once the old one is gone.
    SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const bool hadFocus = GetFocus() == old;
    if (!control_.toolTipText().empty())
        ctx_.tooltip.setForWindow(old, std::string());
    if (subclassed_)
        RemoveWindowSubclass(old, subclassProcedure, kSubclassId);
    UniqueWindow retired(window_.release());
    window_.reset(fresh);
    watch(fresh);
    applyToolTip();
    if (hadFocus)
        SetFocus(fresh);
    // Hidden only now: hiding the window with the focus would hand the
    // focus to the form.
    ShowWindow(old, SW_HIDE);
    return retired;
}

HWND ChildControl::makeStandard(const wchar_t* windowClass, DWORD style, DWORD exStyle,
                                int id) const {
    const RECT r = placement();
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control_.visible())
        style |= WS_VISIBLE;
    if (!control_.enabled())
        style |= WS_DISABLED;
    return CreateWindowExW(exStyle, windowClass, L"", style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void ChildControl::watch(HWND window) {
    subclassed_ = window && SetWindowSubclass(window, subclassProcedure, kSubclassId,
                                              reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void ChildControl::adopt(HWND window) {
    window_.reset(window);
    if (!window)
        return;
    ctx_.enlist(*this);
    // Children are added back to front: each new one goes in front.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    applyToolTip();
}

RECT ChildControl::placement() const {
    return pixelRect(ctx_.scale, control_);
}

void ChildControl::place() {
    const RECT r = placement();
    SetWindowPos(window_.get(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildControl::applyToolTip() {
    ctx_.tooltip.setForWindow(window_.get(), control_.toolTipText());
}

void ChildControl::applyFont(HFONT font) {
    if (font)
        SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HBRUSH ChildControl::colors(HDC dc, Color fore, Color back) {
    SetTextColor(dc, fore);
    SetBkColor(dc, back);
    return ctx_.brushes().get(back);
}

void ChildControl::changed(Prop what) {
    if (!window_)
        return;
    switch (what) {
    case Prop::Geometry:
        place();
        break;
    case Prop::Visible:
        ShowWindow(window_.get(), control_.visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case Prop::Enabled:
        EnableWindow(window_.get(), control_.enabled());
        break;
    case Prop::ToolTip:
        applyToolTip();
        break;
    case Prop::ForeColor:
    case Prop::BackColor:
        InvalidateRect(window_.get(), nullptr, TRUE);
        break;
    default:
        break;
    }
    update(what);
}

bool ChildControl::raiseMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto m = readMouseMessage(message, wParam, lParam);
    if (!m)
        return false;
    const MouseArgs args = mouseArgs(*m, POINT{0, 0}, ctx_.scale);
    runHandler(ctx_.desktop, [&] { raiseMouseEvent(control_, m->event, args); });
    return true;
}

LRESULT ChildControl::subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ctx_.live())
        raiseMouse(message, wParam, lParam);
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK ChildControl::subclassProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR self) noexcept {
    auto& peer = *reinterpret_cast<ChildControl*>(self);
    // The scope covers the control's own handling too: what it sends to
    // the container nests inside this message. Nothing unwinds through
    // the control's own procedure.
    Dispatcher::Scope scope(peer.ctx_.desktop.dispatcher());
    LRESULT result = 0;
    bool handled = false;
    runHandler(peer.ctx_.desktop, [&] {
        result = peer.subclassed(window, message, wParam, lParam);
        handled = true;
    });
    // What failed may have come after the control's own handling: not twice.
    return handled ? result : 0;
}

} // namespace tavrin::win32
