// The part of the window system that is not about the program's own
// windows or files: the screen and the cursor, the user32 calls the forms
// make on window handles, the shell, message boxes, the clock and the
// locale, the user's name and the ANSI code page. Each member behaves as
// the WindowSystem member of the same name; Win32Desktop forwards to it.
#pragma once

#include "platform/types.h"
#include "platform/window_system.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrin::win32 {

class SystemServices {
  public:
    Twips screenWidth() const;
    Twips screenHeight() const;
    PixelScale screenScale() const;
    bool getCursorPos(Point& p);

    long getWindowLong(WindowHandle window, int index);
    long setWindowLong(WindowHandle window, int index, long value);
    bool setLayeredWindowAttributes(WindowHandle window, Color key, std::uint8_t alpha,
                                    std::uint32_t flags);
    // Never activates the window: restacking the bar or the clock panel
    // must not take the focus from the window the user is working in.
    bool setWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags);

    // The dialog shows the owner's icon.
    void shellAbout(WindowHandle owner, const std::string& app, const std::string& otherStuff);
    // Task-modal with no owner and one OK button.
    void messageBox(const std::string& text, const std::string& caption, MessageIcon icon);

    // The name and a NUL written over the start of the buffer, in UTF-8;
    // the rest of the buffer keeps its content. The buffer's size is what
    // the system may use for the name, in UTF-16 units.
    bool getUserName(std::string& buffer);

    // QueryPerformanceCounter in milliseconds.
    long long steadyMilliseconds() const;
    LocalTime now() const;
    std::string longDate() const;

    // Characters the ANSI code page lacks become '?', never a look-alike.
    std::string ansiFromUtf8(const std::string& utf8) const;
    std::string utf8FromAnsi(const std::string& ansi) const;
    bool fitsAnsi(const std::string& utf8) const;
};

} // namespace tavrin::win32
