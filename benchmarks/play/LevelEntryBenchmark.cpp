// Cost of entering the busiest level, from the play state's start to the
// end of its first frame of play: the level's scene built as the program
// builds it once start is pressed (the camera, viewports, physics world,
// the level file read, the player, waves, items, effects and shot pools,
// menus and materials), then one 1/60 s frame of play. The start menu's
// sound and fade before it and the drawing of the frame are not counted.
// Wall-clock time: entering reads files.
#include "play/BusiestLevelPlay.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

// Entries per repetition: each takes a good part of a second.
constexpr benchmark::IterationCount entries = 3;

void BM_BusiestLevelEntry(benchmark::State& state)
{
    if (!BusiestLevelPlay::available()) {
        state.SkipWithError("needs an X server (run under xvfb-run)");
        return;
    }
    std::optional<BusiestLevelPlay> play;
    for (auto _ : state) {
        play.emplace(0.0);
        play->frame();
        state.PauseTiming();
        play.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BusiestLevelEntry)->Iterations(entries)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
