// The bar as it stands for most of its life: loaded with its defaults on
// the simulated desktop, collapsed, the cursor resting in the middle of the
// screen. Shared by the poll benchmark and the poll counter.
#pragma once

#include "app/program.h"
#include "bar/frm_side.h"
#include "platform/sim/sim_desktop.h"

namespace tavrin::bench {

// The middle of the simulated desktop's 1366 x 768 screen: away from the
// bar's edge, so every poll takes the "away" path a resting cursor takes.
constexpr long kMiddleX = 683, kMiddleY = 384;
// Long enough after the load for the first poll to collapse the bar.
constexpr int kSettleMs = 200;
// What the simulated desktop makes of the bar's 1 ms interval, as Windows
// does: no timer ticks more often.
constexpr int kPollMs = 10;

// Polling leaves the scene as it is, since a resting cursor changes nothing.
struct CollapsedBar {
    sim::SimDesktop desk;
    Program program{desk};
    frmSide* bar = nullptr;

    CollapsedBar() {
        desk.setCursor(kMiddleX, kMiddleY);
        bar = &program.form<frmSide>();
        bar->show();
        desk.advance(kSettleMs);
    }
    bool collapsed() const { return bar->width() == 1 && bar->HScroll1.value() == 1; }
};

} // namespace tavrin::bench
