// State shared by every window: the settings record, the small-screen mark
// and the bar's background colour; and writing the settings file.
#pragma once

#include "settings.h"

#include <string>

namespace tavrin {

class WindowSystem;

inline constexpr const char* kAppTitle = "Tavrin";

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

  private:
    WindowSystem& ws_;
};

} // namespace tavrin
