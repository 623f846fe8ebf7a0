// Cost of entering the sample game's busiest level, as pressing Start does:
// the play state builds the level (its shot pools of 8000 enemy and 3000
// player records among it), starts play and draws its first frames. Leaving
// the level again is not timed.
#include "play/BusiestLevelPlay.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

// Entering a level takes a good part of a second: a few entries suffice.
constexpr benchmark::IterationCount entriesTimed = 5;
// No play after entering: the first frame of play is what is waited for.
constexpr double secondsPlayed = 0.0;

void BM_BusiestLevelEntry(benchmark::State& state)
{
    if (!BusiestLevelPlay::available()) {
        state.SkipWithError("needs an X server (run under xvfb-run)");
        return;
    }
    std::optional<BusiestLevelPlay> play;
    for (auto _ : state) {
        play.emplace(secondsPlayed);
        state.PauseTiming();
        play.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BusiestLevelEntry)->Iterations(entriesTimed)->Unit(benchmark::kMillisecond);

} // namespace
