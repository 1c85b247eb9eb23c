// SetGlass: a window made layered at a level of opacity.
#include "bar_fixture.h"

#include "clock/frm_date.h"

namespace tavrin::testing {
namespace {

TEST_F(BarTest, SetGlassLayersTheWindowAtLevelsFromClearToOpaque) {
    const WindowHandle bar = loadBar().hWnd();
    Module1& module1 = program.module1;
    auto exStyle = [&] { return desk.window(bar)->exStyle; };

    EXPECT_EQ(module1.SetGlass(bar, 255), kGlassApplied);
    EXPECT_EQ(exStyle(), kWsExLayered);
    EXPECT_EQ(desk.window(bar)->alpha, 255);
    // Again: still one layered bit, and the second level.
    EXPECT_EQ(module1.SetGlass(bar, 0), kGlassApplied);
    EXPECT_EQ(exStyle(), kWsExLayered);
    EXPECT_EQ(desk.window(bar)->alpha, 0);

    // Outside 0..255 nothing changes.
    desk.setWindowLong(bar, kGwlExStyle, 0);
    for (std::int16_t level : {-1, 256, 32767}) {
        EXPECT_EQ(module1.SetGlass(bar, level), kGlassOutOfRange);
        EXPECT_EQ(exStyle(), 0);
        EXPECT_EQ(desk.window(bar)->alpha, 0);
    }
    // A window that is not there makes the calls fail without a word.
    EXPECT_EQ(module1.SetGlass(0x7FFF, 128), kGlassApplied);
}

TEST_F(BarTest, TheScrollBarsValueReachesTheBarAndThePanelWhichLoadsUnseen) {
    frmSide& bar = loadBar();
    EXPECT_EQ(desk.windowOf(bar)->alpha, std::nullopt) << "not layered before the first change";
    // The bar's load made the panel layered at 1 and showed it.
    ASSERT_NE(program.loaded<frmDate>(), nullptr);
    EXPECT_EQ(desk.windowOf(*program.loaded<frmDate>())->alpha, 1);
    EXPECT_TRUE(desk.windowOf(*program.loaded<frmDate>())->visible);
    program.unload<frmDate>();
    for (int level : {1, 11}) {
        bar.HScroll1.setValue(level);
        const frmDate* panel = program.loaded<frmDate>();
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(desk.windowOf(bar)->alpha, level);
        EXPECT_EQ(desk.windowOf(*panel)->alpha, level);
        EXPECT_FALSE(desk.windowOf(*panel)->visible);
        program.unload<frmDate>();
    }
}

} // namespace
} // namespace tavrin::testing
