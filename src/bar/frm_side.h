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

#include <array>

namespace tavrin {

class Module1;
class Program;

class frmSide : public Form {
  public:
    explicit frmSide(Program& program);

    // Hidden holder: it lies beyond the bar's width and is never seen.
    Frame Frame1;
    ListBox List1; // eLoad's line buffer
    HScrollBar HScroll1;
    Timer tmrWait, tmrMouse, tmrQuit, tmrOpen;
    Label Label2, Label1, Usuario;

    // The panel of tiles.
    Frame frmeBar;
    std::array<Label, kTiles> lblButton; // glyph faces
    std::array<Label, kTiles> Labels;    // captions, over the lower part of each face

    Twips LoadedScreenWidth = 0;
    std::int32_t LoadedScreenHeight = 0;
    // Where the cursor poll last saw the cursor, in screen pixels.
    long CursorX = 0, CursorY = 0;

    void Form_Load() override;
    void Form_Resize() override;
    void Form_DblClick() override;
    // The bar's opacity, carried by HScroll1, goes to the bar and the panel.
    void HScroll1_Change();

    // The edge trigger: the cursor poll, the dwell on a hot corner, the
    // fade-in and the collapse.
    void tmrMouse_Timer();
    void tmrWait_Timer();
    void tmrOpen_Timer();
    void tmrQuit_Timer();

    // Reads the settings file into the settings record, then applies it.
    void eLoad();
    // Carries the settings record onto the tiles.
    void eConfig();

  private:
    void design();
    Module1& module1();

    Program& program_;
};

} // namespace tavrin
