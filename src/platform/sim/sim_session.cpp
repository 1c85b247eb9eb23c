// The session's one running program: the first to claim the desktop hears
// the requests of every later one.
#include "sim_internal.h"

namespace tavrin::sim {

bool SimDesktop::claimOnlyInstance(std::function<void(InstanceRequest)> onRequest) {
    if (runningInstance_)
        return false;
    runningInstance_ = std::move(onRequest);
    return true;
}

InstanceAnswer SimDesktop::askRunningInstance(InstanceRequest request) {
    if (!runningInstance_ || ended_)
        return InstanceAnswer::NoneRunning;
    deliver([&] { runningInstance_(request); });
    return request == InstanceRequest::Quit && !ended_ ? InstanceAnswer::Refused
                                                       : InstanceAnswer::Done;
}

} // namespace tavrin::sim
