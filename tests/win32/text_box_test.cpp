// What only the real edit shows of the text box (the conformance suite
// has the rest): its caret and length limit in UTF-16 units follow the
// box's characters; pasting, however it comes, keeps to the limit; a
// release outside is no click; a new alignment takes a new edit that
// keeps everything the old one showed.
#include "controls_form.h"

#include <commctrl.h>

#include <cstring>

namespace tavrin::win32 {
namespace {

using testing::Controls;
using testing::typeUnits;
using testing::unitSelection;
using testing::windowText;

constexpr char32_t kGrinning = 0x1F600; // U+1F600, beyond U+FFFF
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

TEST_F(Controls, TheEditsCaretAndLimitFollowTheBoxsCharacters) {
    // The caret the program sets stands after the whole pair.
    form->text.setText(std::string("a") + kGrinningUtf8 + "b");
    form->text.setSelStart(2);
    EXPECT_EQ(unitSelection(edit), (std::pair<DWORD, DWORD>{3, 3}));
    // And so does the one the user moves; the arrows never split a pair.
    SendMessageW(edit, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(unitSelection(edit), (std::pair<DWORD, DWORD>{1, 1}));
    SendMessageW(edit, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(unitSelection(edit), (std::pair<DWORD, DWORD>{3, 3}));

    // Three characters in four units fit a limit of 3; the edit's own
    // limit, in units, would have stopped at three units.
    form->text.setText("");
    form->text.setMaxLength(3);
    typeUnits(edit, std::wstring(L"a") + kGrinningUtf16 + L"bc");
    EXPECT_EQ(windowText(edit), std::wstring(L"a") + kGrinningUtf16 + L"b");

    // A character typed in place of a selection needs no room of its own.
    SendMessageW(edit, EM_SETSEL, 0, 1);
    SendMessageW(edit, WM_CHAR, L'z', 0);
    EXPECT_EQ(windowText(edit), std::wstring(L"z") + kGrinningUtf16 + L"b");
}

TEST_F(Controls, PastingKeepsToTheLimitInCharactersHoweverItComes) {
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
        form->changes = 0;
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
        EXPECT_EQ(form->changes, 1);
    }
    // Full: nothing more goes in; in place of a selection, as much as it
    // leaves room for.
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, WM_CHAR, 22, 0);
    EXPECT_EQ(form->text.text(), "ab" + two);
    SendMessageW(edit, EM_SETSEL, 0, 1);
    SendMessageW(edit, WM_CHAR, 22, 0);
    EXPECT_EQ(form->text.text(), kGrinningUtf8 + ("b" + two));
}

TEST_F(Controls, AReleaseOutsideTheTextBoxIsNoClick) {
    testing::press(edit);
    testing::release(edit, POINT{-20, -20});
    EXPECT_EQ(form->events, (std::vector<std::string>{"down", "up"}));
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
    form->changes = 0;

    form->text.setAlignment(Alignment::Center);
    HWND centred = testing::childAt(window, form->text);
    ASSERT_NE(centred, edit);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_TRUE(GetWindowLongW(centred, GWL_STYLE) & ES_CENTER);
    EXPECT_EQ(windowText(centred), L"Carpeta");
    EXPECT_EQ(form->changes, 0);
    EXPECT_EQ(GetFocus(), centred);
    EXPECT_EQ(unitSelection(centred), (std::pair<DWORD, DWORD>{2, 5}));
    EXPECT_EQ(SendMessageW(centred, WM_GETFONT, 0, 0), font);
    EXPECT_EQ(GetWindow(centred, GW_HWNDNEXT), below) << "same place among its siblings";
    EXPECT_TRUE(hasTip(window, centred));
    HDC dc = GetDC(centred);
    SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(centred));
    EXPECT_EQ(GetBkColor(dc), RGB(40, 40, 40));
    ReleaseDC(centred, dc);

    // From the box's own KeyPress: the key goes on to the new edit, and
    // the old one goes once its message is done.
    form->text.onKeyPress = [this](int&) { form->text.setAlignment(Alignment::Right); };
    SendMessageW(centred, WM_CHAR, L'!', 0);
    HWND right = testing::childAt(window, form->text);
    EXPECT_FALSE(IsWindow(centred));
    EXPECT_TRUE(GetWindowLongW(right, GWL_STYLE) & ES_RIGHT);
    EXPECT_EQ(form->text.text(), "Ca!ta");
    EXPECT_EQ(form->changes, 1);
}

} // namespace
} // namespace tavrin::win32
