// The real child controls, beyond what the conformance suite shows: what
// the program sets shows in the controls; the user's pick in the drop-down
// list and scrolling, as the controls report them, raise Click or Change
// once; a handler that fails where a drop-down list, a scroll bar or a
// push button calls it stops there; the controls draw without visual
// styles so that the design's colours show on every Windows.
#include "controls_fixture.h"

#include <uxtheme.h>

#include <stdexcept>

namespace tavrin::win32 {
namespace {

using testing::Controls;
using testing::windowOf;

TEST_F(Controls, PicksAndScrollingRaiseClickOrChangeOnceAndFailingHandlersStopThere) {
    HWND check = windowOf(form->check), combo = windowOf(form->combo);
    HWND scroll = windowOf(form->scroll);
    form->check.setValue(1);
    form->combo.setListIndex(1);
    form->scroll.setValue(100);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(GetScrollPos(scroll, SB_CTL), 100);

    auto pick = [&](int item) {
        SendMessageW(combo, CB_SETCURSEL, item, 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    };
    auto scrollRight = [&] {
        SendMessageW(window, WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(scroll));
    };
    form->events.clear();
    pick(0);
    scrollRight();
    EXPECT_EQ(form->events, "LS");
    EXPECT_EQ(form->combo.listIndex(), 0);
    EXPECT_EQ(form->scroll.value(), 101);
    EXPECT_EQ(GetScrollPos(scroll, SB_CTL), 101);

    // The values change all the same: only the handlers failed.
    auto fail = [] { throw std::runtime_error("a handler failed"); };
    form->combo.onClick = fail;
    form->scroll.onChange = fail;
    form->button.onClick = fail;
    pick(1);
    scrollRight();
    SendMessageW(windowOf(form->button), BM_CLICK, 0, 0);
    EXPECT_EQ(desktop.escapedHandlers(), 3u);
    EXPECT_EQ(form->combo.listIndex(), 1);
    EXPECT_EQ(form->scroll.value(), 102);
}

TEST_F(Controls, ControlsThatCarryTheDesignsColoursDrawWithoutVisualStyles) {
    EXPECT_EQ(GetWindowLongW(windowOf(form->button), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    // A plain edit beside them shows whether visual styles are on at all.
    HWND probe = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, window, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(probe);
    const bool themed = GetWindowTheme(probe) != nullptr;
    DestroyWindow(probe);
    if (!themed)
        GTEST_SKIP() << "visual styles are off on this system";
    HWND combo = windowOf(form->combo);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    for (HWND w : {edit, windowOf(form->check), combo, info.hwndList, windowOf(form->button),
                   windowOf(form->scroll)})
        EXPECT_EQ(GetWindowTheme(w), nullptr) << GetDlgCtrlID(w);
}

} // namespace
} // namespace tavrin::win32
