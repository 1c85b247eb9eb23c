// The peer of a tripwire: a one-pixel, topmost, never-activated popup of
// its own, layered at alpha 1 so that it is all but invisible yet still
// hit by the cursor. Windows (and Wine) tell a window at once when the
// cursor comes onto it, also when it appears under a cursor already there.
#pragma once

#include "platform/win32/form_context.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_class.h"

#include "platform/tripwire.h"

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
    void touched();

    FormContext& ctx_;
    Tripwire& wire_;
    UniqueWindow window_;
};

} // namespace tavrin::win32
