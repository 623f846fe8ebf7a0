// What every benchmark of play does before and after its timed frames:
// entering the busiest level and playing it untimed until the waves are
// out, filling both shot pools, and the counters of what the frames
// worked on. A benchmark that cannot start is skipped with the reason.
#pragma once

#include "play/BusiestLevelPlay.h"
#include "play/FullShotPools.h"

#include <benchmark/benchmark.h>

#include <optional>

// Play before timing: by then all four waves are out and shooting.
constexpr double secondsBeforeTiming = 3.0;
// The timed stretch: three seconds of play while the waves fly and shoot.
constexpr benchmark::IterationCount framesTimed = 180;

// Enters the level and plays it untimed; false, with the reason given, when
// there is no X server or no wave came out (that would time an empty frame).
bool startPlay(benchmark::State& state, std::optional<BusiestLevelPlay>& play);
// Starts play as above, then launches every free record of both pools;
// false, with the reason given, when play did not start or the level lends
// no gun on one side.
bool startFullPoolPlay(benchmark::State& state, std::optional<BusiestLevelPlay>& play,
                       std::optional<FullShotPools>& pools);
void countWork(benchmark::State& state, const BusiestLevelPlay& play);
