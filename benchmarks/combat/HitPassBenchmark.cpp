// One fixed step's hit tests of a crowded frame (support/CrowdedHitFrame.h),
// measured twice over the same frame: through the screen grids (built
// afresh each step, as in play) and by testing every pair. The grids take
// each shot by its spot, kept side by side as the shot pools keep them, and
// read its outline only for the targets the spot does not rule out; the
// pair test reads every outline. The pass through the grids reports its
// ratio to the structure-of-arrays shot baseline of the same process.
#include "world/WorldTestScene.h"

#include "support/CrowdedHitFrame.h"
#include "support/ReferenceTime.h"
#include "support/ShotBaseline.h"

#include <benchmark/benchmark.h>

namespace {

CrowdedHitFrame& crowdedFrame()
{
    static WorldTestScene* const world = new WorldTestScene;
    static CrowdedHitFrame* const shared = new CrowdedHitFrame(*world->scene);
    return *shared;
}

void HitPassThroughScreenGrids(benchmark::State& state)
{
    CrowdedHitFrame& crowded = crowdedFrame();
    int hits = 0;
    for (auto _ : state) {
        hits = crowded.hitsThroughGrids();
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
    referenceTime::reportRatio(state, "baseline", shotBaseline::stepSeconds());
}
BENCHMARK(HitPassThroughScreenGrids)->Unit(benchmark::kMicrosecond);

void HitPassEveryPair(benchmark::State& state)
{
    const CrowdedHitFrame& crowded = crowdedFrame();
    int hits = 0;
    for (auto _ : state) {
        hits = crowded.hitsOfEveryPair();
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
}
BENCHMARK(HitPassEveryPair)->Unit(benchmark::kMicrosecond);

} // namespace
