// The button editor of the settings window: the palette, typed glyphs, the
// rows lighting up under the mouse, and the light level's preview.
#include "app/tiles.h"
#include "config/config_values.h"
#include "config/frm_config.h"

#include "platform/codepage.h"
#include "platform/loose.h"

namespace tavrin {
namespace {

constexpr int kBackspace = 8;
constexpr int kLastCodePoint = 0x10FFFF;
constexpr int kFirstSurrogate = 0xD800, kLastSurrogate = 0xDFFF;

// A code a key can stand for as a glyph: a Unicode character, control codes
// included.
bool isCharacterCode(int code) {
    return code > 0 && code <= kLastCodePoint && (code < kFirstSurrogate || code > kLastSurrogate);
}

} // namespace

bool acceptedLightLevel(const std::string& text) {
    const double level = leadingNumber(text);
    return level >= kDarkestLevel && level <= kBrightestLevel;
}

// Opens the palette over the row, moves it to another row, or closes it
// when its own row's glyph is clicked again.
void frmConfig::lblFolder_Click(int index) {
    if (index != SelectedButton || !Frame1.visible()) {
        Frame1.setTop(index == kSettingsRow ? frmeTools.top() : rowTop(index));
        SelectedButton = static_cast<std::int16_t>(index);
        Frame1.setVisible(true);
        Label[1].setCaption(kColorsHeading);
    } else {
        Frame1.setVisible(false);
        Label[1].setCaption(kFolderHeading);
    }
}

void frmConfig::lblColor_Click(int index) {
    lblFolder[static_cast<std::size_t>(SelectedButton)].setForeColor(
        lblColor[static_cast<std::size_t>(index)].backColor());
}

// A key replaces the glyph; Backspace is left to the box.
void frmConfig::lblFolder_KeyPress(int index, int& keyAscii) {
    if (keyAscii == kBackspace || !isCharacterCode(keyAscii))
        return;
    TextBox& glyph = lblFolder[static_cast<std::size_t>(index)];
    std::string text;
    appendUtf8(text, static_cast<char32_t>(keyAscii));
    glyph.setText(text);
    glyph.setSelStart(glyph.length());
    keyAscii = 0;
}

// The bar draws a glyph as a caption, where "&&" stands for one "&".
void frmConfig::lblFolder_Change(int index) {
    TextBox& glyph = lblFolder[static_cast<std::size_t>(index)];
    if (glyph.text() == "&")
        glyph.setText("&&");
}

void frmConfig::lightRow(int index, Color color) {
    lblFolder[static_cast<std::size_t>(index)].setBackColor(color);
    if (index < kShortcuts)
        txtNombre[static_cast<std::size_t>(index)].setBackColor(color);
}

void frmConfig::lblFolder_MouseDown(int index) {
    lightRow(index, kPressColor);
}

// While a button is held on the glyph the row stays pressed.
void frmConfig::lblFolder_MouseMove(int index) {
    if (lblFolder[static_cast<std::size_t>(index)].backColor() == kPressColor)
        return;
    iFall();
    lightRow(index, kHoverColor);
}

void frmConfig::lblFolder_MouseUp(int index) {
    iFall();
    lightRow(index, kHoverColor);
}

void frmConfig::txtNombre_MouseMove(int index) {
    iFall();
    lightRow(index, kHoverColor);
}

// A level in range shows at once in the palette's first swatch, the names
// and the box itself; any other text turns the box light red.
void frmConfig::txtLuz_Change() {
    if (!acceptedLightLevel(txtLuz.text())) {
        txtLuz.setBackColor(kWarningColor);
        return;
    }
    const int v = roundToInt16(leadingNumber(txtLuz.text()));
    lblColor[0].setBackColor(rgb(v, v, v));
    const int w = v - kCaptionDimming;
    for (TextBox& name : txtNombre)
        name.setForeColor(rgb(w, w, w));
    txtLuz.setBackColor(rgb(v, v, v));
}

} // namespace tavrin
