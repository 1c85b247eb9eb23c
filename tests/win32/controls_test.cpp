// The real child controls: what the program sets raises Change or Click
// once, and so does what the user does through the control itself;
// KeyPress sees every typed character; colours and non-ASCII text reach
// the control.
#include "message_pump.h"

#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/command_button.h"
#include "platform/form_slot.h"
#include "platform/text_box.h"
#include "platform/win32/win32_desktop.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace tavrin::win32 {
namespace {

class ControlsForm : public Form {
  public:
    explicit ControlsForm(WindowSystem& ws) : Form(ws) {
        setStyle(FormBorder::FixedSingle, true, true);
        setCaption("Controles");
        move(0, 0, 4500, 3000);
        for (Control* c : std::initializer_list<Control*>{&text, &check, &combo, &button})
            add(*c);
        text.setGeometry(150, 150, 3000, 300);
        text.setBackColor(rgb(40, 40, 40));
        check.setGeometry(150, 600, 3000, 300);
        check.setCaption("Altura completa");
        combo.setGeometry(150, 1050, 3000, 300);
        combo.addItem("Derecha");
        combo.addItem("Izquierda");
        button.setGeometry(150, 1500, 1500, 450);
        button.setCaption("Aceptar");
        text.onChange = [this] { ++changes; };
        check.onClick = [this] { ++checkClicks; };
        combo.onClick = [this] { ++comboClicks; };
        button.onClick = [this] { ++buttonClicks; };
    }

    TextBox text;
    CheckBox check;
    ComboBox combo;
    CommandButton button;
    int changes = 0, checkClicks = 0, comboClicks = 0, buttonClicks = 0;
};

HWND childAt(HWND form, const Control& c) {
    POINT p{static_cast<LONG>(c.left() / 15) + 2, static_cast<LONG>(c.top() / 15) + 2};
    return ChildWindowFromPoint(form, p);
}

std::wstring windowText(HWND w) {
    wchar_t buffer[256];
    GetWindowTextW(w, buffer, 256);
    return buffer;
}

class Controls : public testing::Test {
  protected:
    void SetUp() override {
        form = &slot.get(static_cast<WindowSystem&>(desktop));
        form->show();
        window = reinterpret_cast<HWND>(form->hWnd());
    }
    Win32Desktop desktop;
    FormSlot<ControlsForm> slot;
    ControlsForm* form = nullptr;
    HWND window = nullptr;
};

TEST_F(Controls, TextBoxRaisesChangeOnceAndTypingGoesThroughKeyPress) {
    HWND edit = childAt(window, form->text);
    ASSERT_NE(edit, window);
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
    for (wchar_t c : std::wstring(L"sx\u00fa"))
        SendMessageW(edit, WM_CHAR, c, 0);
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

TEST_F(Controls, CheckBoxDropDownAndButtonRaiseClickOnceEitherWay) {
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
