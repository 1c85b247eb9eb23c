// The program's own window classes (forms and frames) and the one window
// procedure behind them, which hands each message to the object attached
// to the window.
#pragma once

#include <windows.h>

namespace tavrin {
class WindowSystem;
}

namespace tavrin::win32 {

class MessageTarget {
  public:
    virtual LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Told what escaped handle(); the message then gets the default handling.
    virtual WindowSystem& windowSystem() const = 0;

  protected:
    ~MessageTarget() = default;
};

// Attaches the object that handles the window's messages from now on;
// null detaches it and the window does only what any window does.
void attachTarget(HWND window, MessageTarget* target);

// Channel: the message-only window that hears later starts of the program.
enum class WindowClass { Form, Frame, Channel };

// Registered on first use; all take double-clicks and carry the program's
// icon.
const wchar_t* windowClassName(WindowClass which);

} // namespace tavrin::win32
