// Cost of one 1/60 s frame of play's logic on the sample game's busiest
// level, nothing drawn: the play flow, the Game's timers, the camera path,
// the per-frame lists, triggers, waves, the guns and shots in their fixed
// steps, the sprite batch, items, the level's effects and the physics
// world. Play runs untimed until the waves are out, then a stretch of play
// is timed frame by frame, the same stretch in every run. Then the same
// frames with both shot pools full: 8000 enemy and 3000 player shots flying
// over the view, the records that ended in a frame launched again between
// frames; once with the scene's transforms brought up to date between
// frames untimed, once with that update timed after each frame, since the
// rendered frame cannot do without it. Each reports its ratio to the
// structure-of-arrays shot baseline of the same process (x_baseline).
#include "play/PlayStart.h"

#include "support/ReferenceTime.h"
#include "support/ShotBaseline.h"

namespace {

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
    referenceTime::reportRatio(state, "baseline", shotBaseline::stepSeconds());
}
BENCHMARK(BM_BusiestLevelFrame)->Iterations(framesTimed)->Unit(benchmark::kMicrosecond);

// Full pools, the frame timed with or without the scene update after it.
void timeFullPoolFrames(benchmark::State& state, bool isSceneUpdateTimed)
{
    std::optional<BusiestLevelPlay> play;
    std::optional<FullShotPools> pools;
    if (!startFullPoolPlay(state, play, pools))
        return;
    double relaunched = 0.0;
    for (auto _ : state) {
        play->frame();
        if (isSceneUpdateTimed)
            play->updateTransforms();
        state.PauseTiming();
        if (!isSceneUpdateTimed)
            play->updateTransforms();
        relaunched += pools->fill();
        state.ResumeTiming();
    }
    countWork(state, *play);
    state.counters["relaunched"] = benchmark::Counter(relaunched, benchmark::Counter::kAvgIterations);
    referenceTime::reportRatio(state, "baseline", shotBaseline::stepSeconds());
}

void BM_BusiestLevelFrameFullShotPools(benchmark::State& state)
{
    timeFullPoolFrames(state, false);
}
BENCHMARK(BM_BusiestLevelFrameFullShotPools)->Iterations(framesTimed)->Unit(benchmark::kMicrosecond);

void BM_BusiestLevelFrameAndSceneUpdateFullShotPools(benchmark::State& state)
{
    timeFullPoolFrames(state, true);
}
BENCHMARK(BM_BusiestLevelFrameAndSceneUpdateFullShotPools)->Iterations(framesTimed)->Unit(benchmark::kMicrosecond);

} // namespace
