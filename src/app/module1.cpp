#include "module1.h"

#include "settings_location.h"

#include "platform/window_system.h"

namespace tavrin {
namespace {

constexpr const char* kSaveFailed =
    "No se puede guardar la configuración, revice que en 'C:\\File Programs' no esté protegido "
    "contra escritura.";

} // namespace

void Module1::eSave() {
    std::string bytes = ws_.ansiFromUtf8(settingsFileText(Settings));
    if (!writeSettingsFile(ws_, bytes))
        ws_.messageBox(kSaveFailed, kAppTitle, MessageIcon::Critical);
}

} // namespace tavrin
