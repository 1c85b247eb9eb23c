// Reading the clipboard's text, for the text box that pastes it itself.
#pragma once

#include <windows.h>

#include <string>

namespace tavrin::win32 {

// The clipboard's Unicode text; empty when it holds none or is locked by
// another program. owner is the window that opens it.
std::wstring clipboardText(HWND owner);

} // namespace tavrin::win32
