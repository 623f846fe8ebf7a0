// Cost of one 1/60 s frame of play's logic on the sample game's busiest
// level, nothing drawn: the play flow, the Game's timers, the camera path,
// the per-frame lists, triggers, waves, the guns and shots in their fixed
// steps, the sprite batch, items, the level's effects and the physics
// world. Play runs untimed until the waves are out, then a stretch of play
// is timed frame by frame, the same stretch in every run. Then the same
// frames with both shot pools full: 8000 enemy and 3000 player shots flying
// over the view, the records that ended in a frame launched again between
// frames.
#include "play/BusiestLevelPlay.h"
#include "play/FullShotPools.h"

#include <benchmark/benchmark.h>

#include <optional>

namespace {

// Play before timing: by then all four waves are out and shooting.
constexpr double secondsBeforeTiming = 3.0;
// The timed stretch: three seconds of play while the waves fly and shoot.
constexpr benchmark::IterationCount framesTimed = 180;

// Enters the level and plays it untimed; false, with the reason given, when
// there is no X server or no wave came out (that would time an empty frame).
bool startPlay(benchmark::State& state, std::optional<BusiestLevelPlay>& play)
{
    if (!BusiestLevelPlay::available()) {
        state.SkipWithError("needs an X server (run under xvfb-run)");
        return false;
    }
    play.emplace(secondsBeforeTiming);
    if (play->liveWaves() > 0 && play->liveEnemies() > 0)
        return true;
    state.SkipWithError("no wave is out after the untimed play");
    return false;
}

void countWork(benchmark::State& state, const BusiestLevelPlay& play)
{
    state.counters["waves"] = play.liveWaves();
    state.counters["enemies"] = play.liveEnemies();
    state.counters["items"] = play.liveItems();
    state.counters["shots"] = play.flyingShots();
}

void BM_BusiestLevelFrame(benchmark::State& state)
{
    std::optional<BusiestLevelPlay> play;
    if (!startPlay(state, play))
        return;
    for (auto _ : state) {
        play->frame();
        state.PauseTiming();
        play->updateTransforms();
        state.ResumeTiming();
    }
    countWork(state, *play);
}
BENCHMARK(BM_BusiestLevelFrame)->Iterations(framesTimed)->Unit(benchmark::kMicrosecond);

void BM_BusiestLevelFrameFullShotPools(benchmark::State& state)
{
    std::optional<BusiestLevelPlay> play;
    if (!startPlay(state, play))
        return;
    FullShotPools pools(play->state);
    if (!pools.hasGuns()) {
        state.SkipWithError("the level has no enemy or player gun to lend its shots");
        return;
    }
    pools.fill();
    double relaunched = 0.0;
    for (auto _ : state) {
        play->frame();
        state.PauseTiming();
        play->updateTransforms();
        relaunched += pools.fill();
        state.ResumeTiming();
    }
    countWork(state, *play);
    state.counters["relaunched"] = benchmark::Counter(relaunched, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BusiestLevelFrameFullShotPools)->Iterations(framesTimed)->Unit(benchmark::kMicrosecond);

} // namespace
