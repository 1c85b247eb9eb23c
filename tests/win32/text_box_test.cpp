// What only the real edit shows of the text box (the conformance suite
// has the rest): pasting, however it comes, and typing in place of a
// selection keep to the limit in characters; a release outside is no
// click; a new alignment takes a new edit that keeps everything the old
// one showed.
#include "controls_fixture.h"

#include <commctrl.h>

#include <cstring>

namespace tavrin::win32 {
namespace {

using testing::Controls;
using testing::unitSelection;
using testing::windowText;

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

// Holds Shift down for this thread's idea of the keyboard.
class ShiftHeld {
  public:
    ShiftHeld() {
        GetKeyboardState(saved_);
        BYTE held[256];
        std::memcpy(held, saved_, sizeof held);
        held[VK_SHIFT] = held[VK_LSHIFT] = 0x80;
        SetKeyboardState(held);
    }
    ~ShiftHeld() { SetKeyboardState(saved_); }

  private:
    BYTE saved_[256];
};

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
            ShiftHeld shift;
            SendMessageW(edit, WM_KEYDOWN, VK_INSERT, 0);
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

TEST_F(Controls, AReleaseOutsideTheTextBoxIsNoClick) {
    SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(-20, -20));
    EXPECT_EQ(form->events, "DU");
}

// The tooltip control of the form, and whether it has a tip for a window.
bool hasTip(HWND form, HWND tool) {
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)))
        if (GetWindow(tip, GW_OWNER) == form) {
            TOOLINFOW info{};
            info.cbSize = sizeof info;
            info.uFlags = TTF_IDISHWND;
            info.hwnd = GetParent(tool);
            info.uId = reinterpret_cast<UINT_PTR>(tool);
            return SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
        }
    return false;
}

TEST_F(Controls, ANewAlignmentTakesANewEditThatKeepsWhatTheOldOneHad) {
    form->text.setText("Carpeta");
    form->text.setToolTipText(" Iluminaci\u00f3n ");
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 2, 5);
    const auto font = SendMessageW(edit, WM_GETFONT, 0, 0);
    HWND below = GetWindow(edit, GW_HWNDNEXT);
    form->events.clear();

    form->text.setAlignment(Alignment::Center);
    HWND centred = testing::windowOf(form->text);
    ASSERT_NE(centred, edit);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_TRUE(GetWindowLongW(centred, GWL_STYLE) & ES_CENTER);
    EXPECT_EQ(windowText(centred), L"Carpeta");
    EXPECT_EQ(form->events, "");
    EXPECT_EQ(GetFocus(), centred);
    EXPECT_EQ(unitSelection(centred), (std::pair<DWORD, DWORD>{2, 5}));
    EXPECT_EQ(SendMessageW(centred, WM_GETFONT, 0, 0), font);
    EXPECT_EQ(GetWindow(centred, GW_HWNDNEXT), below) << "same place among its siblings";
    EXPECT_TRUE(hasTip(window, centred));
    // Coloured as designed, text and brush.
    HDC dc = GetDC(centred);
    const auto brush = SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                    reinterpret_cast<LPARAM>(centred));
    EXPECT_EQ(GetBkColor(dc), kTextBack);
    ReleaseDC(centred, dc);
    LOGBRUSH lb{};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, kTextBack);

    // From the box's own KeyPress: the key goes on to the new edit, and
    // the old one goes once its message is done.
    form->text.onKeyPress = [this](int&) { form->text.setAlignment(Alignment::Right); };
    SendMessageW(centred, WM_CHAR, L'!', 0);
    HWND right = testing::windowOf(form->text);
    EXPECT_FALSE(IsWindow(centred));
    EXPECT_TRUE(GetWindowLongW(right, GWL_STYLE) & ES_RIGHT);
    EXPECT_EQ(form->text.text(), "Ca!ta");
    EXPECT_EQ(form->events, "T");
}

} // namespace
} // namespace tavrin::win32
