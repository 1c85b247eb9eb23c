// Virtual time: timers fall due in order and tick on the one thread.
#include "sim_internal.h"

#include <algorithm>

namespace tavrin::sim {

void SimDesktop::arm(Timer& timer) {
    if (ended_ || !timer.running())
        return;
    armed_.push_back(ArmedTimer{&timer, elapsedMs_ + timer.interval(), nextSequence_++});
}

void SimDesktop::disarm(Timer& timer) {
    std::erase_if(armed_, [&](const ArmedTimer& a) { return a.timer == &timer; });
}

void SimDesktop::advance(int milliseconds) {
    const long long target = elapsedMs_ + std::max(milliseconds, 0);
    for (;;) {
        auto next = armed_.end();
        for (auto it = armed_.begin(); it != armed_.end(); ++it)
            if (it->due <= target && (next == armed_.end() || it->due < next->due ||
                                      (it->due == next->due && it->sequence < next->sequence)))
                next = it;
        if (next == armed_.end())
            break;
        Timer& timer = *next->timer;
        elapsedMs_ = next->due;
        // Re-armed before the handler runs, which may disarm or restart it.
        next->due += timer.interval();
        next->sequence = nextSequence_++;
        Dispatch scope(*this);
        timer.raiseTimer();
    }
    elapsedMs_ = target;
}

int SimDesktop::runningTimers() const {
    return static_cast<int>(armed_.size());
}
} // namespace tavrin::sim
