// The peer of a tripwire: a one-pixel, topmost, never-activated popup of
// its own, layered at alpha 1 so that it is all but invisible yet still
// hit by the cursor. Windows (and Wine) tell a window at once when the
// cursor comes onto it, also when it appears under a cursor already there.
// While armed it also watches its pixel through the low-level mouse hook,
// which sees the cursor where another topmost window covers the pixel or
// another program holds the mouse.
#pragma once

#include "platform/win32/controls/pixel_watch.h"

#include "platform/win32/form_context.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_class.h"

#include "platform/tripwire.h"

#include <optional>

namespace tavrin::win32 {

class TripwirePeer : public Peer, private MessageTarget {
  public:
    TripwirePeer(FormContext& ctx, Tripwire& wire);
    ~TripwirePeer() override;
    TripwirePeer(const TripwirePeer&) = delete;
    TripwirePeer& operator=(const TripwirePeer&) = delete;

    HWND window() const { return window_.get(); }
    void changed(Prop what) override;

  private:
    LRESULT handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    WindowSystem& windowSystem() const override;
    UniqueWindow newWindow();
    void apply();
    void stepAside();
    void touched();

    FormContext& ctx_;
    Tripwire& wire_;
    UniqueWindow window_;
    std::optional<PixelWatch> watch_;
    // Out of the way, the touch on its way to the program.
    bool touchPosted_ = false;
};

} // namespace tavrin::win32
