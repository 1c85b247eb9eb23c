// The cost of the bar's cursor poll, which runs every 10 ms for as long as
// the program lives: the bar loaded with its defaults on the simulated
// desktop, collapsed, the cursor resting in the middle of the screen.
#include "collapsed_bar.h"

#include <benchmark/benchmark.h>

namespace tavrin::bench {
namespace {

// The handler alone, called as the timer would call it.
void BM_MousePoll(benchmark::State& state) {
    CollapsedBar scene;
    if (!scene.collapsed()) {
        state.SkipWithError("the bar did not collapse");
        return;
    }
    for (auto _ : state)
        scene.bar->tmrMouse_Timer();
    if (!scene.collapsed())
        state.SkipWithError("the poll changed the collapsed bar");
}
BENCHMARK(BM_MousePoll);

// One poll's worth of virtual time: the handler and the simulated timer
// queue around it (and any other timer that falls due in it).
void BM_MousePollTick(benchmark::State& state) {
    CollapsedBar scene;
    for (auto _ : state)
        scene.desk.advance(kPollMs);
    if (!scene.collapsed())
        state.SkipWithError("the poll changed the collapsed bar");
}
BENCHMARK(BM_MousePollTick);

} // namespace
} // namespace tavrin::bench

BENCHMARK_MAIN();
