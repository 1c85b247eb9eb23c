// Feeds arbitrary bytes to the bar as its settings file. Loading must never
// crash, and once the bar has saved what it read, saving and loading again
// must change nothing more.
#include "app/program.h"
#include "bar/frm_side.h"
#include "platform/sim/sim_desktop.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string saveAndReload(tavrin::Program& program) {
    program.module1.eSave();
    program.unload<tavrin::frmSide>();
    program.form<tavrin::frmSide>().show();
    return tavrin::settingsFileText(program.module1.Settings);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tavrin::sim::SimDesktop desk;
    desk.files().put(desk.settingsFilePath(),
                     std::string(reinterpret_cast<const char*>(data), size));
    // Both sides of the small-screen limits.
    desk.setScreenTwips(20490, size % 2 ? 9000 : 11520);
    tavrin::Program program(desk);
    program.form<tavrin::frmSide>().show();

    // Once the bar has saved what it read, a save and load must give back
    // the same text. The load depends on the file alone, so a round that
    // gives back the text it saved is a fixed point; only a first load that
    // changed what it read (a lone "&" glyph made "&&" once the file reads
    // through) needs a second round.
    const std::string loaded = tavrin::settingsFileText(program.module1.Settings);
    const std::string settled = saveAndReload(program);
    if (settled != loaded && saveAndReload(program) != settled)
        std::abort();
    return 0;
}
