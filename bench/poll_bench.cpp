// The cost of the bar's cursor poll, which runs every 10 ms while the bar
// is armed, opening, open or collapsing: the bar loaded with its defaults
// on the simulated desktop, collapsed, the cursor in the middle of the
// screen. Each poll there ends by putting the bar to rest again.
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

// A poll's worth of virtual time once the bar rests: no timer falls due.
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
