// A timer. Enabling an enabled timer keeps its countdown; disabling
// discards it; enabling starts a full interval. It ticks on the one
// user-interface thread.
#pragma once

#include "control.h"

namespace tavrin {

class Timer : public Control {
  public:
    Timer() : Control(ControlKind::Timer) {}

    int interval() const { return interval_; }
    void setInterval(int ms) {
        if (ms < 0)
            throw PropertyError("negative timer interval");
        setAndNotify(interval_, ms, Prop::Timer);
    }
    // Counts down only while enabled with a non-zero interval.
    bool running() const { return enabled() && interval_ > 0; }

    std::function<void()> onTimer;
    void raiseTimer() { fire(onTimer); }

  private:
    int interval_ = 0;
};

} // namespace tavrin
