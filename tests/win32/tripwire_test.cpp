// What only real windows show of a tripwire: a one-pixel window on top of
// the user's at its pixel, out of the taskbar and Alt+Tab, that takes
// neither the focus nor the foreground; hidden by the time the program
// hears of the touch, so that the click right after reaches the window
// beneath; destroyed with its form. (Told of the cursor through another
// topmost window over its pixel: the click_through scenario's taskbar.)
#include "conformance/desktop_driver.h"
#include "conformance/wire_form.h"
#include "platform/form_slot.h"
#include "platform/win32/controls/tripwire_peer.h"

#include "user_window.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace tavrin::win32 {
namespace {

// The user's window counts the presses of the left button that reach it.
int presses = 0;
LRESULT CALLBACK countPresses(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN)
        ++presses;
    return DefWindowProcW(w, message, wParam, lParam);
}

TEST(Tripwire, OnTopAtItsPixelNeverActiveAndOutOfTheWayOfTheNextClick) {
    const auto driver = conformance::makeDriver();
    const UserWindow user(*driver); // at (300, 300), 200 x 100 px
    SetWindowLongPtrW(user.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countPresses));
    FormSlot<conformance::WireForm> slot;
    Tripwire& wire = slot.get(driver->ws()).wire;

    // Armed over the user's window, away from the cursor. Each arming
    // takes a window of its own.
    driver->moveCursor(700, 650);
    wire.setPixel(Point{400, 350});
    wire.setArmed(true);
    const HWND w = dynamic_cast<TripwirePeer&>(*wire.peer()).window();
    bool shownWhenTold = true;
    wire.onTouched = [&] { shownWhenTold = IsWindowVisible(w) != FALSE; };
    ASSERT_TRUE(driver->runUntil([&] { return IsWindowVisible(w) != FALSE; }));
    const LONG exStyle = GetWindowLongW(w, GWL_EXSTYLE);
    constexpr LONG kWanted = WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW;
    // A tool window without WS_EX_APPWINDOW: no taskbar button, not in Alt+Tab.
    EXPECT_EQ(exStyle & (kWanted | WS_EX_APPWINDOW), kWanted);
    EXPECT_EQ(GetForegroundWindow(), user.window);

    // Touched: hidden before the handler runs; the press right after goes
    // to the user's window, which keeps the foreground.
    driver->moveCursor(400, 350);
    ASSERT_TRUE(driver->runUntil([&] { return !wire.armed(); }));
    EXPECT_FALSE(shownWhenTold);
    EXPECT_FALSE(IsWindowVisible(w));
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
    EXPECT_TRUE(driver->runUntil([&] { return presses == 1; }));
    EXPECT_EQ(GetForegroundWindow(), user.window);

    slot.unload();
    EXPECT_TRUE(driver->runUntil([&] { return !IsWindow(w); })) << "gone with its form";
}

} // namespace
} // namespace tavrin::win32
