// The bar's tiles as buttons.
#include "bar/frm_side.h"

#include "app/program.h"
#include "config/frm_config.h"
#include "platform/window_system.h"

#include <exception>
#include <optional>

namespace tavrin {
namespace {

constexpr Color kHovered = rgb(50, 50, 50);
constexpr Color kPressed = rgb(60, 60, 60);
constexpr int kNoTile = kTiles;
// Over the bare surface every tile goes back to normal except this one,
// which keeps a highlight it has.
constexpr int kBareSurfaceKeeps = 5;
constexpr const char* kBrokenLink = "Enlace roto.";

} // namespace

void frmSide::NButton() {
    const Color normal = static_cast<Color>(leadingNumber(module1().BarBackColor));
    for (int i = 0; i < kTiles; ++i)
        if (i != HoverIndex)
            lblButton[static_cast<std::size_t>(i)].setBackColor(normal);
}

void frmSide::lblButton_MouseDown(int index) {
    lblButton[static_cast<std::size_t>(index)].setBackColor(kPressed);
}

void frmSide::lblButton_MouseMove(int index) {
    Label& face = lblButton[static_cast<std::size_t>(index)];
    if (face.backColor() == kPressed)
        return;
    HoverIndex = index;
    NButton();
    face.setBackColor(kHovered);
}

void frmSide::lblButton_MouseUp(int /*index*/) {
    HoverIndex = kNoTile;
    NButton();
}

void frmSide::Form_MouseMove(const MouseArgs&) {
    HoverIndex = kBareSurfaceKeeps;
    NButton();
}

void frmSide::lblButton_Click(int index) {
    WindowSystem& ws = windowSystem();
    bool carriedOut = false;
    try {
        const SettingsRecord& s = module1().Settings;
        // The tile's role on the bar as it is drawn: the short bar has the
        // settings tile in fifth place.
        const bool shortBar = s.fullHeight() == 0;
        if (index == kSettingsTile || (index == kShortSettingsPlace && shortBar)) {
            program_.form<frmConfig>().show();
            carriedOut = true;
        } else if (index >= 0 && index < kShortcuts) {
            // The shell opens it on a thread of its own; what it answers is
            // its own business (a folder that is not there, say).
            const std::string folder = s.ShortcutFolder[static_cast<std::size_t>(index)].text();
            carriedOut = ws.shellExecute(hWnd(), std::nullopt, folder, std::nullopt, std::nullopt,
                                         kSwShowNormal);
        } else {
            carriedOut = true;
        }
    } catch (const std::exception&) {
        // Not carried out: said below.
    }
    if (!carriedOut)
        ws.messageBox(kBrokenLink, kAppTitle, MessageIcon::Critical);
}

} // namespace tavrin
