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
    EXPECT_EQ(splash->left(), (20490 - 7815) / 2.0) << "centred";
    EXPECT_EQ(splash->top(), (11520 - 4455) / 2.0);
    EXPECT_EQ(splash->lblWord.width(), desk.measureText(splash->lblWord.font(), "TAVRIN").width);

    desk.advance(25 * 30); // 25 ticks: 240, 230 ... 0
    EXPECT_EQ(splash->lblWord.foreColor(), rgb(0, 0, 0));
    EXPECT_TRUE(splash->Timer1.running());
    desk.advance(30);
    EXPECT_FALSE(splash->Timer1.running());

    desk.advance(40 * 30 - 26 * 30); // 40 ticks of the sweep
    EXPECT_EQ(splash->Shape2.height(), 4815);
    EXPECT_EQ(splash->Shape1.left(), -200);
    EXPECT_EQ(splash->Shape1.width(), 8015);
    EXPECT_TRUE(splash->Shape3.visible());
    EXPECT_EQ(splash->Shape3.left(), 480);
    EXPECT_EQ(splash->Shape3.width(), 495);
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
