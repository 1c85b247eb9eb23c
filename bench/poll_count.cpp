// Runs the bar's cursor poll a given number of times and nothing else, for
// counting instructions under callgrind: two runs with different counts
// differ by exactly that many polls, so the set-up cancels out.
//
//   tavrin_poll_count POLLS
#include "collapsed_bar.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s POLLS\n", argv[0]);
        return 2;
    }
    const long polls = std::strtol(argv[1], nullptr, 10);
    tavrin::bench::CollapsedBar scene;
    if (!scene.collapsed()) {
        std::fprintf(stderr, "the bar did not collapse\n");
        return 1;
    }
    for (long i = 0; i < polls; ++i)
        scene.bar->tmrMouse_Timer();
    if (!scene.collapsed()) {
        std::fprintf(stderr, "the poll changed the collapsed bar\n");
        return 1;
    }
    return 0;
}
