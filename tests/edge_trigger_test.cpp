// The edge trigger on the simulated desktop: the dwell on a hot corner, the
// fade-in, the collapse, the panel that follows the bar and the screen-size
// watch. The screen is 1366 x 768 pixels.
#include "bar_fixture.h"

#include "clock/frm_date.h"

namespace tavrin::testing {
namespace {

constexpr long kMiddleX = 683, kMiddleY = 384;
// The clock panel beside a bar at the right edge spans 50..548, 580..720.
constexpr Point kPanelMiddle{300, 650};

class EdgeTest : public BarTest {
  protected:
    // The bar as the program has it a moment after its start: collapsed by
    // the cursor resting in the middle of the screen.
    frmSide& collapsedBar() {
        desk.setCursor(kMiddleX, kMiddleY);
        frmSide& bar = loadBar();
        desk.advance(200);
        return bar;
    }
    frmSide& bar() { return *program.loaded<frmSide>(); }
    bool open() { return bar().width() == 1590 && bar().HScroll1.value() >= 241; }
    bool collapsed() { return bar().width() == 1 && bar().HScroll1.value() == 1; }
    // The cursor resting at a point for a while.
    void rest(long x, long y, int milliseconds) {
        desk.setCursor(x, y);
        desk.advance(milliseconds);
    }
    const frmDate* panel() { return program.loaded<frmDate>(); }
};

TEST_F(EdgeTest, RestingHalfASecondOnACornerOpensTheBarWithItsPanel) {
    frmSide& b = collapsedBar();
    EXPECT_TRUE(collapsed());
    EXPECT_EQ(panel(), nullptr) << "no panel while the bar is collapsed";
    EXPECT_EQ(desk.windowAt({1260, 300}), 0) << "the mouse goes through the collapsed bar";

    // Less than the dwell, then away and back: the dwell starts afresh.
    rest(1365, 0, 400);
    rest(1365, 5, 20);
    rest(1365, 0, 400);
    EXPECT_TRUE(collapsed());

    desk.advance(120); // the dwell ends and the fade begins
    EXPECT_EQ(b.width(), 1590);
    desk.advance(300);
    EXPECT_TRUE(open());
    EXPECT_EQ(b.HScroll1.value(), 241) << "24 steps of 10 from 1";
    EXPECT_EQ(b.left(), 20490 - 1590);
    ASSERT_NE(panel(), nullptr);
    EXPECT_TRUE(desk.windowOf(*panel())->visible);
    EXPECT_EQ(desk.windowAt({1260, 300}), b.hWnd());
    EXPECT_EQ(desk.windowAt(kPanelMiddle), panel()->hWnd());

    // On the bar it stays; one pixel beyond its inner edge it collapses.
    rest(1260, 300, 500);
    EXPECT_TRUE(open());
    rest(1259, 300, 10);
    rest(1300, 300, 110); // back at once: the collapse still comes
    EXPECT_TRUE(collapsed());
    desk.advance(20);
    EXPECT_EQ(panel(), nullptr);
}

TEST_F(EdgeTest, ANewBarOpensOnlyAfterItsFirstCollapseAndOnlyFromACornerPixel) {
    desk.setCursor(1365, 0);
    frmSide& b = loadBar();
    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(desk.windowAt(kPanelMiddle), 0) << "the panel is unseen at opacity 1";
    desk.advance(800);
    EXPECT_EQ(b.width(), 1) << "created at 255: the fade has nothing to do";
    EXPECT_EQ(b.HScroll1.value(), 255);
    rest(kMiddleX, kMiddleY, 120);
    EXPECT_TRUE(collapsed());
    for (auto [x, y] : {std::pair{1364L, 0L}, {1365L, 1L}, {1365L, 766L}, {0L, 0L}}) {
        rest(x, y, 800);
        EXPECT_TRUE(collapsed()) << x << "," << y;
    }
    rest(1365, 767, 800);
    EXPECT_TRUE(open());
}

TEST_F(EdgeTest, OnTheLeftEdgeTheLeftCornersOpenAndTheAwayZoneStartsAtOneHundred) {
    writeDefaultsWith({{19, "1"}});
    frmSide& b = collapsedBar();
    EXPECT_TRUE(collapsed());
    rest(0, 1, 800);
    EXPECT_TRUE(collapsed());
    rest(0, 0, 800);
    EXPECT_TRUE(open());
    rest(kMiddleX, kMiddleY, 120);
    rest(0, 767, 800);
    EXPECT_TRUE(open());
    EXPECT_EQ(b.left(), -45) << "a left bar never moves";
    for (long x : {99L, -200L}) { // a monitor further left counts as on the bar
        rest(x, 300, 300);
        EXPECT_TRUE(open()) << x;
    }
    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(panel()->left(), 20490 - 7470 - 780) << "the panel stands opposite";
    rest(100, 300, 120);
    EXPECT_TRUE(collapsed());
}

TEST_F(EdgeTest, LeavingDuringTheFadeLetsItFinishThenCollapses) {
    collapsedBar();
    // Back on the bar before the collapse timer ticks, mid-fade: the tick
    // only stops itself and the bar stays open.
    rest(1365, 0, 530);
    ASSERT_EQ(bar().width(), 1590);
    ASSERT_NE(panel(), nullptr) << "the panel comes with the first fade step";
    rest(kMiddleX, kMiddleY, 10);
    rest(1300, 300, 400);
    EXPECT_TRUE(open());
    rest(kMiddleX, kMiddleY, 120);
    ASSERT_TRUE(collapsed());

    // Away for good: the fade runs to its end, then the bar collapses.
    rest(1365, 0, 560); // the dwell, and a few fade steps
    ASSERT_EQ(bar().width(), 1590);
    ASSERT_LT(bar().HScroll1.value(), 241);
    rest(kMiddleX, kMiddleY, 190); // the fade ends at 740 ms
    EXPECT_TRUE(open());
    desk.advance(100);
    EXPECT_TRUE(collapsed());

    // The collapse comes in the tick after the last fade step, before the
    // fade stops itself: the bar stays collapsed.
    rest(1365, 0, 645);
    rest(kMiddleX, kMiddleY, 110); // the collapse is due at 750 ms
    EXPECT_TRUE(collapsed());
    EXPECT_FALSE(bar().tmrOpen.running());
    desk.advance(400);
    EXPECT_TRUE(collapsed());

    // Off the corner along the edge as the dwell ends, and a poll before
    // the first fade step (here both timers tick on the same millisecond,
    // the fade first; Windows does not promise that order): the bar opens
    // all the same, its poll and panel with it.
    desk.setCursor(1365, 0);
    for (int ms = 0; ms < 600 && !bar().tmrOpen.running(); ++ms)
        desk.advance(1);
    ASSERT_EQ(bar().width(), 1);
    desk.setCursor(1365, 300);
    bar().tmrMouse.onTimer();
    desk.advance(400);
    EXPECT_TRUE(open());
    ASSERT_NE(panel(), nullptr);
    EXPECT_TRUE(desk.windowOf(*panel())->visible);
    rest(kMiddleX, kMiddleY, 120);
    EXPECT_TRUE(collapsed());
}

TEST_F(EdgeTest, TheFadeEndsAtTheFirstStepNotBelowTheTargetNeverAboveTheScale) {
    for (auto [glassAlpha, final] : {std::pair{"200", 201}, {"252", 255}, {"32767", 255}}) {
        writeDefaultsWith({{28, glassAlpha}});
        collapsedBar();
        rest(1365, 0, 1000);
        EXPECT_EQ(bar().HScroll1.value(), final) << glassAlpha;
        EXPECT_EQ(bar().width(), 1590);
        rest(kMiddleX, kMiddleY, 120);
        EXPECT_TRUE(collapsed()) << glassAlpha;
    }
}

TEST_F(EdgeTest, TheFadeKeepsItsTimeOnACoarseSystemTimer) {
    // A tick every 15.6 ms: at one step a tick the 24 steps would take 375 ms.
    desk.setTimerGranularity(15.625);
    frmSide& b = collapsedBar();
    desk.setCursor(1365, 0);
    while (!b.tmrOpen.running())
        desk.advance(1);
    const long long started = desk.elapsed();
    while (b.tmrOpen.running() && desk.elapsed() < started + 1000)
        desk.advance(1);
    EXPECT_LE(desk.elapsed() - started, 240 + 16);
    EXPECT_EQ(b.HScroll1.value(), 241);
    EXPECT_EQ(b.width(), 1590);
}

TEST_F(EdgeTest, TheCollapsedBarRestsWithoutTimersUntilTheCursorTouchesACorner) {
    auto wires = [this] {
        std::vector<std::pair<long, long>> at;
        for (Point p : desk.tripwirePixels())
            at.emplace_back(p.x, p.y);
        return at;
    };
    const std::vector<std::pair<long, long>> rightCorners = {{1365, 0}, {1365, 767}};
    frmSide& b = collapsedBar();
    EXPECT_EQ(desk.runningTimers(), 0);
    EXPECT_EQ(wires(), rightCorners);

    // The cursor passing over a corner wakes the poll, which sees it gone
    // and rests again.
    desk.setCursor(1365, 0);
    EXPECT_TRUE(b.tmrWait.running()) << "the dwell starts on arrival";
    rest(1300, 0, 10);
    EXPECT_EQ(desk.runningTimers(), 0);
    EXPECT_EQ(wires(), rightCorners);

    // Resting there: open exactly 500 ms and one fade step after arrival.
    rest(1365, 767, 509);
    EXPECT_TRUE(collapsed());
    desk.advance(1);
    EXPECT_EQ(b.width(), 1590);
    rest(kMiddleX, kMiddleY, 400);
    EXPECT_TRUE(collapsed());
    EXPECT_EQ(desk.runningTimers(), 0);

    // A new screen while it rests: the bar is made anew at once from the
    // settings file.
    writeDefaultsWith({{0, "Casa"}});
    desk.setScreenPixels(1024, 600);
    ASSERT_NE(&bar(), &b);
    EXPECT_EQ(bar().left(), 15360 - 1590);
    EXPECT_EQ(bar().Labels[0].caption(), "Casa");

    // A bar with a side below zero watches no edge: it polls on, and
    // neither widens nor collapses, though the panel rule still runs.
    writeDefaultsWith({{19, "-1"}});
    collapsedBar();
    EXPECT_TRUE(wires().empty());
    EXPECT_GT(desk.runningTimers(), 0);
    EXPECT_EQ(bar().width(), 1);
    EXPECT_EQ(bar().HScroll1.value(), 255);
    EXPECT_NE(panel(), nullptr);
}

TEST_F(EdgeTest, AtAnotherScaleTheZonesKeepTheirTwipsAndTheCornersStayTheCornerPixels) {
    // 144 dpi: the open bar is 159 pixels wide, the left zone begins at
    // 150; 768 pixels are 7680 twips, so the bar is short.
    desk.setDpi(144);
    frmSide& b = collapsedBar();
    EXPECT_EQ(b.frmeBar.height(), 7500);
    EXPECT_EQ(desk.tripwirePixels().back().y, 767);
    rest(1365, 766, 800);
    EXPECT_TRUE(collapsed());
    rest(1365, 767, 800);
    ASSERT_TRUE(open());
    EXPECT_EQ(desk.windowAt({1207, 300}), b.hWnd());
    EXPECT_EQ(desk.windowAt({1206, 300}), 0);
    rest(1207, 300, 300);
    EXPECT_TRUE(open());
    rest(1206, 300, 120);
    EXPECT_TRUE(collapsed());

    writeDefaultsWith({{19, "1"}});
    collapsedBar();
    rest(0, 0, 800);
    rest(149, 300, 300);
    EXPECT_TRUE(open());
    rest(150, 300, 120);
    EXPECT_TRUE(collapsed());

    // A new scale while the bar rests makes it anew. At 192 dpi a screen
    // of an odd number of pixels is no whole number of twips: the bar is
    // made once and rests.
    desk.setCursor(kMiddleX, kMiddleY);
    desk.setScreenPixels(1366, 767);
    desk.advance(200);
    const frmSide* before = &bar();
    desk.setDpi(192);
    const frmSide* scaled = &bar();
    EXPECT_NE(scaled, before);
    desk.advance(200);
    EXPECT_EQ(&bar(), scaled);
    EXPECT_EQ(desk.runningTimers(), 0);
    ASSERT_FALSE(desk.tripwirePixels().empty());
    EXPECT_EQ(desk.tripwirePixels().back().y, 766);
}

TEST_F(EdgeTest, AFailedCursorQueryKeepsTheLastPosition) {
    collapsedBar();
    rest(1365, 767, 20);
    desk.setCursorFails(true);
    desk.advance(800);
    EXPECT_TRUE(open()) << "the last position seen stays on the corner";
}

} // namespace
} // namespace tavrin::testing
