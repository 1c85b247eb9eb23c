// State shared by every window: the settings record, the small-screen mark
// and the bar's background colour; and writing the settings file.
#pragma once

#include "settings.h"

#include "platform/types.h"

#include <cstdint>
#include <string>

namespace tavrin {

class WindowSystem;

inline constexpr const char* kAppTitle = "Tavrin";

// What SetGlass answers; its callers take no notice.
inline constexpr std::int32_t kGlassApplied = 0;
inline constexpr std::int32_t kGlassOutOfRange = 1;
inline constexpr std::int32_t kGlassFailed = 2;

// The settings file's bytes for the record, in the ANSI code page. A
// folder the code page cannot write goes in by its short (8.3) path where it
// has one that the code page can write, so that its tile still opens it;
// any other character the code page lacks becomes '?'.
std::string settingsFileBytes(WindowSystem& ws, SettingsRecord settings);

class Module1 {
  public:
    explicit Module1(WindowSystem& ws) : ws_(ws) {}

    SettingsRecord Settings;
    // 1 once the bar found the screen lower than 10500 twips; never reset.
    int SmallScreen = 0;
    // The bar's normal background, as decimal text.
    std::string BarBackColor;

    // Writes Settings to the settings file, or to its per-user copy where
    // the file itself may not be written (settings_location.h). The new
    // content goes beside the file and replaces it in one step, so a failed
    // write leaves the old file as it was; the failure is reported in a
    // message box.
    void eSave();

    // Makes the window layered and gives it the level as its opacity, from
    // 0 (clear) to 255 (opaque). A level outside that changes nothing. The
    // window stays layered for good. A failing step does not stop the
    // following ones; it is remembered in the answer.
    std::int32_t SetGlass(WindowHandle window, std::int16_t level);

  private:
    WindowSystem& ws_;
};

} // namespace tavrin
