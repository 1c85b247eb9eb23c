#include "frm_config.h"

#include "app/program.h"
#include "app/tiles.h"
#include "app/version.h"
#include "bar/frm_side.h"
#include "config/config_values.h"
#include "platform/window_system.h"

#include <string>

namespace tavrin {
namespace {

constexpr const char* kCaption = "Tavrin | Configuración:";
constexpr Twips kOuterWidth = 10200;
constexpr Twips kRowLeftName = 120, kRowLeftGlyph = 2160, kRowLeftFolder = 2760;
constexpr Twips kNameWidth = 2055, kGlyphWidth = 495, kFolderWidth = 7215;
constexpr Twips kHeadingTop = 120, kHeadingHeight = 375;
constexpr int kThemeHeading = 2;
constexpr Twips kToolsLeft = 120, kToolsWidth = 9855;
constexpr Twips kSwatchPitch = 360, kSwatchWidth = 375;
constexpr int kNameMaxLength = 14;
constexpr int kLightMaxLength = 3;
constexpr int kGlyphMaxLength = 1;
constexpr Color kDesignBack = rgb(64, 64, 64);
constexpr Color kDesignEditorBack = rgb(0, 0, 0);
constexpr Color kWhite = rgb(255, 255, 255);
constexpr Color kBlack = rgb(0, 0, 0);

const std::array<Color, kSwatches> kPalette = {kWhite,
                                               rgb(47, 24, 1),
                                               rgb(78, 0, 0),
                                               rgb(78, 0, 56),
                                               rgb(45, 0, 78),
                                               rgb(31, 0, 104),
                                               rgb(1, 31, 79),
                                               rgb(1, 78, 97),
                                               rgb(1, 75, 1),
                                               rgb(22, 156, 43),
                                               rgb(230, 109, 26),
                                               rgb(184, 27, 27),
                                               rgb(183, 26, 107),
                                               rgb(105, 27, 184),
                                               rgb(26, 87, 183),
                                               rgb(86, 156, 227),
                                               rgb(0, 170, 170),
                                               rgb(130, 185, 30),
                                               rgb(212, 158, 10),
                                               rgb(215, 101, 184)};

Font calibri(double size, bool underline = false) {
    return Font{"Calibri", size, 400, false, underline, false};
}
Font glyphBoxFont() {
    return Font{"Wingdings", 14.25, 700, false, false, true};
}

// One editor filled from one setting. A value that cannot be used costs
// only its own editor, which keeps what it showed; the rest still load.
template <class Step> void loadOne(Step&& step) {
    try {
        step();
    } catch (const ConversionError&) {
    } catch (const PropertyError&) {
    }
}

} // namespace

frmConfig::frmConfig(Program& program) : Form(program.ws), program_(program) {
    design();
    wireHandlers();
}

Module1& frmConfig::module1() {
    return program_.module1;
}

void frmConfig::design() {
    setStyle(FormBorder::FixedSingle, true, true);
    setCaption(kCaption);
    setBackColor(kDesignBack);
    move(0, 0, kOuterWidth, kFullOuterHeight);

    // "TEMA:" stands on the tools strip, the others on the window.
    const std::array<std::tuple<Twips, Twips, Twips, const char*, Font>, 4> headings = {
        {{120, kHeadingTop, 2655, "Nombre:", calibri(14.25)},
         {2760, kHeadingTop, 2655, kFolderHeading, calibri(14.25)},
         {0, -30, 1095, "TEMA:", calibri(18)},
         {9120, kHeadingTop, 855, "Acerca", calibri(14.25, true)}}};
    for (int i = 0; i < 4; ++i) {
        tavrin::Label& heading = Label[static_cast<std::size_t>(i)];
        const auto& [left, top, width, text, font] = headings[static_cast<std::size_t>(i)];
        heading.setName("Label", i);
        heading.setGeometry(left, top, width, kHeadingHeight);
        heading.setCaption(text);
        heading.setFont(font);
        heading.setTransparent(true);
        heading.setForeColor(kHeadingText);
        if (i != kThemeHeading)
            add(heading);
    }
    designRows();
    designTools();
    designPalette();
}

// Row by row, as the Tab key goes: name, glyph, folder.
void frmConfig::designRows() {
    for (int i = 0; i < kTiles; ++i) {
        TextBox& glyph = lblFolder[static_cast<std::size_t>(i)];
        glyph.setName("lblFolder", i);
        glyph.setText("0");
        glyph.setFont(glyphBoxFont());
        glyph.setAlignment(Alignment::Center);
        glyph.setMaxLength(kGlyphMaxLength);
        glyph.setBackColor(kDesignEditorBack);
        glyph.setForeColor(kHeadingText);
        glyph.setToolTipText(" Figura " + std::to_string(i + 1) + ". ");
    }
    for (int i = 0; i < kShortcuts; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const Twips top = rowTop(i);
        TextBox& name = txtNombre[at];
        add(name);
        name.setName("txtNombre", i);
        name.setGeometry(kRowLeftName, top, kNameWidth, kEditorHeight);
        name.setText(kDefaultTileNames[at]);
        name.setFont(calibri(15.75));
        name.setMaxLength(kNameMaxLength);
        add(lblFolder[at]);
        lblFolder[at].setGeometry(kRowLeftGlyph, top, kGlyphWidth, kEditorHeight);
        TextBox& folder = txtCarpeta[at];
        add(folder);
        folder.setName("txtCarpeta", i);
        folder.setGeometry(kRowLeftFolder, top, kFolderWidth, kEditorHeight);
        folder.setText("C:\\");
        folder.setFont(calibri(15.75));
        for (TextBox* box : {&name, &folder}) {
            box->setBackColor(kDesignEditorBack);
            box->setForeColor(kHeadingText);
        }
    }
}

void frmConfig::designTools() {
    add(frmeTools);
    frmeTools.setName("frmeTools");
    frmeTools.setGeometry(kToolsLeft, kToolsFullTop, kToolsWidth, kEditorHeight);
    frmeTools.setBordered(false);
    frmeTools.setBackColor(kDesignBack);

    frmeTools.add(Label[kThemeHeading]);
    frmeTools.add(txtLuz);
    txtLuz.setName("txtLuz");
    txtLuz.setGeometry(1080, 0, 855, kEditorHeight);
    txtLuz.setText("256");
    txtLuz.setFont(calibri(15.75));
    txtLuz.setAlignment(Alignment::Center);
    txtLuz.setMaxLength(kLightMaxLength);
    txtLuz.setBackColor(kWhite);
    txtLuz.setForeColor(kBlack);
    txtLuz.setToolTipText(" Iluminación ");

    frmeTools.add(lblFolder[kSettingsRow]);
    lblFolder[kSettingsRow].setGeometry(2040, 0, kGlyphWidth, kEditorHeight);

    frmeTools.add(cboGlass);
    cboGlass.setName("cboGlass");
    cboGlass.setGeometry(2640, 0, 1455, 405);
    for (int level = 1; level <= kGlassLevels; ++level)
        cboGlass.addItem("Nivel " + std::to_string(level));
    cboGlass.setFont(calibri(12));
    cboGlass.setToolTipText(" Nivel de transparencia. ");

    const std::array<std::tuple<CheckBox*, const char*, const char*, Twips, int, const char*>, 2>
        checks = {{{&chkTotal, "chkTotal", "COMPLETO", 4200, 1, " Tamaño de la barra. "},
                   {&chkLeft, "chkLeft", "IZQUIERDA", 5760, 0, " Posición de la barra. "}}};
    for (auto [box, name, caption, left, value, tip] : checks) {
        frmeTools.add(*box);
        box->setName(name);
        box->setGeometry(left, 0, 1455, kEditorHeight);
        box->setCaption(caption);
        box->setFont(calibri(12));
        box->setBackColor(kWhite);
        box->setValue(value);
        box->setToolTipText(tip);
    }

    frmeTools.add(cmdSave);
    cmdSave.setName("cmdSave");
    cmdSave.setGeometry(7320, 0, 2535, kEditorHeight);
    cmdSave.setCaption("GUARDAR");
    cmdSave.setFont(calibri(12));
    cmdSave.setBackColor(kWhite);
}

// In front of everything else: it opens over a row's folder box.
void frmConfig::designPalette() {
    add(Frame1);
    Frame1.setName("Frame1");
    Frame1.setGeometry(kRowLeftFolder, kToolsFullTop, kFolderWidth, kEditorHeight);
    Frame1.setBordered(false);
    Frame1.setBackColor(kDesignBack);
    Frame1.setVisible(false);
    for (int j = 0; j < kSwatches; ++j) {
        tavrin::Label& swatch = lblColor[static_cast<std::size_t>(j)];
        Frame1.add(swatch);
        swatch.setName("lblColor", j);
        swatch.setGeometry(kSwatchPitch * j, 0, kSwatchWidth, kEditorHeight);
        swatch.setBackColor(kWhite);
    }
}

void frmConfig::wireHandlers() {
    for (tavrin::Label& heading : Label) {
        const int i = heading.index();
        heading.onClick = [this, i] { Label_Click(i); };
        heading.onMouseMove = [this](const MouseArgs&) { iFall(); };
    }
    for (int i = 0; i < kTiles; ++i) {
        TextBox& glyph = lblFolder[static_cast<std::size_t>(i)];
        glyph.onClick = [this, i] { lblFolder_Click(i); };
        glyph.onKeyPress = [this, i](int& key) { lblFolder_KeyPress(i, key); };
        glyph.onChange = [this, i] { lblFolder_Change(i); };
        glyph.onMouseDown = [this, i](const MouseArgs&) { lblFolder_MouseDown(i); };
        glyph.onMouseMove = [this, i](const MouseArgs&) { lblFolder_MouseMove(i); };
        glyph.onMouseUp = [this, i](const MouseArgs&) { lblFolder_MouseUp(i); };
    }
    for (int i = 0; i < kShortcuts; ++i) {
        txtNombre[static_cast<std::size_t>(i)].onMouseMove = [this, i](const MouseArgs&) {
            txtNombre_MouseMove(i);
        };
        txtCarpeta[static_cast<std::size_t>(i)].onMouseMove = [this](const MouseArgs&) { iFall(); };
    }
    for (int j = 0; j < kSwatches; ++j) {
        tavrin::Label& swatch = lblColor[static_cast<std::size_t>(j)];
        swatch.onClick = [this, j] { lblColor_Click(j); };
        swatch.onMouseMove = [this](const MouseArgs&) { iFall(); };
        swatch.onMouseDown = [&swatch](const MouseArgs&) { swatch.setBorderStyle(1); };
        swatch.onMouseUp = [&swatch](const MouseArgs&) { swatch.setBorderStyle(0); };
    }
    txtLuz.onChange = [this] { txtLuz_Change(); };
    cboGlass.onClick = [this] { cboGlass_Click(); };
    chkTotal.onClick = [this] { chkTotal_Click(); };
    cmdSave.onClick = [this] { cmdSave_Click(); };
    // Leaving a row for any other part of the window puts it to rest.
    for (Control* c : std::initializer_list<Control*>{&frmeTools, &chkTotal, &cmdSave, &txtLuz})
        c->onMouseMove = [this](const MouseArgs&) { iFall(); };
    chkLeft.onMouseDown = [this](const MouseArgs&) { iFall(); };
}

void frmConfig::Form_Load() {
    const SettingsRecord& s = module1().Settings;
    setBackColor(kWindowBack);
    frmeTools.setBackColor(kWindowBack);
    for (int i = 0; i < kShortcuts; ++i) {
        const auto at = static_cast<std::size_t>(i);
        lblFolder[at].setBackColor(kRestColor);
        txtNombre[at].setBackColor(kRestColor);
        txtCarpeta[at].setBackColor(kRestColor);
    }
    for (int j = 1; j < kSwatches; ++j)
        lblColor[static_cast<std::size_t>(j)].setBackColor(kPalette[static_cast<std::size_t>(j)]);

    for (int i = 0; i < kShortcuts; ++i)
        txtNombre[static_cast<std::size_t>(i)].setText(
            s.ShortcutName[static_cast<std::size_t>(i)].text());
    // The light level below gives the names their grey.
    for (TextBox& name : txtNombre)
        name.setForeColor(kBlack);
    for (int i = 0; i < kTiles; ++i)
        loadOne([&] {
            lblFolder[static_cast<std::size_t>(i)].setForeColor(
                settingColor(s.ShortcutColor[static_cast<std::size_t>(i)]));
        });
    for (int i = 0; i < kShortcuts; ++i)
        txtCarpeta[static_cast<std::size_t>(i)].setText(
            s.ShortcutFolder[static_cast<std::size_t>(i)].text());
    txtLuz.setText(s.LightLevel.text());
    for (int i = 0; i < kTiles; ++i)
        lblFolder[static_cast<std::size_t>(i)].setText(
            s.ShortcutGlyph[static_cast<std::size_t>(i)].text());
    loadOne([&] { chkLeft.setValue(s.LeftSide.toInt16()); });
    loadOne([&] { chkTotal.setValue(s.FullHeight.toInt16()); });

    const int level = glassLevelOf(s.GlassAlpha);
    if (level >= 0)
        cboGlass.setListIndex(level);
    else
        cboGlass.setBackColor(kWarningColor);

    // On a low screen the bar is always short, and so is this window.
    if (module1().SmallScreen == 1)
        chkTotal.setEnabled(false);
}

void frmConfig::iFall() {
    for (TextBox& glyph : lblFolder)
        glyph.setBackColor(kRestColor);
    for (TextBox& name : txtNombre)
        name.setBackColor(kRestColor);
}

// --- Bar options ---

void frmConfig::chkTotal_Click() {
    const int value = chkTotal.value();
    if (value != 0 && value != 1)
        return;
    const bool full = value == 1;
    for (int i : {4, 5})
        txtNombre[static_cast<std::size_t>(i)].setVisible(full);
    for (int i : {4, 5})
        lblFolder[static_cast<std::size_t>(i)].setVisible(full);
    lblFolder[kSettingsRow].setToolTipText(full ? " Figura 7. " : " Figura 5. ");
    for (int i : {4, 5})
        txtCarpeta[static_cast<std::size_t>(i)].setVisible(full);
    frmeTools.setTop(full ? kToolsFullTop : kToolsShortTop);
    setHeight(full ? kFullOuterHeight : kShortOuterHeight);
}

// A chosen level ends the warning that an unknown one showed.
void frmConfig::cboGlass_Click() {
    cboGlass.setBackColor(windowSystem().windowColor());
}

// --- Saving ---

SettingsRecord frmConfig::editedSettings() const {
    SettingsRecord s = program_.module1.Settings;
    for (int i = 0; i < kShortcuts; ++i)
        s.ShortcutName[static_cast<std::size_t>(i)] = txtNombre[static_cast<std::size_t>(i)].text();
    for (int i = 0; i < kTiles; ++i)
        s.ShortcutColor[static_cast<std::size_t>(i)] =
            lblFolder[static_cast<std::size_t>(i)].foreColor();
    for (int i = 0; i < kShortcuts; ++i)
        s.ShortcutFolder[static_cast<std::size_t>(i)] =
            txtCarpeta[static_cast<std::size_t>(i)].text();
    // A level out of range is stored as the brightest; one in range exactly
    // as typed.
    if (acceptedLightLevel(txtLuz.text()))
        s.LightLevel = txtLuz.text();
    else
        s.LightLevel = kBrightestLevel;
    for (int i = 0; i < kTiles; ++i)
        s.ShortcutGlyph[static_cast<std::size_t>(i)] =
            lblFolder[static_cast<std::size_t>(i)].text();
    s.LeftSide = chkLeft.value();
    s.FullHeight = chkTotal.value();
    if (cboGlass.listIndex() >= 0)
        s.GlassAlpha = glassAlphaOf(cboGlass.listIndex());
    return s;
}

void frmConfig::cmdSave_Click() {
    module1().Settings = editedSettings();
    module1().eSave();

    // The new bar reads the file back; this window stays as it is.
    Program& program = program_;
    program.unload<frmSide>();
    program.form<frmSide>().show();
}

// --- About ---

void frmConfig::Label_Click(int index) {
    if (index != kAboutHeading)
        return;
    const std::string otherStuff = std::string(kMaker) + "\r\n" + kAppTitle + ": Versión " +
                                   std::to_string(kVersionMajor) + "." +
                                   std::to_string(kVersionMinor);
    windowSystem().shellAbout(hWnd(), kAppTitle, otherStuff);
}

} // namespace tavrin
