// What only real windows show of a tripwire: a one-pixel window on top of
// the user's at its pixel, out of the taskbar and Alt+Tab, that takes
// neither the focus nor the foreground; hidden by the time the program
// hears of the touch, so that the click right after reaches the window
// beneath; destroyed with its form; and through its low-level mouse hook,
// told of the cursor also where another topmost window covers its pixel.
#include "conformance/desktop_driver.h"
#include "conformance/wire_form.h"
#include "platform/form_slot.h"
#include "platform/win32/controls/tripwire_peer.h"
#include "platform/win32/handles.h"

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

// A static control lets the mouse through; this one takes it.
LRESULT CALLBACK takesTheMouse(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_NCHITTEST ? HTCLIENT : DefWindowProcW(w, message, wParam, lParam);
}

TEST(Tripwire, SeesTheCursorComeThroughAnotherTopmostWindowLaidOverItsPixel) {
    const auto driver = conformance::makeDriver();
    FormSlot<conformance::WireForm> slot;
    Tripwire& wire = slot.get(driver->ws()).wire;
    driver->moveCursor(700, 650);
    wire.setPixel(Point{400, 350});
    wire.setArmed(true);
    // The taskbar after a click on it: topmost, in front of the wire.
    const UniqueWindow cover(CreateWindowExW(
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP | WS_VISIBLE,
        350, 300, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    SetWindowLongPtrW(cover.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&takesTheMouse));
    SetWindowPos(cover.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(driver->runUntil([&] { return WindowFromPoint(POINT{400, 350}) == cover.get(); }));

    // The hand's move, through the input queue and its hooks: a pixel's
    // start in the absolute scale of 65536 to the screen's width, rounded up.
    INPUT move = {};
    move.type = INPUT_MOUSE;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    move.mi.dx = (400 * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
    move.mi.dy = (350 * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
    ASSERT_EQ(SendInput(1, &move, sizeof(INPUT)), 1u);
    EXPECT_TRUE(driver->runUntil([&] { return !wire.armed(); }));
}

} // namespace
} // namespace tavrin::win32
