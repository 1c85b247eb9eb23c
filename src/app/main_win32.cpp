// The program's start on Windows: the real window system, the program's
// first window, and the message loop until the program ends; or, when
// Tavrin already runs in the session, a word to it and the end.
//
// "Tavrin.exe /quit", which the installer and the uninstaller run, only
// ends the Tavrin running in the session and waits for its process to end:
// exit code 0 when none runs any more, 1 when it still runs.
#include "app/program.h"
#include "bar/frm_side.h"
#include "platform/handler_guard.h"
#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

namespace {

constexpr const wchar_t* kQuitSwitch = L"/quit";

// The command line's first argument after the program's name is the switch.
bool quitAsked() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments)
        return false;
    const bool asked = count >= 2 && lstrcmpiW(arguments[1], kQuitSwitch) == 0;
    LocalFree(arguments);
    return asked;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    tavrin::win32::Win32Desktop desktop;
    tavrin::Program program(desktop);
    if (quitAsked())
        return program.endRunning() ? 0 : 1;
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
