// One Tavrin a session: a later start on the same desktop shows nothing
// and the running program brings up its settings window.
#include "bar_fixture.h"

#include "config/frm_config.h"
#include "splash/frm_inicio.h"

namespace tavrin::testing {
namespace {

TEST_F(BarTest, ALaterStartShowsNothingAndTheRunningProgramShowsItsSettings) {
    writeDefaultsWith({{0, "Casa"}});
    ASSERT_TRUE(program.start());
    const int windows = desk.liveWindows();

    // Asked while the splash still stands, before the bar has read the
    // settings the window shows: it comes with the bar.
    Program second(desk);
    EXPECT_FALSE(second.start());
    EXPECT_EQ(desk.liveWindows(), windows) << "no splash, no window of the later start";
    EXPECT_EQ(program.loaded<frmConfig>(), nullptr);
    desk.advance(2000);
    ASSERT_EQ(program.loaded<frmInicio>(), nullptr) << "the bar is shown";
    frmConfig* config = program.loaded<frmConfig>();
    ASSERT_NE(config, nullptr);
    EXPECT_TRUE(desk.windowOf(*config)->visible);
    EXPECT_EQ(config->txtNombre[0].text(), "Casa");

    // Closed, it comes back at the next start; open, it comes to the front.
    desk.clickCloseBox(*config);
    Program third(desk);
    EXPECT_FALSE(third.start());
    ASSERT_NE(program.loaded<frmConfig>(), nullptr);
    const int activations = desk.windowOf(*program.loaded<frmConfig>())->activations;
    EXPECT_FALSE(third.start());
    EXPECT_EQ(desk.windowOf(*program.loaded<frmConfig>())->activations, activations + 1);
}

// The installer's "Tavrin.exe /quit": the running program ends at once,
// even while its splash stands, and what it was editing is not saved.
TEST_F(BarTest, AQuitRequestEndsTheRunningProgramAndNothingElse) {
    Program nobody(desk);
    EXPECT_TRUE(nobody.endRunning()) << "none runs";
    EXPECT_EQ(desk.liveWindows(), 0);

    writeDefaultsWith({{0, "Casa"}});
    const std::string saved = fileBytes();
    ASSERT_TRUE(program.start());
    Program quitter(desk);
    EXPECT_TRUE(quitter.endRunning());
    EXPECT_TRUE(desk.ended()) << "during the splash";

    desk.advance(2000);
    EXPECT_EQ(fileBytes(), saved);
    EXPECT_EQ(program.loaded<frmConfig>(), nullptr);
}

} // namespace
} // namespace tavrin::testing
