// Ratios of a benchmark to a reference measured in the same process. A
// reference (the structure-of-arrays shot baseline, the isolated hit pass)
// is timed once per process, on first use: the median of five timed runs on
// the clock Google Benchmark times with, the CPU time of the calling thread.
// A benchmark then reports its mean time per iteration over the reference's
// time as a counter: Google Benchmark divides the counter by the
// benchmark's own measured time (the manual time when it sets one) and
// inverts it, so the ratio follows the benchmark's figure exactly, pauses
// left out, and is repeated with it.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace referenceTime {

constexpr int runs = 5;

// Seconds of CPU time the calling thread has used.
double threadSeconds();

// The median over five runs of `run`, each after an untimed `prepare`, in
// seconds per `perRun` (the steps or passes a run makes).
double medianSeconds(const std::function<void()>& prepare, const std::function<void()>& run, int perRun);

// Sets the counters "x_" + `reference` (time per iteration over the
// reference's) and `reference` + "_us" (the reference's time in
// microseconds). Call after the loop.
void reportRatio(benchmark::State& state, const std::string& reference, double referenceSeconds);

} // namespace referenceTime
