// The peer of a drop-down list: a real COMBOBOX the user can only pick
// from. Setting the selection from code sends no notification back, so
// Click is raised once, by the property holder; a pick by the user is
// handed to it the same way.
#include "platform/win32/controls/child_control.h"
#include "platform/win32/controls/classic_look.h"
#include "platform/win32/controls/control_peers.h"
#include "platform/win32/text/text_painter.h"
#include "platform/win32/win32_desktop.h"

#include "platform/handler_guard.h"

#include "platform/combo_box.h"

namespace tavrin::win32 {
namespace {

// The dropped list shows this many items before it scrolls.
constexpr int kDroppedItems = 8;

class ComboBoxPeer : public ChildControl {
  public:
    ComboBoxPeer(FormContext& ctx, ComboBox& box, HWND parent)
        : ChildControl(ctx, box, parent), box_(box) {
        createStandard(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL);
        applyFont(ctx_.painter().controlFont(box_.font(), ctx_.scale.dpi()));
        fill();
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (GetComboBoxInfo(window(), &info))
            list_ = info.hwndList;
        useClassicLook(window());
        if (list_)
            useClassicLook(list_);
    }

    bool owns(HWND w) const override { return w == window() || (w && w == list_); }

    void command(WORD code) override {
        if (code != CBN_SELCHANGE)
            return;
        const int index = static_cast<int>(SendMessageW(window(), CB_GETCURSEL, 0, 0));
        runHandler(ctx_.desktop, [&] { box_.syncListIndex(index); });
    }

    HBRUSH color(HDC dc) override { return colors(dc, box_.foreColor(), box_.backColor()); }

  private:
    RECT placement() const override {
        RECT r = ChildControl::placement();
        r.bottom += kDroppedItems * (r.bottom - r.top);
        return r;
    }

    void update(Prop what) override {
        switch (what) {
        case Prop::Items:
        case Prop::Font:
            applyFont(ctx_.painter().controlFont(box_.font(), ctx_.scale.dpi()));
            fill();
            break;
        case Prop::Value:
            SendMessageW(window(), CB_SETCURSEL, static_cast<WPARAM>(box_.listIndex()), 0);
            break;
        default:
            break;
        }
    }

    void fill() {
        SendMessageW(window(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : box_.items()) {
            const std::wstring text = ctx_.painter().controlText(box_.font(), item);
            SendMessageW(window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        SendMessageW(window(), CB_SETCURSEL, static_cast<WPARAM>(box_.listIndex()), 0);
    }

    ComboBox& box_;
    HWND list_ = nullptr; // the dropped list, a window of the combo box
};

} // namespace

std::unique_ptr<Peer> makeComboBoxPeer(FormContext& ctx, ComboBox& box, HWND parent) {
    return std::make_unique<ComboBoxPeer>(ctx, box, parent);
}

} // namespace tavrin::win32
