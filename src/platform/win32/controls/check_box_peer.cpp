// The peer of a check box: a real BUTTON that never changes its own state.
// A user's click toggles the property holder, which raises Click once and
// sets the check mark; a quick second click is one more click. The theme
// is turned off for it so that it takes the designed colours.
#include "platform/win32/controls/child_control.h"
#include "platform/win32/controls/classic_look.h"
#include "platform/win32/controls/control_peers.h"
#include "platform/win32/text/text_painter.h"
#include "platform/win32/win32_desktop.h"

#include "platform/handler_guard.h"

#include "platform/check_box.h"

namespace tavrin::win32 {
namespace {

DWORD buttonStyle(const CheckBox& box) {
    return BS_3STATE | (box.graphical() ? BS_PUSHLIKE : 0);
}

WPARAM checkState(int value) {
    return value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
}

class CheckBoxPeer : public ChildControl {
  public:
    CheckBoxPeer(FormContext& ctx, CheckBox& box, HWND parent)
        : ChildControl(ctx, box, parent), box_(box) {
        createStandard(L"BUTTON", buttonStyle(box));
        useClassicLook(window());
        applyFont(ctx_.painter().controlFont(box_.font(), ctx_.scale.dpi()));
        applyCaption();
        applyValue();
    }

    void command(WORD code) override {
        if (code == BN_CLICKED)
            runHandler(ctx_.desktop, [this] { box_.userToggle(); });
    }

    HBRUSH color(HDC dc) override { return colors(dc, box_.foreColor(), box_.backColor()); }

  private:
    LRESULT subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        return ChildControl::subclassed(window, pressNotDoubleClick(message), wParam, lParam);
    }

    void update(Prop what) override {
        switch (what) {
        case Prop::Value:
            applyValue();
            break;
        case Prop::Text:
            applyCaption();
            break;
        case Prop::Font:
            applyFont(ctx_.painter().controlFont(box_.font(), ctx_.scale.dpi()));
            applyCaption();
            break;
        case Prop::Style:
            SendMessageW(window(), BM_SETSTYLE, buttonStyle(box_), TRUE);
            break;
        default:
            break;
        }
    }

    void applyCaption() {
        SetWindowTextW(window(), ctx_.painter().controlText(box_.font(), box_.caption()).c_str());
    }
    void applyValue() { SendMessageW(window(), BM_SETCHECK, checkState(box_.value()), 0); }

    CheckBox& box_;
};

} // namespace

std::unique_ptr<Peer> makeCheckBoxPeer(FormContext& ctx, CheckBox& box, HWND parent) {
    return std::make_unique<CheckBoxPeer>(ctx, box, parent);
}

} // namespace tavrin::win32
