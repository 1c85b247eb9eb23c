// The settings window: a dark window with one row per tile (name, glyph,
// folder), a palette for the glyphs' colours and a tools strip with the
// light level, the settings tile's glyph, the bar's translucency, size and
// side, and "GUARDAR". Edits stay in the editors until they are saved.
#pragma once

#include "app/settings.h"
#include "platform/check_box.h"
#include "platform/combo_box.h"
#include "platform/command_button.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/text_box.h"

#include <array>
#include <cstdint>

namespace tavrin {

class Module1;
class Program;

inline constexpr int kSwatches = 20;

class frmConfig : public Form {
  public:
    explicit frmConfig(Program& program);

    // Headings: "Nombre:", "Dirección:" (or "Colores:"), "TEMA:", "Acerca".
    std::array<Label, 4> Label;
    std::array<TextBox, kShortcuts> txtNombre;  // tile captions
    std::array<TextBox, kTiles> lblFolder;      // glyph boxes; 6 is the settings tile's
    std::array<TextBox, kShortcuts> txtCarpeta; // folders
    Frame frmeTools;
    TextBox txtLuz; // the light level
    ComboBox cboGlass;
    CheckBox chkTotal, chkLeft;
    CommandButton cmdSave;
    Frame Frame1; // the palette
    std::array<tavrin::Label, kSwatches> lblColor;

    // The row the palette colours.
    std::int16_t SelectedButton = 0;

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs&) override { iFall(); }

    // Returns every row's glyph and name box to its resting colour.
    void iFall();

    // Bar options.
    void chkTotal_Click();
    void cboGlass_Click();
    // The settings as the editors hold them: what saving stores.
    SettingsRecord editedSettings() const;
    // Saving: the editors into the settings, the file, and a new bar.
    void cmdSave_Click();

    // The button editor.
    void lblFolder_Click(int index);
    void lblColor_Click(int index);
    void lblFolder_KeyPress(int index, int& keyAscii);
    void lblFolder_Change(int index);
    void lblFolder_MouseDown(int index);
    void lblFolder_MouseMove(int index);
    void lblFolder_MouseUp(int index);
    void txtNombre_MouseMove(int index);

    // The light level, checked and previewed as it is typed.
    void txtLuz_Change();
    // "Acerca" opens the About box; the other headings nothing.
    void Label_Click(int index);

  private:
    void design();
    void designRows();
    void designTools();
    void designPalette();
    void wireHandlers();
    // Lights a row's glyph box and, for rows 0 to 5, its name box.
    void lightRow(int index, Color color);
    Module1& module1();

    Program& program_;
};

} // namespace tavrin
