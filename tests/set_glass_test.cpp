// SetGlass: a window made layered at a level of opacity, as the bar's
// scroll bar does to the bar and its clock panel.
#include "bar_fixture.h"

#include "clock/frm_date.h"

namespace tavrin::testing {
namespace {

TEST_F(BarTest, TheScrollBarsLevelReachesBarAndPanelAndSetGlassKeepsToClearThroughOpaque) {
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
        EXPECT_FALSE(desk.windowOf(*panel)->visible) << "a panel the level loads stays unseen";
        program.unload<frmDate>();
    }

    const WindowHandle window = bar.hWnd();
    Module1& module1 = program.module1;
    auto exStyle = [&] { return desk.window(window)->exStyle; };
    // The layered bit joins the styles the window has.
    constexpr long kWsExTopmost = 0x8;
    desk.setWindowLong(window, kGwlExStyle, kWsExTopmost);
    module1.SetGlass(window, 255);
    EXPECT_EQ(exStyle(), kWsExTopmost | kWsExLayered);
    EXPECT_EQ(desk.window(window)->alpha, 255);
    // Again: still one layered bit, and the second level.
    module1.SetGlass(window, 0);
    EXPECT_EQ(exStyle(), kWsExTopmost | kWsExLayered);
    EXPECT_EQ(desk.window(window)->alpha, 0);

    // Outside 0..255 nothing changes.
    desk.setWindowLong(window, kGwlExStyle, 0);
    for (std::int16_t level : {-1, 256, 32767}) {
        module1.SetGlass(window, level);
        EXPECT_EQ(exStyle(), 0);
        EXPECT_EQ(desk.window(window)->alpha, 0);
    }
}

} // namespace
} // namespace tavrin::testing
