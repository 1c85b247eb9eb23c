// The program's start on Windows: the real window system, the program's
// first window, and the message loop until the program ends; or, when
// Tavrin already runs in the session, a word to it and the end.
#include "app/program.h"
#include "bar/frm_side.h"
#include "platform/handler_guard.h"
#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    tavrin::win32::Win32Desktop desktop;
    tavrin::Program program(desktop);
    {
        // Handlers run inside the start too; what they unload waits for it.
        tavrin::win32::Dispatcher::Scope scope(desktop.dispatcher());
        bool started = false, running = false;
        tavrin::runHandler(desktop, [&] {
            running = program.start();
            started = true;
        });
        // Without its first window nobody could end the program.
        if (!started)
            return 1;
        // Another Tavrin runs in this session and was told of this start.
        if (!running)
            return 0;
    }
    while (desktop.waitAndHandle()) {
    }
    return 0;
}
