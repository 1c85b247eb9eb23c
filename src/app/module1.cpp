#include "module1.h"

#include "settings_location.h"

#include "platform/window_system.h"

#include <optional>

namespace tavrin {
namespace {

constexpr const char* kSaveFailed =
    "No se puede guardar la configuración, revice que en 'C:\\File Programs' no esté protegido "
    "contra escritura.";

} // namespace

std::string settingsFileBytes(WindowSystem& ws, SettingsRecord settings) {
    for (Loose& folder : settings.ShortcutFolder) {
        const std::string path = folder.text();
        if (ws.fitsAnsi(path))
            continue;
        const std::optional<std::string> shortPath = ws.shortPath(path);
        if (shortPath && ws.fitsAnsi(*shortPath))
            folder = *shortPath;
    }
    return ws.ansiFromUtf8(settingsFileText(settings));
}

std::int32_t Module1::SetGlass(WindowHandle window, std::int16_t level) {
    constexpr std::int16_t kClear = 0, kOpaque = 255;
    if (level < kClear || level > kOpaque)
        return kGlassOutOfRange;
    bool failed = false;
    auto step = [&failed](auto&& call) {
        try {
            call();
        } catch (...) {
            failed = true;
        }
    };
    long style = 0;
    step([&] { style = ws_.getWindowLong(window, kGwlExStyle); });
    step([&] { ws_.setWindowLong(window, kGwlExStyle, style | kWsExLayered); });
    step([&] {
        ws_.setLayeredWindowAttributes(window, 0, static_cast<std::uint8_t>(level), kLwaAlpha);
    });
    return failed ? kGlassFailed : kGlassApplied;
}

void Module1::eSave() {
    const std::string bytes = settingsFileBytes(ws_, Settings);
    if (!writeSettingsFile(ws_, bytes))
        ws_.messageBox(kSaveFailed, kAppTitle, MessageIcon::Critical);
}

} // namespace tavrin
