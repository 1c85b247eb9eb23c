#include "platform/win32/container_surface.h"

#include "platform/win32/controls/child_control.h"
#include "platform/win32/controls/windowless_paint.h"
#include "platform/win32/handles.h"
#include "platform/win32/pixels.h"
#include "platform/win32/win32_desktop.h"

#include "platform/handler_guard.h"

#include <algorithm>

namespace tavrin::win32 {
namespace {

POINT originOf(const Control& c, const PixelScale& scale) {
    const RECT r = pixelRect(scale, c);
    return POINT{r.left, r.top};
}

// The child window a notification names.
HWND notifyingWindow(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM)
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    (void)wParam;
    return reinterpret_cast<HWND>(lParam);
}

} // namespace

std::optional<LRESULT> ContainerSurface::handleSurface(HWND window, UINT message, WPARAM wParam,
                                                       LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // painted whole, off screen, in WM_PAINT
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_CAPTURECHANGED:
        // Taken away (a message box, another press): the press is over.
        if (reinterpret_cast<HWND>(lParam) != window) {
            pressing_ = false;
            pressed_ = nullptr;
            doubleClicked_ = false;
        }
        return 0;
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_DRAWITEM:
    case WM_HSCROLL: {
        ChildControl* child = ctx_.childFor(notifyingWindow(message, wParam, lParam));
        if (!child)
            return std::nullopt;
        if (message == WM_COMMAND) {
            if (ctx_.live())
                child->command(HIWORD(wParam));
            return 0;
        }
        if (message == WM_DRAWITEM)
            return child->drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
        if (message == WM_HSCROLL) {
            if (ctx_.live())
                child->scroll(LOWORD(wParam));
            return 0;
        }
        if (HBRUSH brush = child->color(reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        return std::nullopt;
    }
    default:
        break;
    }
    if (const auto m = readMouseMessage(message, wParam, lParam)) {
        if (ctx_.live())
            mouse(window, *m);
        return 0;
    }
    return std::nullopt;
}

void ContainerSurface::paint(HWND window) {
    PaintScope paint(window);
    HDC screen = paint.dc();
    const RECT& damage = paint.damage();
    RECT client;
    GetClientRect(window, &client);
    const int width = std::max<int>(1, client.right);
    const int height = std::max<int>(1, client.bottom);
    // Painted off screen and copied in one go, so that nothing flickers.
    UniqueMemoryDc memory(CreateCompatibleDC(screen));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    if (memory && bitmap) {
        Selected selected(memory.get(), bitmap.get());
        FillRect(memory.get(), &client, ctx_.brushes().get(surfaceColor()));
        paintWindowless(memory.get(), container_, damage, ctx_.scale, ctx_.painter(),
                        ctx_.brushes());
        paintDecoration(memory.get(), client);
        BitBlt(screen, damage.left, damage.top, damage.right - damage.left,
               damage.bottom - damage.top, memory.get(), damage.left, damage.top, SRCCOPY);
    }
}

Control* ContainerSurface::windowlessAt(POINT p) const {
    const auto& children = container_.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        Control* c = *it;
        if (!c->windowless() || !c->visible() || !c->enabled())
            continue;
        const RECT r = pixelRect(ctx_.scale, *c);
        if (PtInRect(&r, p))
            return c;
    }
    return nullptr;
}

void ContainerSurface::mouse(HWND window, const MouseMessage& m) {
    // While pressed, even a control hidden meanwhile gets its MouseUp.
    const bool pressEvent = m.event == MouseEvent::Down || m.event == MouseEvent::DoubleClick;
    Control* target = pressing_ && !pressEvent ? pressed_ : windowlessAt(m.position);

    if (pressEvent) {
        SetCapture(window);
        pressing_ = true;
        pressed_ = target;
        doubleClicked_ = m.event == MouseEvent::DoubleClick;
    }
    const bool releasing = m.event == MouseEvent::Up && pressing_;
    bool clicked = false;
    if (releasing) {
        RECT r;
        if (target)
            r = pixelRect(ctx_.scale, *target);
        else
            GetClientRect(window, &r);
        clicked = PtInRect(&r, m.position) != FALSE;
    }

    WindowSystem& ws = ctx_.desktop;
    if (target) {
        const MouseArgs args = mouseArgs(m, originOf(*target, ctx_.scale), ctx_.scale);
        if (m.event == MouseEvent::DoubleClick) {
            // The second press of a double-click: Down, Up, Click came
            // with the first one; DblClick stands in for this Down.
            runHandler(ws, [&] { target->raiseDblClick(); });
        } else {
            runHandler(ws, [&] { raiseMouseEvent(*target, m.event, args); });
        }
    } else {
        runHandler(ws, [&] { ownMouse(m.event, mouseArgs(m, POINT{0, 0}, ctx_.scale)); });
    }

    if (releasing) {
        // The handlers above may have unloaded the form; the capture goes
        // with its window.
        const bool wasDoubleClick = doubleClicked_;
        pressing_ = false;
        pressed_ = nullptr;
        doubleClicked_ = false;
        if (GetCapture() == window)
            ReleaseCapture();
        if (clicked && !wasDoubleClick && ctx_.live()) {
            if (target)
                runHandler(ws, [&] { target->raiseClick(); });
            else
                runHandler(ws, [&] { ownClick(); });
        }
    }
}

} // namespace tavrin::win32
