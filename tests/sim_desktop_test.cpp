// What only the simulated desktop shows: the exact order of virtual time,
// the end of the program and the clock (files: sim_files_test.cpp; the
// window longs and layering: set_glass_test.cpp). What both desktops share
// is in the conformance suite.
#include "conformance/probe_form.h"
#include "platform/form_slot.h"
#include "platform/sim/sim_desktop.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

using TestForm = conformance::ProbeForm;

void start(Timer& timer, int interval) {
    timer.setInterval(interval);
    timer.setEnabled(true);
}

TEST(SimDesktopTimers, FireInDueOrderTiesInArmingOrder) {
    sim::SimDesktop desk;
    FormSlot<TestForm> slot;
    TestForm& form = slot.get(desk);
    // A, in the frame, comes before B in design order.
    Timer &a = form.timerInFrame, &b = form.timer;
    std::string order;
    a.onTimer = [&] { order += 'A' + std::to_string(desk.elapsed()) + ' '; };
    b.onTimer = [&] { order += 'B' + std::to_string(desk.elapsed()) + ' '; };
    start(a, 50);  // the timer in the frame runs too
    start(b, 100); // armed after A, before A re-arms at 50
    desk.advance(100);
    EXPECT_EQ(order, "A50 B100 A100 ");
    EXPECT_EQ(desk.elapsed(), 100);

    // A timer started inside a handler counts from the handler's time.
    a.setEnabled(false);
    b.setEnabled(false);
    order.clear();
    a.onTimer = [&] {
        order += 'A' + std::to_string(desk.elapsed()) + ' ';
        a.setEnabled(false);
        start(b, 30);
    };
    start(a, 10);
    desk.advance(45);
    EXPECT_EQ(order, "A110 B140 ");
    EXPECT_EQ(desk.elapsed(), 145);
}

TEST(SimDesktopInput, EndProgramStopsEverything) {
    sim::SimDesktop desk;
    FormSlot<TestForm> slot;
    TestForm& form = slot.get(desk);
    form.show();
    int events = 0;
    form.timer.onTimer = [&] { ++events; };
    form.text.onKeyPress = [&](int&) { ++events; };
    start(form.timer, 10);
    desk.endProgram();
    EXPECT_TRUE(desk.ended());
    EXPECT_FALSE(desk.windowOf(form)->visible);
    EXPECT_EQ(desk.runningTimers(), 0);
    form.timer.setInterval(20); // re-arming is refused too
    desk.advance(1000);
    desk.typeKey(form.text, 'a');
    desk.click(form.check);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(form.text.text(), "");
    EXPECT_EQ(form.check.value(), 0);
}

// (The user's name, and a name that cannot be had: frm_side_test.cpp and
// the defaults the settings file is written with.)
TEST(SimDesktopSystem, Clock) {
    sim::SimDesktop desk;
    EXPECT_EQ(desk.longDate(), "domingo, 6 de diciembre de 2026");
    desk.advance(12 * 3600 * 1000 - 1000);
    EXPECT_EQ(desk.now().hour, 23);
    EXPECT_EQ(desk.now().second, 59);
    desk.advance(1000);
    EXPECT_EQ(desk.longDate(), "lunes, 7 de diciembre de 2026");
    EXPECT_EQ(desk.now().hour, 0);

    desk.setNow(LocalTime{2026, 12, 31, 23, 59, 59});
    desk.advance(1000);
    EXPECT_EQ(desk.longDate(), "viernes, 1 de enero de 2027");
    desk.setNow(LocalTime{2028, 2, 29, 8, 0, 0});
    EXPECT_EQ(desk.longDate(), "martes, 29 de febrero de 2028");
    desk.setNow(LocalTime{2026, 12, 12, 8, 0, 0});
    EXPECT_EQ(desk.longDate(), "s\xC3\xA1"
                               "bado, 12 de diciembre de 2026");
}

} // namespace
} // namespace tavrin
