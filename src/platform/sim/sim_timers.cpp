// Virtual time: timers fall due in order and tick on the one thread.
#include "sim_internal.h"

#include <algorithm>
#include <cmath>

namespace tavrin::sim {
namespace {

// No window timer ticks more often than this, whatever its interval says.
constexpr int kShortestTimerMs = 10;

long long periodOf(const Timer& timer) {
    return std::max(timer.interval(), kShortestTimerMs);
}

} // namespace

void SimDesktop::setTimerGranularity(double milliseconds) {
    timerGranularityMs_ = std::max(milliseconds, 0.0);
}

long long SimDesktop::tickTime(long long due) const {
    if (timerGranularityMs_ <= 0)
        return due;
    const double ticks = std::ceil(static_cast<double>(due) / timerGranularityMs_);
    return static_cast<long long>(std::ceil(ticks * timerGranularityMs_));
}

void SimDesktop::arm(Timer& timer) {
    if (ended_ || !timer.running())
        return;
    armed_.push_back(ArmedTimer{&timer, tickTime(elapsedMs_ + periodOf(timer)), nextSequence_++});
}

void SimDesktop::disarm(Timer& timer) {
    std::erase_if(armed_, [&](const ArmedTimer& a) { return a.timer == &timer; });
}

void SimDesktop::advance(int milliseconds) {
    // A wire armed outside any handler, under the cursor: the window system
    // tells as soon as the program handles events again.
    checkTripwires();
    deliverShellAnswers();
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
        // A modal box inside a handler may have let time run on meanwhile.
        elapsedMs_ = std::max(elapsedMs_, next->due);
        // Re-armed before the handler runs, which may disarm or restart it.
        next->due = tickTime(elapsedMs_ + periodOf(timer));
        next->sequence = nextSequence_++;
        deliver([&timer] { timer.raiseTimer(); });
    }
    elapsedMs_ = std::max(elapsedMs_, target);
}

int SimDesktop::runningTimers() const {
    return static_cast<int>(armed_.size());
}
} // namespace tavrin::sim
