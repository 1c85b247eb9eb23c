// The splash: the name fades in, the bars sweep, then the bar opens and the
// splash goes.
#include "bar_fixture.h"

#include "splash/frm_inicio.h"

namespace tavrin::testing {
namespace {

TEST_F(BarTest, TheSplashFadesInSweepsThenOpensTheBarAndGoes) {
    program.start();
    frmInicio* splash = program.loaded<frmInicio>();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(desk.windowOf(*splash)->visible);
    desk.advance(25 * 30); // 25 ticks: 240, 230 ... 0
    EXPECT_EQ(splash->lblWord.foreColor(), rgb(0, 0, 0));
    EXPECT_TRUE(splash->Timer1.running());
    desk.advance(30);
    EXPECT_FALSE(splash->Timer1.running());

    desk.advance(40 * 30 - 26 * 30); // 40 ticks of the sweep
    desk.advance(30); // the 41st stops it and starts the last timer
    EXPECT_FALSE(splash->Timer2.running());

    // The bar comes 500 ms later, and only then does the splash go.
    desk.advance(499);
    EXPECT_EQ(program.loaded<frmSide>(), nullptr);
    EXPECT_NE(program.loaded<frmInicio>(), nullptr);
    desk.advance(1);
    ASSERT_NE(program.loaded<frmSide>(), nullptr);
    EXPECT_TRUE(desk.windowOf(*program.loaded<frmSide>())->visible);
    EXPECT_EQ(program.loaded<frmInicio>(), nullptr);
    desk.advance(1000);
    EXPECT_EQ(program.loaded<frmInicio>(), nullptr) << "never shown again";
}

} // namespace
} // namespace tavrin::testing
