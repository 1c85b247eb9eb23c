// The bar's load: reading the settings file, the defaults, placement and
// applying the settings to the tiles.
#include "bar_fixture.h"

namespace tavrin::testing {
namespace {

constexpr Color kWhite = 16777215;

TEST_F(BarTest, WithoutAFileTheDefaultsStandAndTheBarSitsAtTheRight) {
    frmSide& bar = loadBar();
    // (The record's defaults, as the file holds them: settings_file_test.cpp.)
    for (int i = 0; i < kTiles; ++i) {
        EXPECT_EQ(bar.lblButton[i].caption(), "0");
        // The tiles were never configured: they keep their design look.
        EXPECT_EQ(bar.Labels[i].foreColor(), rgb(224, 224, 224));
    }
    EXPECT_EQ(bar.left(), 20490 - 1590);
    EXPECT_TRUE(desk.windowOf(bar)->visible && desk.windowOf(bar)->topmost);

    // The user's folders lie where the shell says (on another drive, in a
    // domain profile, redirected); one it cannot tell lies in the profile,
    // and without that under "C:\Users\" and the user's name, blanks when
    // even that cannot be had.
    desk.setKnownFolder(KnownFolder::Profile, "E:\\Perfiles\\ana.EMPRESA");
    desk.setKnownFolder(KnownFolder::Music, "D:\\OneDrive\\M\u00fasica");
    desk.setKnownFolder(KnownFolder::Videos, std::nullopt);
    loadBar();
    const std::vector<std::string> folders = {"C:\\",
                                              "E:\\Perfiles\\ana.EMPRESA",
                                              "C:\\Users\\invitado\\Documents",
                                              "C:\\Users\\invitado\\Pictures",
                                              "D:\\OneDrive\\M\u00fasica",
                                              "E:\\Perfiles\\ana.EMPRESA\\Videos"};
    for (std::size_t i = 0; i < folders.size(); ++i)
        EXPECT_EQ(settings().ShortcutFolder[i].text(), folders[i]);
    desk.setKnownFolder(KnownFolder::Profile, std::nullopt);
    desk.setUserName(std::nullopt);
    loadBar();
    EXPECT_EQ(settings().ShortcutFolder[5].text(),
              "C:\\Users\\" + std::string(260, ' ') + "\\Videos");
}

TEST_F(BarTest, AFullFileIsReadAndAppliedToTheTiles) {
    std::vector<std::string> lines = defaultLines();
    lines[0] = "Disco";
    lines[12] = "78";    // dark red glyph on tile 0
    lines[18] = "200";   // captions RGB(125,125,125)
    lines[19] = "2";     // any non-zero side means the left edge
    lines[20] = "&";     // a lone ampersand is doubled
    lines[21] = "&&";    // stays
    lines[22] = "a&b";   // stays
    lines[28] = "210.5"; // rounds to the even neighbour
    lines[29] = "1776568";
    lines.push_back("extra line"); // ignored
    writeLines(lines);

    frmSide& bar = loadBar();
    const SettingsRecord& s = settings();
    EXPECT_EQ(bar.Labels[0].caption(), "Disco");
    EXPECT_EQ(bar.lblButton[0].foreColor(), 78u);
    EXPECT_EQ(bar.lblButton[6].foreColor(), 1776568u);
    for (const Label& caption : bar.Labels)
        EXPECT_EQ(caption.foreColor(), rgb(125, 125, 125));
    EXPECT_EQ(s.LeftSide.number(), 1);
    EXPECT_EQ(bar.left(), -45);
    EXPECT_EQ(s.ShortcutGlyph[0].text(), "&&");
    EXPECT_EQ(s.ShortcutGlyph[1].text(), "&&");
    EXPECT_EQ(s.ShortcutGlyph[2].text(), "a&b");
    EXPECT_EQ(bar.lblButton[0].caption(), "&&");
    EXPECT_EQ(s.GlassAlpha, 210);
}

TEST_F(BarTest, TheLineBufferHoldsTheFirstThirtyLinesReadSinceTheBarWasMade) {
    // A damaged file of many lines, the first of them very long: the buffer
    // keeps what can be read, and of a line what a value can use.
    std::vector<std::string> lines(100000, "linea");
    lines[0] = std::string(100000, 'x');
    lines[1] = "segunda";
    writeLines(lines);
    frmSide& bar = loadBar();
    EXPECT_EQ(bar.List1.listCount(), 30);
    EXPECT_EQ(bar.List1.item(0), std::string(32767, 'x'));
    EXPECT_EQ(bar.List1.item(1), "segunda");
    EXPECT_EQ(settings().ShortcutName[0].text(), std::string(32767, 'x'));
    EXPECT_EQ(settings().GlassAlpha, 240); // "linea" is no number

    // A short file fills the buffer on each read, never cleared: the second
    // read of the bar's load lands behind the first.
    lines = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    writeLines(lines);
    frmSide& fresh = loadBar();
    ASSERT_EQ(fresh.List1.listCount(), 20);
    EXPECT_EQ(fresh.List1.item(10), "a");
    EXPECT_EQ(settings().ShortcutFolder[4].text(), "a"); // position 10
    EXPECT_EQ(settings().ShortcutColor[0].text(), "c");  // position 12
    EXPECT_EQ(settings().LeftSide.text(), "j");          // position 19

    // A third read fills up to thirty and stops there.
    fresh.eLoad();
    EXPECT_EQ(fresh.List1.listCount(), 30);
    EXPECT_EQ(fresh.List1.item(29), "j");
    fresh.eLoad();
    EXPECT_EQ(fresh.List1.listCount(), 30);
}

TEST_F(BarTest, AColourThatIsNotANumberStopsTheSetUpAtItsTile) {
    writeDefaultsWith({{12, "78"}, {13, "255"}, {14, "rojo"}});
    frmSide& bar = loadBar();
    EXPECT_EQ(bar.lblButton[0].foreColor(), 78u);
    EXPECT_EQ(bar.lblButton[1].foreColor(), 255u);
    EXPECT_EQ(bar.lblButton[2].foreColor(), kWhite);

    // The glyphs of the set-up's last step are not reached either.
    settings().ShortcutGlyph[3] = "J";
    bar.eConfig();
    EXPECT_EQ(bar.lblButton[3].caption(), "0");
    settings().ShortcutColor[2] = 5111853;
    bar.eConfig();
    EXPECT_EQ(bar.lblButton[3].caption(), "J");
}

TEST_F(BarTest, HandEditedOrMissingValuesNeverStopTheBar) {
    writeDefaultsWith({{18, "500"},  // caption grey limited to white
                       {19, "izq"},  // not a number: the right edge
                       {27, "alto"}, // not a number: the full bar
                       {13, "-5"}}); // not a colour
    frmSide& bar = loadBar();
    EXPECT_EQ(bar.Labels[0].foreColor(), rgb(255, 255, 255));
    EXPECT_EQ(bar.left(), 20490 - 1590);
    EXPECT_EQ(bar.frmeBar.height(), 10500);
    EXPECT_EQ(bar.lblButton[0].foreColor(), kWhite);

    writeDefaultsWith({{18, "20"},       // caption grey limited to black
                       {13, "16777216"}, // not a colour
                       {28, "40000"}});  // beyond 16 bits: the default opacity
    frmSide& again = loadBar();
    EXPECT_EQ(again.Labels[0].foreColor(), rgb(0, 0, 0));
    EXPECT_EQ(again.lblButton[1].foreColor(), kWhite);
    EXPECT_EQ(settings().GlassAlpha, 240);

    // Without the opacity line the default stands, and so do the lines
    // after it.
    std::vector<std::string> lines = defaultLines();
    lines[20] = "&";
    lines[28] = "200";
    lines.resize(29);
    writeLines(lines);
    frmSide& shorter = loadBar();
    EXPECT_EQ(settings().GlassAlpha, 240);
    EXPECT_EQ(settings().ShortcutColor[6].number(), kWhite);
    EXPECT_EQ(settings().ShortcutGlyph[0].text(), "&");           // no doubling on this path
    EXPECT_EQ(shorter.Labels[0].foreColor(), rgb(180, 180, 180)); // the set-up ran
}

// Screen by screen, in one program: a screen lower than 10500 twips marks
// the screen small for good.
TEST_F(BarTest, PanelAndTilesFollowTheScreenHeightAndASmallScreenStaysMarked) {
    const struct {
        Twips height;
        int fileFullHeight;
        Twips panelHeight, panelTop;
        int smallScreen;
        bool settingsOnTile4;
    } screens[] = {
        {11520, 1, 10500, 600, 0, false}, {11520, 0, 7500, 2100, 0, true},
        {10200, 1, 7500, 1440, 1, false}, {10200, 0, 7500, 1440, 1, true},
        {9255, 1, 7500, 967.5, 1, false}, {9254, 1, 7500, 967, 1, true},
        {9000, 1, 7500, 840, 1, true},    {9000, 0, 7500, 840, 1, true},
        {11520, 1, 10500, 600, 1, false}, // still marked small
    };
    for (const auto& p : screens) {
        SCOPED_TRACE(::testing::Message()
                     << p.height << " twips high, full height " << p.fileFullHeight);
        desk.setScreenTwips(20490, p.height);
        writeDefaultsWith(
            {{4, "Cuatro"}, {24, "4"}, {26, "J"}, {27, std::to_string(p.fileFullHeight)}});
        frmSide& bar = loadBar();
        EXPECT_EQ(bar.frmeBar.height(), p.panelHeight);
        EXPECT_DOUBLE_EQ(bar.frmeBar.top(), p.panelTop);
        EXPECT_EQ(bar.top(), -75);
        EXPECT_EQ(bar.height(), p.height + 600);
        EXPECT_EQ(program.module1.SmallScreen, p.smallScreen);
        EXPECT_EQ(bar.Labels[4].caption(), p.settingsOnTile4 ? "Configuración" : "Cuatro");
        EXPECT_EQ(bar.lblButton[4].caption(), p.settingsOnTile4 ? "J" : "4");
    }
}

TEST_F(BarTest, DoubleClickOnTheBackgroundEndsTheProgramButNotOnATileNorWhenCollapsed) {
    frmSide& bar = loadBar();
    desk.dblClick(bar);
    EXPECT_FALSE(desk.ended()) << "the collapsed bar's column lets the mouse through";
    bar.setWidth(1590);
    desk.dblClick(bar.lblButton[2]);
    desk.dblClick(bar.Labels[2]);
    EXPECT_FALSE(desk.ended());
    desk.dblClick(bar);
    EXPECT_TRUE(desk.ended());
}

} // namespace
} // namespace tavrin::testing
