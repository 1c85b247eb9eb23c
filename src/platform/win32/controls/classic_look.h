// Turns visual styles off for one control. The manifest asks for the
// version 6 common controls, whose themed edits, buttons, drop-down lists
// and scroll bars ignore the colours the program gives them on Windows 10
// and 11; without a theme they draw the classic way, in those colours,
// the same on every Windows and under Wine.
#pragma once

#include <windows.h>

namespace tavrin::win32 {

void useClassicLook(HWND control);

} // namespace tavrin::win32
