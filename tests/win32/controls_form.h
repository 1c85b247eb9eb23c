// A form with one of each real control, that counts the events they raise,
// and helpers to reach the controls' windows, for the Win32 control tests.
#pragma once

#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/command_button.h"
#include "platform/form_slot.h"
#include "platform/scroll_bar.h"
#include "platform/text_box.h"
#include "platform/win32/win32_desktop.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace tavrin::win32::testing {

class ControlsForm : public Form {
  public:
    explicit ControlsForm(WindowSystem& ws) : Form(ws) {
        setStyle(FormBorder::FixedSingle, true, true);
        setCaption("Controles");
        move(0, 0, 4500, 3000);
        for (Control* c : std::initializer_list<Control*>{&text, &check, &combo, &button, &scroll})
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
        scroll.setGeometry(150, 2100, 3000, 255);
        scroll.setRange(1, 255);
        text.onChange = [this] { ++changes; };
        text.onClick = [this] { events.push_back("click"); };
        text.onMouseDown = [this](const MouseArgs&) { events.push_back("down"); };
        text.onMouseUp = [this](const MouseArgs&) { events.push_back("up"); };
        text.onDblClick = [this] { events.push_back("dblclick"); };
        check.onClick = [this] { ++checkClicks; };
        combo.onClick = [this] { ++comboClicks; };
        button.onClick = [this] { ++buttonClicks; };
        scroll.onChange = [this] { ++scrollChanges; };
    }

    TextBox text;
    CheckBox check;
    ComboBox combo;
    CommandButton button;
    HScrollBar scroll;
    int changes = 0, checkClicks = 0, comboClicks = 0, buttonClicks = 0, scrollChanges = 0;
    std::vector<std::string> events; // the text box's mouse events and clicks
};

// The control's window: the child of the form under its top left corner.
inline HWND childAt(HWND form, const Control& c) {
    POINT p{static_cast<LONG>(c.left() / 15) + 2, static_cast<LONG>(c.top() / 15) + 2};
    return ChildWindowFromPoint(form, p);
}

inline std::wstring windowText(HWND w) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::string className(HWND w) {
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

// The edit's selection in UTF-16 units.
inline std::pair<DWORD, DWORD> unitSelection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// A press and a release of the left button at a point of the window, as
// the system delivers them; a second press soon after comes as a
// double-click.
inline void press(HWND w, UINT message = WM_LBUTTONDOWN, POINT at = {4, 4}) {
    SendMessageW(w, message, MK_LBUTTON, MAKELPARAM(at.x, at.y));
}
inline void release(HWND w, POINT at = {4, 4}) {
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

inline void typeUnits(HWND edit, const std::wstring& units) {
    for (wchar_t unit : units)
        SendMessageW(edit, WM_CHAR, unit, 0);
}

class Controls : public ::testing::Test {
  protected:
    void SetUp() override {
        form = &slot.get(static_cast<WindowSystem&>(desktop));
        form->show();
        window = reinterpret_cast<HWND>(form->hWnd());
        edit = childAt(window, form->text);
        ASSERT_NE(edit, window);
    }
    Win32Desktop desktop;
    FormSlot<ControlsForm> slot;
    ControlsForm* form = nullptr;
    HWND window = nullptr;
    HWND edit = nullptr;
};

} // namespace tavrin::win32::testing
