// The settings window: filled from the settings, its layouts, the button
// editor, the light level, saving and the About box.
#include "bar_fixture.h"

#include "app/version.h"
#include "config/config_values.h"
#include "config/frm_config.h"

namespace tavrin::testing {
namespace {

constexpr Color kRest = rgb(10, 10, 10), kHover = rgb(30, 30, 30), kPress = rgb(50, 50, 50);
constexpr Color kWarning = rgb(255, 128, 128), kWhite = rgb(255, 255, 255);

class ConfigTest : public BarTest {
  protected:
    frmConfig& openConfig() {
        loadBar();
        frmConfig& config = program.form<frmConfig>();
        config.show();
        return config;
    }
    // The settings file's lines, in UTF-8.
    std::vector<std::string> savedLines() {
        std::vector<std::string> lines;
        const std::string text = desk.utf8FromAnsi(fileBytes());
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }
    std::vector<Color> rowBacks(const frmConfig& c) {
        std::vector<Color> backs;
        for (const TextBox& glyph : c.lblFolder)
            backs.push_back(glyph.backColor());
        for (const TextBox& name : c.txtNombre)
            backs.push_back(name.backColor());
        return backs;
    }
};

TEST_F(ConfigTest, AShortLayoutAndALowScreenOpenTheWindowShort) {
    writeDefaultsWith({{27, "0"}, {28, "245"}});
    frmConfig& c = openConfig();
    EXPECT_EQ(c.height(), 3315);
    EXPECT_EQ(c.frmeTools.top(), 2400);
    EXPECT_FALSE(c.txtNombre[4].visible() || c.lblFolder[5].visible() || c.txtCarpeta[4].visible());
    EXPECT_EQ(c.lblFolder[6].toolTipText(), " Figura 5. ");
    EXPECT_TRUE(c.chkTotal.enabled());
    // An opacity that is no level: nothing chosen, until the user picks one.
    EXPECT_EQ(c.cboGlass.listIndex(), -1);
    EXPECT_EQ(c.cboGlass.backColor(), kWarning);
    desk.setWindowColor(rgb(250, 250, 240));
    desk.pickItem(c.cboGlass, 5);
    EXPECT_EQ(c.cboGlass.backColor(), rgb(250, 250, 240));

    // Back to the full layout: the rows come back as they were.
    desk.click(c.chkTotal);
    EXPECT_EQ(c.height(), 4275);
    EXPECT_TRUE(c.txtCarpeta[5].visible());
    EXPECT_EQ(c.txtCarpeta[5].text(), "C:\\Users\\invitado\\Videos");

    program.unload<frmConfig>();
    desk.setScreenPixels(1024, 600);
    frmConfig& low = openConfig();
    EXPECT_EQ(low.chkTotal.value(), 0);
    EXPECT_FALSE(low.chkTotal.enabled());

    // 768 pixels at 144 dpi are 7680 twips, a low screen too; the window
    // is centred as it opens there, short.
    program.unload<frmConfig>();
    desk.setScreenPixels(1366, 768);
    desk.setDpi(144);
    frmConfig& scaled = openConfig();
    EXPECT_FALSE(scaled.chkTotal.enabled());
    EXPECT_EQ(scaled.height(), 3315);
    EXPECT_EQ(scaled.top(), (7680 - 3315) / 2.0);
    EXPECT_EQ(scaled.left(), (13660 - scaled.width()) / 2);
}

TEST_F(ConfigTest, ADamagedValueCostsOnlyItsOwnEditor) {
    writeDefaultsWith({{1, "Fotos"},
                       {14, "rojo"},
                       {15, "-1"},
                       {8, "D:\\"},
                       {18, "200"},
                       {19, "x"},
                       {22, "J"},
                       {27, "2"},
                       {28, "250"}});
    frmConfig& c = openConfig();
    EXPECT_EQ(c.lblFolder[2].foreColor(), rgb(224, 224, 224)) << "the design's colour stays";
    EXPECT_EQ(c.lblFolder[3].foreColor(), rgb(224, 224, 224));
    EXPECT_EQ(c.lblFolder[4].foreColor(), kWhite);
    EXPECT_EQ(c.txtNombre[1].text(), "Fotos");
    EXPECT_EQ(c.txtCarpeta[2].text(), "D:\\");
    EXPECT_EQ(c.txtNombre[0].foreColor(), rgb(125, 125, 125));
    EXPECT_EQ(c.lblFolder[2].text(), "J");
    EXPECT_EQ(c.chkLeft.value(), 0);
    EXPECT_EQ(c.cboGlass.listIndex(), 0);
    // Greyed, which only a stored value gives: the layout stays full, and
    // the user's click makes it plainly checked.
    EXPECT_EQ(c.chkTotal.value(), 2);
    EXPECT_EQ(c.height(), 4275);
    desk.click(c.chkTotal);
    EXPECT_EQ(c.chkTotal.value(), 1);
}

// (The editors filled from the settings show in what a save writes back.)
TEST_F(ConfigTest, ThePaletteOpensMovesAndClosesAndColoursTheSelectedGlyph) {
    frmConfig& c = openConfig();
    EXPECT_FALSE(c.Frame1.visible());
    desk.click(c.lblFolder[0]);
    EXPECT_TRUE(c.Frame1.visible());
    EXPECT_EQ(c.Frame1.top(), 480);
    EXPECT_EQ(c.Label[1].caption(), "Colores:");
    EXPECT_EQ(desk.focusedControl(), &c.lblFolder[0]);
    desk.click(c.lblFolder[2]);
    EXPECT_EQ(c.Frame1.top(), 1440);
    EXPECT_TRUE(c.Frame1.visible());
    desk.click(c.lblColor[11]);
    EXPECT_EQ(c.lblFolder[2].foreColor(), 1776568u);
    EXPECT_EQ(c.lblFolder[0].foreColor(), kWhite);
    desk.click(c.lblFolder[2]);
    EXPECT_FALSE(c.Frame1.visible());
    EXPECT_EQ(c.Label[1].caption(), "Dirección:");
    EXPECT_EQ(c.SelectedButton, 2);

    // The settings tile's row is the tools strip, wherever it stands.
    desk.click(c.chkTotal);
    desk.click(c.lblFolder[6]);
    EXPECT_EQ(c.Frame1.top(), 2400);
    desk.click(c.lblFolder[4]); // hidden in the short layout
    EXPECT_EQ(c.SelectedButton, 6);
    desk.click(c.chkTotal); // the palette stays where it is
    EXPECT_EQ(c.Frame1.top(), 2400);
}

TEST_F(ConfigTest, AKeyReplacesTheGlyphBackspaceEmptiesItAndALoneAmpersandDoubles) {
    writeDefaultsWith({{25, "&"}});
    frmConfig& c = openConfig();
    EXPECT_EQ(c.lblFolder[5].text(), "&&");
    desk.click(c.lblFolder[1]);
    desk.typeKey(c.lblFolder[1], 'a');
    EXPECT_EQ(c.lblFolder[1].text(), "a");
    EXPECT_EQ(c.lblFolder[1].selStart(), 1);
    desk.typeKey(c.lblFolder[1], 0x1F4C1); // beyond 16 bits, one character
    EXPECT_EQ(c.lblFolder[1].text(), "\xF0\x9F\x93\x81");
    desk.typeKey(c.lblFolder[1], 8);
    EXPECT_EQ(c.lblFolder[1].text(), "");
    desk.typeKey(c.lblFolder[1], '&');
    EXPECT_EQ(c.lblFolder[1].text(), "&&");
    EXPECT_EQ(c.lblFolder[1].selStart(), 2);
}

TEST_F(ConfigTest, RowsLightUnderTheMouseAndRestElsewhere) {
    frmConfig& c = openConfig();
    desk.mouseDown(c.lblFolder[3]);
    desk.mouseMove(c.lblFolder[3]);
    EXPECT_EQ(c.lblFolder[3].backColor(), kPress);
    EXPECT_EQ(c.txtNombre[3].backColor(), kPress);
    desk.mouseUp(c.lblFolder[3]);
    std::vector<Color> expected(kTiles + kShortcuts, kRest);
    expected[3] = expected[kTiles + 3] = kHover;
    EXPECT_EQ(rowBacks(c), expected);
    desk.mouseMove(c.txtNombre[1]);
    expected[3] = expected[kTiles + 3] = kRest;
    expected[1] = expected[kTiles + 1] = kHover;
    EXPECT_EQ(rowBacks(c), expected);
    desk.mouseMove(c.txtCarpeta[1]);
    EXPECT_EQ(rowBacks(c), std::vector<Color>(kTiles + kShortcuts, kRest));
    desk.mouseMove(c.lblFolder[6]);
    desk.mouseDown(c.chkLeft);
    EXPECT_EQ(c.lblFolder[6].backColor(), kRest);

    desk.click(c.lblFolder[0]); // the palette opens
    desk.mouseDown(c.lblColor[4]);
    EXPECT_EQ(c.lblColor[4].borderStyle(), 1);
    desk.mouseUp(c.lblColor[4]);
    EXPECT_EQ(c.lblColor[4].borderStyle(), 0);
}

TEST_F(ConfigTest, TheLightLevelIsCheckedAndPreviewedAsItIsTyped) {
    frmConfig& c = openConfig();
    const std::vector<std::pair<std::string, int>> accepted = {
        {"115", 115}, {"200", 200}, {"255", 255}, {"2e2", 200}, {" 1.5e2x", 150}};
    for (const auto& [text, v] : accepted) {
        c.txtLuz.setText(text);
        EXPECT_EQ(c.txtLuz.backColor(), rgb(v, v, v)) << text;
        EXPECT_EQ(c.lblColor[0].backColor(), rgb(v, v, v)) << text;
        EXPECT_EQ(c.txtNombre[5].foreColor(), rgb(v - 75, v - 75, v - 75)) << text;
    }
    for (const char* text : {"114", "256", "0", "", "luz", "-5", "114.9"}) {
        c.txtLuz.setText(text);
        EXPECT_EQ(c.txtLuz.backColor(), kWarning) << text;
        EXPECT_EQ(c.lblColor[0].backColor(), rgb(150, 150, 150)) << text;
        EXPECT_EQ(c.txtNombre[0].foreColor(), rgb(75, 75, 75)) << text;
    }
}

TEST_F(ConfigTest, SavingWritesEveryEditorAndMakesTheBarAnew) {
    writeDefaultsWith({{28, "245"}});
    frmConfig& c = openConfig();
    const frmSide* oldBar = program.loaded<frmSide>();
    desk.pressKey(c.txtNombre[0], sim::SimDesktop::EditKey::End);
    desk.typeText(c.txtNombre[0], "XXXXXXXXXX"); // the box takes 14 characters
    desk.click(c.lblFolder[0]);
    desk.click(c.lblColor[11]);
    desk.click(c.chkLeft);
    desk.click(c.chkTotal);
    c.txtCarpeta[5].setText("E:\\Mis\r\n\r\nVídeos"); // pasted across lines
    const std::vector<std::pair<std::string, std::string>> levels = {
        {"115", "115"}, {"2e2", "2e2"}, {"100", "255"},
        {"256", "255"}, {"", "255"},    {"luz", "255"}};
    for (const auto& [typed, stored] : levels) {
        c.txtLuz.setText(typed);
        desk.click(c.cmdSave);
        EXPECT_EQ(savedLines().at(18), stored) << typed;
        EXPECT_EQ(c.txtLuz.text(), typed) << "the window keeps what was typed";
    }
    EXPECT_EQ(savedLines().at(28), "245") << "no level chosen: the opacity stays";
    desk.pickItem(c.cboGlass, 0);
    desk.click(c.cmdSave);
    std::vector<std::string> expected = defaultLines();
    expected[0] = "EquipoXXXXXXXX";
    expected[11] = "E:\\Mis Vídeos"; // a run of line breaks is one space
    expected[12] = "1776568";
    expected[18] = "255";
    expected[19] = "1";
    expected[27] = "0";
    expected[28] = "250"; // "Nivel 1"
    EXPECT_EQ(savedLines(), expected);

    frmSide* bar = program.loaded<frmSide>();
    ASSERT_NE(bar, nullptr);
    EXPECT_NE(bar, oldBar);
    EXPECT_EQ(bar->left(), -45) << "the new bar stands at the left";
    EXPECT_EQ(bar->Labels[0].caption(), "EquipoXXXXXXXX");
    EXPECT_EQ(program.loaded<frmConfig>(), &c);
    EXPECT_TRUE(desk.windowOf(c)->visible);
    EXPECT_EQ(desk.liveWindows(), 3) << "the bar, its panel and this window";
}

TEST_F(ConfigTest, AcercaOpensTheAboutBox) {
    frmConfig& c = openConfig();
    for (int i = 0; i < 3; ++i)
        desk.click(c.Label[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(desk.aboutBoxes().empty());
    desk.click(c.Label[3]);
    ASSERT_EQ(desk.aboutBoxes().size(), 1u);
    EXPECT_EQ(desk.aboutBoxes()[0].owner, c.hWnd());
    EXPECT_EQ(desk.aboutBoxes()[0].app, "Tavrin");
    // The minor number without leading zeros, unlike the version record.
    EXPECT_EQ(desk.aboutBoxes()[0].otherStuff, "Quenfold\r\nTavrin: Versión " +
                                                   std::to_string(kVersionMajor) + "." +
                                                   std::to_string(kVersionMinor));
}

} // namespace
} // namespace tavrin::testing
