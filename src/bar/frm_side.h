// The bar: a slim borderless window at the left or right screen edge with
// seven tiles, each a large glyph with a caption under it.
#pragma once

#include "app/settings.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/list_box.h"
#include "platform/scroll_bar.h"
#include "platform/timer.h"
#include "platform/tripwire.h"

#include <array>

namespace tavrin {

class Module1;
class Program;

inline constexpr int kSettingsTile = 6;
inline constexpr int kShortSettingsPlace = 4; // the settings tile's place on the short bar

class frmSide : public Form {
  public:
    explicit frmSide(Program& program);

    // Hidden holder: it lies beyond the bar's width and is never seen.
    Frame Frame1;
    ListBox List1; // eLoad's line buffer
    HScrollBar HScroll1;
    Timer tmrWait, tmrMouse, tmrQuit, tmrOpen;
    // While the bar rests, these lie on its edge's hot corners in place of
    // the cursor poll.
    Tripwire wireTop, wireBottom;
    Label Label2, Label1, Usuario;

    // The panel of tiles.
    Frame frmeBar;
    std::array<Label, kTiles> lblButton; // glyph faces
    std::array<Label, kTiles> Labels;    // captions, over the lower part of each face

    Twips LoadedScreenWidth = 0;
    std::int32_t LoadedScreenHeight = 0;
    // The screen's width and height in pixels at load, where the
    // tripwires go.
    Point LoadedScreenPixels;
    // Where the cursor poll last saw the cursor, in screen pixels.
    long CursorX = 0, CursorY = 0;
    // The tile that keeps its look when the others are reset; 7 is none.
    int HoverIndex = kTiles;

    void Form_Load() override;
    void Form_Resize() override;
    void Form_DblClick() override;
    // The cursor over the bar's own surface, above or below the tiles.
    void Form_MouseMove(const MouseArgs&) override;
    // The bar's opacity, carried by HScroll1, goes to the bar and the panel.
    void HScroll1_Change();

    // The edge trigger: the cursor poll, the dwell on a hot corner, the
    // fade-in and the collapse.
    void tmrMouse_Timer();
    void tmrWait_Timer();
    void tmrOpen_Timer();
    void tmrQuit_Timer();
    // The cursor came onto a hot corner while the bar rested.
    void wire_Touched();
    void Form_DisplayChange() override;

    // The tiles as buttons: lit under the cursor, dark while pressed; a
    // click on a glyph face opens its folder or the settings window. A
    // caption shares its tile's look and opens nothing.
    void NButton();
    void lblButton_MouseDown(int index);
    void lblButton_MouseMove(int index);
    void lblButton_MouseUp(int index);
    void lblButton_Click(int index);

    // Collapsed, the cursor off the hot corners, no countdown that could
    // change what is seen: nothing can happen until the cursor reaches a
    // hot corner or the screen changes.
    bool canRest() const;
    // The poll stopped, the tripwires laid on the hot corners.
    bool resting() const { return wireTop.armed() || wireBottom.armed(); }

    // Reads the settings file into the settings record, then applies it.
    void eLoad();
    // Carries the settings record onto the tiles.
    void eConfig();

  private:
    void design();
    // eConfig's steps, up to the first value that cannot be used.
    void configTiles();
    // Stops every timer and lays the tripwires on the hot corners.
    void rest();
    // The clock panel's opacity, which follows the bar's.
    void panelGlass(std::int16_t level);
    Module1& module1();

    Program& program_;
    // When the fade began, on the window system's steady clock, and the
    // steps it has taken since.
    long long fadeStartedMs_ = 0;
    long long fadeSteps_ = 0;
};

} // namespace tavrin
