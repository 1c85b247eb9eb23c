#include "platform/win32/controls/classic_look.h"

#include <uxtheme.h>

namespace tavrin::win32 {

void useClassicLook(HWND control) {
    // Empty names are the documented way; Wine refuses them (it keeps the
    // names as atoms, and an empty one is no atom), so there a class list
    // naming no theme class leaves the control without a theme as well.
    if (FAILED(SetWindowTheme(control, L"", L"")))
        SetWindowTheme(control, nullptr, L" ");
}

} // namespace tavrin::win32
