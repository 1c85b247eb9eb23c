// The real child controls: what the program sets raises Change or Click
// once, and so does what the user does through the control itself (the
// drop-down list's pick and the scroll bar's scrolling as the controls
// report them); colours and non-ASCII text reach the controls, which draw
// without visual styles so that the design's colours show on every
// Windows.
#include "controls_form.h"

#include <uxtheme.h>

namespace tavrin::win32 {
namespace {

using testing::childAt;
using testing::Controls;
using testing::windowText;

TEST_F(Controls, TextBoxRaisesChangeOnceAndTypingGoesThroughKeyPress) {
    form->text.setText("Im\u00e1genes");
    EXPECT_EQ(form->changes, 1);
    EXPECT_EQ(windowText(edit), L"Im\u00e1genes");

    // Typed: lower case becomes upper, "x" is swallowed.
    form->text.onKeyPress = [](int& key) {
        if (key == 'x')
            key = 0;
        else if (key >= 'a' && key <= 'z')
            key -= 'a' - 'A';
    };
    form->text.setSelStart(8);
    form->changes = 0;
    testing::typeUnits(edit, L"sx\u00fa");
    EXPECT_EQ(form->text.text(), "Im\u00e1genesS\u00fa");
    EXPECT_EQ(form->changes, 2);
    EXPECT_EQ(form->text.selStart(), 10);

    // The limit holds for typing, not for the program.
    form->text.setMaxLength(10);
    SendMessageW(edit, WM_CHAR, L'q', 0);
    EXPECT_EQ(form->text.length(), 10);

    // Coloured as designed.
    HDC dc = GetDC(edit);
    const auto brush = SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(edit));
    EXPECT_EQ(GetBkColor(dc), RGB(40, 40, 40));
    ReleaseDC(edit, dc);
    LOGBRUSH lb{};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(40, 40, 40));
}

TEST_F(Controls, CheckBoxDropDownButtonAndScrollBarRaiseClickOrChangeOnceEitherWay) {
    HWND check = childAt(window, form->check);
    form->check.setValue(1);
    EXPECT_EQ(form->checkClicks, 1);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(check, BM_CLICK, 0, 0);
    EXPECT_EQ(form->checkClicks, 2);
    EXPECT_EQ(form->check.value(), 0);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    HWND combo = childAt(window, form->combo);
    form->combo.setListIndex(1);
    EXPECT_EQ(form->comboClicks, 1);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 1);
    // The user picks the first item, as the control tells its parent.
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(form->comboClicks, 2);
    EXPECT_EQ(form->combo.listIndex(), 0);

    HWND button = childAt(window, form->button);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(form->buttonClicks, 1);
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    HWND scroll = childAt(window, form->scroll);
    form->scroll.setValue(100);
    EXPECT_EQ(form->scrollChanges, 1);
    EXPECT_EQ(GetScrollPos(scroll, SB_CTL), 100);
    SendMessageW(window, WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(scroll));
    EXPECT_EQ(form->scrollChanges, 2);
    EXPECT_EQ(form->scroll.value(), 101);
    EXPECT_EQ(GetScrollPos(scroll, SB_CTL), 101);
}

TEST_F(Controls, AFailingHandlerStopsWhereTheControlCalledIt) {
    form->check.onClick = [] { throw std::runtime_error("click"); };
    form->button.onClick = [] { throw std::runtime_error("click"); };
    form->combo.onClick = [] { throw std::runtime_error("click"); };
    form->scroll.onChange = [] { throw std::runtime_error("change"); };
    SendMessageW(childAt(window, form->check), BM_CLICK, 0, 0);
    SendMessageW(childAt(window, form->button), BM_CLICK, 0, 0);
    HWND combo = childAt(window, form->combo);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    SendMessageW(window, WM_HSCROLL, SB_LINERIGHT,
                 reinterpret_cast<LPARAM>(childAt(window, form->scroll)));
    EXPECT_EQ(desktop.escapedHandlers(), 4u);
    // The values changed all the same: only the handlers failed.
    EXPECT_EQ(form->check.value(), 1);
    EXPECT_EQ(form->combo.listIndex(), 1);
    EXPECT_EQ(form->scroll.value(), 1);
}

TEST_F(Controls, ControlsThatCarryTheDesignsColoursDrawWithoutVisualStyles) {
    // A plain edit beside them shows whether visual styles are on at all.
    HWND probe = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, window, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(probe);
    const bool themed = GetWindowTheme(probe) != nullptr;
    DestroyWindow(probe);
    if (!themed)
        GTEST_SKIP() << "visual styles are off on this system";
    HWND combo = childAt(window, form->combo);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    for (HWND w : {edit, childAt(window, form->check), combo, info.hwndList,
                   childAt(window, form->button), childAt(window, form->scroll)})
        EXPECT_EQ(GetWindowTheme(w), nullptr) << testing::className(w);
}

TEST_F(Controls, SettingsWindowHasACloseBoxOnlyAndStandsCentred) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_THICKFRAME));
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "taskbar button";
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
    EXPECT_EQ(windowText(window), L"Controles");
}

} // namespace
} // namespace tavrin::win32
