// Tells when the screen's size or mode changed. Windows sends top-level
// windows WM_DISPLAYCHANGE; Wine 8 does not when the X screen changes, but
// it rewrites the video device map in the registry, whose change
// notification signals an event. Waiting on it costs nothing.
#pragma once

#include "platform/win32/handles.h"

#include <windows.h>

namespace tavrin::win32 {

class DisplayWatch {
  public:
    DisplayWatch();
    ~DisplayWatch();
    DisplayWatch(const DisplayWatch&) = delete;
    DisplayWatch& operator=(const DisplayWatch&) = delete;

    // Signalled when the device map changed; null when it cannot be watched.
    HANDLE event() const { return event_; }
    // After the event fired: watch for the next change.
    void rearm();

  private:
    HKEY key_ = nullptr;
    HANDLE event_ = nullptr;
};

} // namespace tavrin::win32
