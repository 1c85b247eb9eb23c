// The conformance suite's form of editors, loaded on the real desktop with
// the windows of its controls at hand, for the Win32 control tests.
#pragma once

#include "conformance/editors_form.h"
#include "platform/form_slot.h"
#include "platform/win32/controls/child_control.h"
#include "platform/win32/win32_desktop.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

namespace tavrin::win32::testing {

// The control's own window.
inline HWND windowOf(const Control& c) {
    return dynamic_cast<ChildControl&>(*c.peer()).window();
}

inline std::wstring windowText(HWND w) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The edit's selection in UTF-16 units.
inline std::pair<DWORD, DWORD> unitSelection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

class Controls : public ::testing::Test {
  protected:
    void SetUp() override {
        form = &slot.get(static_cast<WindowSystem&>(desktop));
        form->text.setBackColor(kTextBack);
        form->show();
        window = reinterpret_cast<HWND>(form->hWnd());
        edit = windowOf(form->text);
    }

    static constexpr Color kTextBack = rgb(40, 40, 40);
    Win32Desktop desktop;
    FormSlot<conformance::EditorsForm> slot;
    conformance::EditorsForm* form = nullptr;
    HWND window = nullptr;
    HWND edit = nullptr;
};

} // namespace tavrin::win32::testing
