// What the conformance suite needs of a desktop: its window system, time
// passing, and the user's mouse and keyboard. The simulated desktop and the
// real one under Wine each provide a driver, and the same tests run on both.
#pragma once

#include "platform/form.h"
#include "platform/text_box.h"
#include "platform/window_system.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace tavrin::conformance {

// Long enough for Wine to create, paint or destroy a window on a loaded
// machine; a test waits this long for what should come, never longer.
inline constexpr int kDeadlineMs = 20000;

// The drivers look keys up by their place in this order.
enum class Key { Tab, ShiftTab, Delete, Left, Right, Home, End, AltF4 };

class DesktopDriver {
  public:
    virtual ~DesktopDriver() = default;

    virtual WindowSystem& ws() = 0;
    // The screen at the DPI: the simulated one is set to it; the real one
    // stays at the DPI it was started with, and answers whether that is it.
    virtual bool atDpi(int dpi) = 0;

    // Milliseconds since some fixed moment: virtual time on the simulated
    // desktop, real time on Windows.
    virtual long long now() = 0;
    // Handles events while at least this much time passes.
    virtual void runFor(int milliseconds) = 0;
    // Handles events until done holds; false when it still does not hold
    // after the deadline.
    virtual bool runUntil(const std::function<bool()>& done, int deadlineMs = kDeadlineMs) = 0;

    // The mouse: a left click in the middle of the control, and two quick
    // clicks there.
    virtual void click(Control& target) = 0;
    virtual void doubleClick(Control& target) = 0;
    // The form's close box.
    virtual void clickCloseBox(Form& target) = 0;

    // The keyboard. focus() puts the focus on a control as a click on it
    // would; focused() is the control that has it, if any.
    virtual void focus(Control& target) = 0;
    virtual Control* focused() = 0;
    // A character as the keyboard gives it to the text box that has the
    // focus: 8 Backspace, 13 Enter, 27 Esc, 1 to 26 Ctrl+letter; one beyond
    // U+FFFF is one character.
    virtual void type(char32_t character) = 0;
    // A key to the control that has the focus, or to the form when none has.
    virtual void press(Form& form, Key key) = 0;

    // The message boxes the program opens from now on stay open until done
    // holds (or the deadline passes); then the user presses OK.
    virtual void answerMessageBoxesWhen(std::function<bool()> done) = 0;
    // The text of the last message box the user answered, as it showed.
    virtual std::string answeredMessageBoxText() = 0;

    // Handlers whose failure the window system stopped.
    virtual std::size_t escapedHandlers() = 0;

    // The mouse moved onto a screen pixel, as the user would move it.
    virtual void moveCursor(long x, long y) = 0;
    // An armed tripwire lies on the pixel, on top, waiting for the cursor.
    virtual bool tripwireAt(Point pixel) = 0;
    // The form window that the mouse on the screen pixel reaches; 0 when
    // it reaches none of the program's.
    virtual WindowHandle windowAt(Point pixel) = 0;

    // An empty folder of the test's own to write in; empty when there is none.
    virtual std::string scratchFolder() = 0;
    virtual bool folderExists(const std::string& path) = 0;
    // Writing the file is refused from now on, as a read-only file's is (on
    // the simulated desktop, anything in the scratch folder's).
    virtual void refuseWrites(const std::string& path) = 0;
};

// Each test program provides the driver of its own desktop.
std::unique_ptr<DesktopDriver> makeDriver();

} // namespace tavrin::conformance
