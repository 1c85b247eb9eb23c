#include "platform/win32/controls/list_box_peer.h"

#include "platform/win32/wide.h"

namespace tavrin::win32 {

ListBoxPeer::ListBoxPeer(FormContext& ctx, ListBox& box, HWND parent)
    : ChildControl(ctx, box, parent), box_(box) {
    createStandard(L"LISTBOX", WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, WS_EX_CLIENTEDGE);
    applyFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    fill();
}

void ListBoxPeer::update(Prop what) {
    if (what == Prop::Items)
        fill();
}

void ListBoxPeer::fill() {
    // Lines are only ever added at the end.
    const auto& items = box_.items();
    if (items.size() < shown_) {
        SendMessageW(window(), LB_RESETCONTENT, 0, 0);
        shown_ = 0;
    }
    for (; shown_ < items.size(); ++shown_) {
        const std::wstring line = wideFromUtf8(items[shown_]);
        SendMessageW(window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
}

} // namespace tavrin::win32
