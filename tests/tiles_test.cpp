// The bar's tiles as buttons: their look under the mouse and what a click
// on a glyph face opens.
#include "bar_fixture.h"

#include "config/frm_config.h"

namespace tavrin::testing {
namespace {

constexpr Color kNormal = rgb(20, 20, 20), kHovered = rgb(50, 50, 50), kPressed = rgb(60, 60, 60);

class TilesTest : public BarTest {
  protected:
    // The faces' colours, tile by tile.
    std::vector<Color> looks(const frmSide& bar) {
        std::vector<Color> colors;
        for (const Label& face : bar.lblButton)
            colors.push_back(face.backColor());
        return colors;
    }
    std::vector<Color> allNormalBut(int tile, Color color) {
        std::vector<Color> colors(kTiles, kNormal);
        if (tile >= 0)
            colors[static_cast<std::size_t>(tile)] = color;
        return colors;
    }
};

TEST_F(TilesTest, ATileLightsUnderTheCursorDarkensWhilePressedAndRestsOnRelease) {
    frmSide& bar = openedBar();
    desk.mouseMove(bar.lblButton[2]);
    EXPECT_EQ(looks(bar), allNormalBut(2, kHovered));
    desk.mouseMove(bar.Labels[3]); // a caption lights its own tile
    EXPECT_EQ(looks(bar), allNormalBut(3, kHovered));

    // A press on a caption, with the right button: the tile darkens and
    // stays dark while the cursor moves within it.
    desk.mouseDown(bar.Labels[1], {kRightButton});
    EXPECT_EQ(looks(bar)[1], kPressed);
    desk.mouseMove(bar.lblButton[1]);
    EXPECT_EQ(looks(bar)[1], kPressed);
    desk.mouseUp(bar.Labels[1], {kRightButton});
    EXPECT_EQ(looks(bar), allNormalBut(-1, kNormal));
    EXPECT_TRUE(desk.shellCalls().empty()) << "a caption opens nothing";

    // The bare surface resets every tile but the sixth.
    desk.mouseMove(bar.lblButton[5]);
    desk.mouseMove(bar);
    EXPECT_EQ(looks(bar), allNormalBut(5, kHovered));
    desk.mouseMove(bar.lblButton[2]);
    desk.mouseMove(bar);
    EXPECT_EQ(looks(bar), allNormalBut(-1, kNormal));
}

TEST_F(TilesTest, AFaceOpensItsFolderThroughTheShellOrTheSettingsWindowOrSaysWhyNot) {
    frmSide& bar = openedBar();
    desk.click(bar.lblButton[0]);
    ASSERT_EQ(desk.shellCalls().size(), 1u);
    const sim::ShellCall& call = desk.shellCalls()[0];
    EXPECT_EQ(call.owner, bar.hWnd());
    EXPECT_FALSE(call.verb || call.parameters || call.directory);
    EXPECT_EQ(call.file, "C:\\");
    EXPECT_EQ(call.showCommand, 1);
    EXPECT_EQ(looks(bar), allNormalBut(-1, kNormal)) << "released before the click";

    desk.click(bar.lblButton[4], kRightButton);
    EXPECT_EQ(desk.shellCalls().back().file, "C:\\Users\\invitado\\Music");

    // The settings tile: one window, brought to the front again.
    desk.click(bar.lblButton[6]);
    frmConfig* config = program.loaded<frmConfig>();
    ASSERT_NE(config, nullptr);
    EXPECT_TRUE(desk.windowOf(*config)->visible);
    EXPECT_EQ(desk.focusedControl(), &config->txtNombre[0]) << "ready for typing";
    desk.click(bar.lblButton[6]);
    EXPECT_EQ(program.loaded<frmConfig>(), config);
    EXPECT_EQ(desk.windowOf(*config)->activations, 2);
    EXPECT_EQ(desk.shellCalls().size(), 2u);

    // What the shell answers is its own business: a folder that is not
    // there is no broken link.
    settings().ShortcutFolder[3] = "C:\\no est\u00e1";
    desk.click(bar.lblButton[3]);
    EXPECT_EQ(desk.shellCalls().back().result, 2);
    EXPECT_TRUE(desk.messageBoxes().empty());

    // A click that cannot be carried out says so once and changes nothing.
    desk.setShellUnreachable(true);
    desk.click(bar.lblButton[2]);
    ASSERT_EQ(desk.messageBoxes().size(), 1u);
    EXPECT_EQ(desk.messageBoxes()[0].text, "Enlace roto.");
    EXPECT_EQ(desk.messageBoxes()[0].caption, "Tavrin");
    EXPECT_EQ(program.loaded<frmSide>(), &bar);
    EXPECT_EQ(looks(bar), allNormalBut(-1, kNormal));
}

TEST_F(TilesTest, OnTheShortBarTheFifthTileOpensTheSettingsAndFoldersGoOutAsTheFileHoldsThem) {
    writeDefaultsWith({{27, "0"}, {6, "C:\\Música"}});
    frmSide& bar = openedBar();
    desk.click(bar.lblButton[4]);
    EXPECT_NE(program.loaded<frmConfig>(), nullptr);
    EXPECT_TRUE(desk.shellCalls().empty());
    desk.click(bar.lblButton[0]);
    ASSERT_EQ(desk.shellCalls().size(), 1u);
    EXPECT_EQ(desk.shellCalls()[0].file, "C:\\M\u00fasica");
}

} // namespace
} // namespace tavrin::testing
