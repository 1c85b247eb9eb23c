// What the parts of the simulated desktop share and the tests never see:
// the event scope, the timer peer and the calendar arithmetic.
#pragma once

#include "sim_desktop.h"

#include "../handler_guard.h"
#include "../timer.h"
#include "../tripwire.h"

#include <algorithm>

namespace tavrin::sim {

// Counts nested event handling; when the outermost handler returns, the
// forms unloaded meanwhile are freed.
class SimDesktop::Dispatch {
  public:
    explicit Dispatch(SimDesktop& desk) : desk_(desk) { ++desk_.dispatchDepth_; }
    ~Dispatch() {
        if (--desk_.dispatchDepth_ == 0) {
            std::vector<std::unique_ptr<Form>> done = std::move(desk_.retired_);
            desk_.retired_.clear();
            desk_.checkTripwires();
        }
    }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

  private:
    SimDesktop& desk_;
};

// One event of the window system's: a handler of the program runs inside
// it, and what escapes the handler stops here.
template <class Handler> void SimDesktop::deliver(Handler&& handler) {
    Dispatch scope(*this);
    runHandler(*this, handler);
}

class SimDesktop::TimerPeer : public Peer {
  public:
    TimerPeer(SimDesktop& desk, Timer& timer) : desk_(desk), timer_(timer) {}
    Timer& timer() const { return timer_; }

    // Enabling starts a full interval, disabling discards the countdown and
    // a new interval starts over.
    void changed(Prop what) override {
        if (what != Prop::Enabled && what != Prop::Timer)
            return;
        desk_.disarm(timer_);
        if (timer_.running())
            desk_.arm(timer_);
    }

  private:
    SimDesktop& desk_;
    Timer& timer_;
};

class SimDesktop::TripwirePeer : public Peer {
  public:
    TripwirePeer(SimDesktop& desk, Tripwire& wire) : desk_(desk), wire_(wire) {
        desk_.tripwires_.push_back(&wire_);
    }
    ~TripwirePeer() override { std::erase(desk_.tripwires_, &wire_); }
    TripwirePeer(const TripwirePeer&) = delete;
    TripwirePeer& operator=(const TripwirePeer&) = delete;
    Tripwire& wire() const { return wire_; }
    void changed(Prop) override {}

  private:
    SimDesktop& desk_;
    Tripwire& wire_;
};

// Local time from seconds since 1970, and back.
LocalTime civilFromSeconds(long long seconds);
long long secondsFromCivil(const LocalTime& t);

} // namespace tavrin::sim
