// Timers on both desktops: what enabling, disabling and a new interval do
// to the countdown, the 10 ms floor, and the steady clock. (Timers tick
// under a modal message box: handler_failures_test.cpp.)
// Bounds are one-sided where real time is involved: a timer never ticks
// early, and the upper bounds leave room for a busy machine.
#include "probe_form.h"

namespace tavrin::conformance {
namespace {

using TimerConformance = ProbeTest;

TEST_F(TimerConformance, CountdownFollowsEnabledAndIntervalAndKeepsTheTenMillisecondFloor) {
    ProbeForm& form = open();
    Timer& timer = form.timer;
    int ticks = 0;
    long long tickedAt = 0;
    timer.onTimer = [&] {
        ++ticks;
        tickedAt = driver->now();
    };

    // Disabled, or enabled without an interval: no tick.
    timer.setInterval(20);
    timer.setEnabled(false);
    driver->runFor(100);
    timer.setInterval(0);
    timer.setEnabled(true);
    driver->runFor(100);
    EXPECT_EQ(ticks, 0);

    // Enabling an enabled timer keeps its countdown.
    const long long started = driver->now();
    timer.setInterval(1000);
    driver->runFor(500);
    timer.setEnabled(true);
    ASSERT_TRUE(driver->runUntil([&] { return ticks == 1; }));
    EXPECT_GE(tickedAt - started, 1000 - 20);
    EXPECT_LT(tickedAt - started, 1500) << "the countdown started over";

    // Disabling discards the countdown: enabling again starts a full one.
    timer.setInterval(300);
    driver->runFor(200);
    timer.setEnabled(false);
    timer.setEnabled(true);
    const long long restarted = driver->now();
    ASSERT_TRUE(driver->runUntil([&] { return ticks == 2; }));
    EXPECT_GE(tickedAt - restarted, 300 - 20);

    // A new interval starts a full countdown of its own length.
    timer.setInterval(1000);
    driver->runFor(400);
    timer.setInterval(200);
    const long long changed = driver->now();
    ASSERT_TRUE(driver->runUntil([&] { return ticks == 3; }));
    EXPECT_GE(tickedAt - changed, 200 - 20);

    // A handler that disables its timer gets no further tick.
    timer.onTimer = [&] {
        ++ticks;
        timer.setEnabled(false);
    };
    timer.setInterval(10);
    driver->runFor(200);
    EXPECT_EQ(ticks, 4);

    // No timer ticks more often than every ten milliseconds.
    ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setInterval(1);
    timer.setEnabled(true);
    const long long fast = driver->now();
    ASSERT_TRUE(driver->runUntil([&] { return ticks >= 10; }));
    // Ten ticks take at least a hundred milliseconds, less a little for
    // where the first period started.
    EXPECT_GE(driver->now() - fast, 90);
}

TEST_F(TimerConformance, TheSteadyClockKeepsTime) {
    WindowSystem& ws = driver->ws();
    const long long clockBefore = ws.steadyMilliseconds(), before = driver->now();
    driver->runFor(200);
    const long long clockSpan = ws.steadyMilliseconds() - clockBefore;
    EXPECT_GE(clockSpan, 200 - 1);
    EXPECT_NEAR(clockSpan, driver->now() - before, 2);
}

} // namespace
} // namespace tavrin::conformance
