// What only real windows show: the bar's and the clock panel's window
// styles, the bar not taking the focus, the mouse reaching the topmost
// label and the end of the program. (Each edge of a window rounded to its
// own pixel, so that what meets in twips meets in pixels: dpi_test.cpp.)
#include "app/program.h"
#include "bar/frm_side.h"
#include "clock/frm_date.h"
#include "platform/form_slot.h"
#include "platform/label.h"
#include "platform/timer.h"

#include "conformance/desktop_driver.h"
#include "user_window.h"
#include "window_of.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace tavrin::win32 {
namespace {

// A form with two overlapping labels over its surface and a timer; it
// writes down the events it gets.
class TestForm : public Form {
  public:
    explicit TestForm(WindowSystem& ws) : Form(ws) {
        setStyle(FormBorder::None, false, false);
        move(1500, 1500, 3000, 1500); // 100, 100, 200 x 100 px
        add(under);
        add(over);
        under.setGeometry(0, 0, 1500, 1500);
        over.setGeometry(750, 0, 1500, 1500); // px 50..150
        add(tick);
        watch(under, "under");
        watch(over, "over");
    }
    void Form_DblClick() override { events.push_back("form dblclick"); }

    Label under, over;
    Timer tick;
    std::vector<std::string> events;

  private:
    void watch(Label& label, const std::string& name) {
        label.onMouseDown = [this, name](const MouseArgs& a) {
            events.push_back(name + " down " + std::to_string(static_cast<int>(a.x)));
        };
        label.onMouseUp = [this, name](const MouseArgs&) { events.push_back(name + " up"); };
        label.onClick = [this, name] { events.push_back(name + " click"); };
        label.onDblClick = [this, name] { events.push_back(name + " dblclick"); };
    }
};

TEST(Windows, TheBarAndItsClockPanelStandTopmostWithoutTakingTheFocus) {
    const auto driver = conformance::makeDriver();
    const UserWindow user(*driver);
    ASSERT_EQ(GetForegroundWindow(), user.window);
    Program program(driver->ws());
    frmSide& bar = program.form<frmSide>();
    // Opened by hand below: the cursor poll must not collapse it, nor take
    // the clock panel away, which the bar's load showed.
    bar.tmrMouse.setEnabled(false);
    bar.show();
    frmDate* panel = program.loaded<frmDate>();
    ASSERT_NE(panel, nullptr);
    HWND w = windowOf(bar), p = windowOf(*panel);
    ASSERT_TRUE(driver->runUntil([&] { return IsWindowVisible(w) && IsWindowVisible(p); }));

    EXPECT_EQ(GetWindowLongW(w, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
    // No taskbar button; the first show puts it above other windows.
    constexpr LONG kWanted = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
    EXPECT_EQ(GetWindowLongW(w, GWL_EXSTYLE) & kWanted, kWanted);
    EXPECT_TRUE(GetWindowLongW(p, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(SendMessageW(w, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(w),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    EXPECT_NE(GetClassLongPtrW(w, GCLP_HICON), 0) << "the program's icon";

    // Opened by hand to its full width. (What it shows: dpi_test.cpp.)
    bar.setWidth(1590);
    UpdateWindow(w);
    EXPECT_EQ(GetForegroundWindow(), user.window) << "neither the bar nor the panel takes it";

    // The user's window goes: Wine hands the activation to the next visible
    // window, the bar, which hands it on.
    DestroyWindow(user.window);
    EXPECT_TRUE(driver->runUntil([&] {
        const HWND active = GetActiveWindow();
        return active != w && active != p;
    }));
}

TEST(Windows, MouseReachesTheTopmostLabelClicksOnlyWhereReleasedAndTheEndSilencesTimers) {
    const auto driver = conformance::makeDriver();
    FormSlot<TestForm> slot;
    TestForm& f = slot.get(driver->ws());
    f.show();
    HWND w = windowOf(f);

    // What a press (or a double-click's second press) at one point, and a
    // release at another unless none, bring to the form, once `count`
    // events have come; a click would come with the release.
    auto mouse = [&](UINT press, int downX, int upX, std::size_t count) {
        f.events.clear();
        PostMessageW(w, press, MK_LBUTTON, MAKELPARAM(downX, 10));
        if (upX >= 0)
            PostMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(upX, 10));
        EXPECT_TRUE(driver->runUntil([&] { return f.events.size() >= count; }));
        return f.events;
    };
    using Events = std::vector<std::string>;
    // In the overlap the label in front gets it, at its own coordinates.
    EXPECT_EQ(mouse(WM_LBUTTONDOWN, 60, 61, 3), (Events{"over down 150", "over up", "over click"}));
    // Pressed on one label and released on the other: no click at all.
    EXPECT_EQ(mouse(WM_LBUTTONDOWN, 10, 100, 2), (Events{"under down 150", "under up"}));
    // A double-click: the second press is DblClick, its release no click.
    EXPECT_EQ(mouse(WM_LBUTTONDBLCLK, 120, 120, 2), (Events{"over dblclick", "over up"}));
    // The bare surface belongs to the form.
    EXPECT_EQ(mouse(WM_LBUTTONDBLCLK, 180, -1, 1), (Events{"form dblclick"}));
    // Hidden, a label is not hit.
    f.over.setVisible(false);
    EXPECT_EQ(mouse(WM_LBUTTONDOWN, 60, 60, 3),
              (Events{"under down 900", "under up", "under click"}));

    // Ending the program hides the forms and silences their timers.
    int ticks = 0;
    f.tick.onTimer = [&] { ++ticks; };
    f.tick.setInterval(10);
    ASSERT_TRUE(driver->runUntil([&] { return ticks >= 1; }));
    driver->ws().endProgram();
    EXPECT_FALSE(IsWindowVisible(w));
    const int ended = ticks;
    MSG quit;
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    // A timer message still in the queue reaches no handler.
    SendMessageW(w, WM_TIMER, 1, 0);
    EXPECT_EQ(ticks, ended);
}

} // namespace
} // namespace tavrin::win32
