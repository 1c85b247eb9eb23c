// The peer of a push button: a real BUTTON, owner-drawn so that it shows
// its back colour: a raised edge, sunken while pressed, the caption in
// the middle and the focus rectangle when it has the focus. A quick
// second click is one more click, not a double-click.
#include "platform/win32/brush_cache.h"
#include "platform/win32/controls/child_control.h"
#include "platform/win32/controls/classic_look.h"
#include "platform/win32/controls/control_peers.h"
#include "platform/win32/text/text_painter.h"
#include "platform/win32/win32_desktop.h"

#include "platform/handler_guard.h"

#include "platform/command_button.h"
#include "platform/label.h"

namespace tavrin::win32 {
namespace {

// Room between the edge and the focus rectangle.
constexpr int kFocusInset = 3;

class CommandButtonPeer : public ChildControl {
  public:
    CommandButtonPeer(FormContext& ctx, CommandButton& button, HWND parent)
        : ChildControl(ctx, button, parent), button_(button) {
        createStandard(L"BUTTON", BS_OWNERDRAW);
        useClassicLook(window());
    }

    void command(WORD code) override {
        if (code == BN_CLICKED)
            runHandler(ctx_.desktop, [this] { button_.raiseClick(); });
    }

    bool drawItem(const DRAWITEMSTRUCT& item) override {
        RECT box = item.rcItem;
        HDC dc = item.hDC;
        FillRect(dc, &box, ctx_.brushes().get(button_.backColor()));
        const bool pressed = (item.itemState & ODS_SELECTED) != 0;
        DrawEdge(dc, &box, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        const std::string caption = displayedCaption(button_.caption());
        TextPainter& painter = ctx_.painter();
        const SIZE size = painter.measure(dc, button_.font(), ctx_.scale.dpi(), caption);
        RECT text = box;
        text.top += (box.bottom - box.top - size.cy) / 2 + (pressed ? 1 : 0);
        const Color color = (item.itemState & ODS_DISABLED)
                                ? static_cast<Color>(GetSysColor(COLOR_GRAYTEXT))
                                : static_cast<Color>(GetSysColor(COLOR_BTNTEXT));
        painter.draw(dc, button_.font(), ctx_.scale.dpi(), caption, text, Alignment::Center, color);
        if (item.itemState & ODS_FOCUS) {
            InflateRect(&box, -kFocusInset, -kFocusInset);
            DrawFocusRect(dc, &box);
        }
        return true;
    }

  private:
    LRESULT subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        return ChildControl::subclassed(window, pressNotDoubleClick(message), wParam, lParam);
    }

    void update(Prop what) override {
        if (what == Prop::Text || what == Prop::BackColor || what == Prop::Font)
            InvalidateRect(window(), nullptr, FALSE);
    }

    CommandButton& button_;
};

} // namespace

std::unique_ptr<Peer> makeCommandButtonPeer(FormContext& ctx, CommandButton& button, HWND parent) {
    return std::make_unique<CommandButtonPeer>(ctx, button, parent);
}

} // namespace tavrin::win32
