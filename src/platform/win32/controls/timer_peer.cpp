#include "platform/win32/controls/timer_peer.h"

#include "platform/handler_guard.h"
#include "platform/win32/win32_desktop.h"

namespace tavrin::win32 {

TimerPeer::TimerPeer(FormContext& ctx, Timer& timer) : ctx_(ctx), timer_(timer) {
    ctx_.timers.push_back(this);
    id_ = ctx_.timers.size(); // ids start at 1
    apply();
}

TimerPeer::~TimerPeer() {
    if (running_)
        KillTimer(ctx_.formWindow, id_);
    ctx_.timers[id_ - 1] = nullptr;
}

void TimerPeer::changed(Prop what) {
    if (what == Prop::Timer || what == Prop::Enabled)
        apply();
}

void TimerPeer::apply() {
    if (running_)
        KillTimer(ctx_.formWindow, id_);
    running_ = timer_.running() &&
               SetTimer(ctx_.formWindow, id_, static_cast<UINT>(timer_.interval()), nullptr) != 0;
}

void TimerPeer::tick() {
    if (running_ && ctx_.live())
        runHandler(ctx_.desktop, [this] { timer_.raiseTimer(); });
}

TimerPeer* timerFor(const FormContext& ctx, WPARAM id) {
    if (id == 0 || id > ctx.timers.size())
        return nullptr;
    return ctx.timers[id - 1];
}

} // namespace tavrin::win32
