// The real child controls, beyond what the conformance suite shows on
// both desktops. The edit: pasting, however it comes, and typing in place
// of a selection keep to the limit in characters; a release outside is no
// click; a new alignment takes a new edit that keeps everything the old
// one showed. The others: what the program sets shows in the controls; the
// user's pick in the drop-down list and scrolling, as the controls report
// them, raise Click or Change once; a handler that fails where a drop-down
// list or a scroll bar calls it stops there; the controls draw without
// visual styles so that the design's colours show on every Windows.
#include "conformance/probe_form.h"

#include "tooltip.h"
#include "window_of.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <uxtheme.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace tavrin::win32 {
namespace {

using conformance::ProbeForm;

// The probe form on the real desktop, its text box in a colour of its own.
class Controls : public conformance::ProbeTest {
  protected:
    void SetUp() override {
        form = &slot.get(ws);
        form->text.setBackColor(kTextBack);
        form->show();
        window = windowOf(*form);
        edit = windowOf(form->text);
    }

    static constexpr Color kTextBack = rgb(40, 40, 40);
    ProbeForm* form = nullptr;
    HWND window = nullptr, edit = nullptr;
};

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
    pick(1);
    scrollRight();
    expectedEscapes = 2; // each stopped where it failed
    EXPECT_EQ(form->combo.listIndex(), 1);
    EXPECT_EQ(form->scroll.value(), 102);
}

TEST_F(Controls, ControlsThatCarryTheDesignsColoursDrawWithoutVisualStyles) {
    HWND combo = windowOf(form->combo);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    for (HWND w : {edit, windowOf(form->check), combo, info.hwndList, windowOf(form->button),
                   windowOf(form->scroll)})
        EXPECT_EQ(GetWindowTheme(w), nullptr) << GetDlgCtrlID(w);
}

// U+1F600, beyond U+FFFF
constexpr const char* kGrinningUtf8 = "\xF0\x9F\x98\x80";
constexpr const wchar_t* kGrinningUtf16 = L"\xD83D\xDE00";

void setClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

TEST_F(Controls, PastingHoweverItComesAndTypingOverASelectionKeepToTheLimitInCharacters) {
    // A one-line box takes the first line.
    setClipboard(window, L"Zz\r\nsegunda");
    SendMessageW(edit, WM_CHAR, 22, 0);
    EXPECT_EQ(form->text.text(), "Zz");
    EXPECT_EQ(form->text.selStart(), 2);

    form->text.setMaxLength(4);
    setClipboard(window,
                 std::wstring(kGrinningUtf16) + kGrinningUtf16 + kGrinningUtf16 + L"\r\nzz");
    const std::string two = std::string(kGrinningUtf8) + kGrinningUtf8;
    // Ctrl+V, the context menu's Paste (WM_PASTE) and Shift+Insert.
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        form->text.setText("ab");
        form->text.setSelStart(2);
        form->events.clear();
        if (way == 0) {
            SendMessageW(edit, WM_CHAR, 22, 0);
        } else if (way == 1) {
            SendMessageW(edit, WM_PASTE, 0, 0);
        } else {
            // Shift held down, for this thread's idea of the keyboard.
            BYTE keys[256];
            GetKeyboardState(keys);
            keys[VK_SHIFT] = 0x80;
            SetKeyboardState(keys);
            SendMessageW(edit, WM_KEYDOWN, VK_INSERT, 0);
            keys[VK_SHIFT] = 0;
            SetKeyboardState(keys);
        }
        EXPECT_EQ(form->text.text(), "ab" + two);
        EXPECT_EQ(form->text.selStart(), 4);
        EXPECT_EQ(form->events, "T");
    }
    // Full: nothing more goes in; in place of a selection, as much as it
    // leaves room for.
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, WM_CHAR, 22, 0);
    EXPECT_EQ(form->text.text(), "ab" + two);
    SendMessageW(edit, EM_SETSEL, 0, 1);
    SendMessageW(edit, WM_CHAR, 22, 0);
    EXPECT_EQ(form->text.text(), kGrinningUtf8 + ("b" + two));
    // A character typed in place of a selection needs no room of its own.
    SendMessageW(edit, EM_SETSEL, 0, 2);
    SendMessageW(edit, WM_CHAR, L'z', 0);
    EXPECT_EQ(form->text.text(), "zb" + two);
}

TEST_F(Controls, AReleaseOutsideIsNoClickAndANewAlignmentTakesANewEditThatKeepsWhatTheOldHad) {
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
    EXPECT_EQ(form->events, "DU") << "a release outside the box is no click";

    form->text.setText("Carpeta");
    form->text.setToolTipText(" Iluminaci\u00f3n ");
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 2, 5);
    const auto font = SendMessageW(edit, WM_GETFONT, 0, 0);
    HWND below = GetWindow(edit, GW_HWNDNEXT);
    form->events.clear();

    form->text.setAlignment(Alignment::Center);
    HWND centred = windowOf(form->text);
    ASSERT_NE(centred, edit);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_TRUE(GetWindowLongW(centred, GWL_STYLE) & ES_CENTER);
    wchar_t shown[16] = {};
    GetWindowTextW(centred, shown, 16);
    EXPECT_STREQ(shown, L"Carpeta");
    EXPECT_EQ(form->events, "");
    EXPECT_EQ(GetFocus(), centred);
    EXPECT_EQ(SendMessageW(centred, EM_GETSEL, 0, 0), MAKELRESULT(2, 5)) << "the selection";
    EXPECT_EQ(SendMessageW(centred, WM_GETFONT, 0, 0), font);
    EXPECT_EQ(GetWindow(centred, GW_HWNDNEXT), below) << "same place among its siblings";
    EXPECT_EQ(tipOf(window, centred), L" Iluminaci\u00f3n ");
    // Coloured as designed.
    HDC dc = GetDC(centred);
    SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(centred));
    EXPECT_EQ(GetBkColor(dc), kTextBack);
    ReleaseDC(centred, dc);

    // From the box's own KeyPress: the key goes on to the new edit, and
    // the old one goes once its message is done.
    form->text.onKeyPress = [this](int&) { form->text.setAlignment(Alignment::Right); };
    SendMessageW(centred, WM_CHAR, L'!', 0);
    HWND right = windowOf(form->text);
    EXPECT_FALSE(IsWindow(centred));
    EXPECT_TRUE(GetWindowLongW(right, GWL_STYLE) & ES_RIGHT);
    EXPECT_EQ(form->text.text(), "Ca!ta");
    EXPECT_EQ(form->events, "T");
}

} // namespace
} // namespace tavrin::win32
