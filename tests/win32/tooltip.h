// The tip a form's tooltip control holds for a control's window: empty
// when it holds none.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace tavrin::win32 {

inline std::wstring tipOf(HWND form, HWND tool) {
    HWND tip = nullptr;
    while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)))
        if (GetWindow(tip, GW_OWNER) == form)
            break;
    wchar_t text[80] = {};
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = GetParent(tool);
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = text;
    if (tip)
        SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
    return text;
}

} // namespace tavrin::win32
