// The peer of a Timer control: a window timer on its form's window,
// running while the control is enabled with a non-zero interval.
#pragma once

#include "platform/win32/form_context.h"

#include "platform/timer.h"

namespace tavrin::win32 {

class TimerPeer : public Peer {
  public:
    TimerPeer(FormContext& ctx, Timer& timer);
    ~TimerPeer() override;
    TimerPeer(const TimerPeer&) = delete;
    TimerPeer& operator=(const TimerPeer&) = delete;

    // Enabling an enabled timer never reaches here (nothing changed), so
    // its countdown goes on; any change that does restarts or stops it.
    void changed(Prop what) override;

    // The form window got WM_TIMER for this timer.
    void tick();

  private:
    void apply();

    FormContext& ctx_;
    Timer& timer_;
    UINT_PTR id_;
    bool running_ = false;
};

// The timer of the form's WM_TIMER, if it is still there.
TimerPeer* timerFor(const FormContext& ctx, WPARAM id);

} // namespace tavrin::win32
