// The clock, the median of runs and the ratio counters of ReferenceTime.h.
#include "support/ReferenceTime.h"

#include <algorithm>
#include <array>
#include <ctime>

namespace referenceTime {

namespace {
constexpr double microsecondsPerSecond = 1e6;
} // namespace

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double medianSeconds(const std::function<void()>& prepare, const std::function<void()>& run, int perRun)
{
    std::array<double, runs> seconds{};
    for (double& timed : seconds) {
        prepare();
        const double start = threadSeconds();
        run();
        timed = (threadSeconds() - start) / perRun;
    }
    std::nth_element(seconds.begin(), seconds.begin() + runs / 2, seconds.end());
    return seconds[runs / 2];
}

void reportRatio(benchmark::State& state, const std::string& reference, double referenceSeconds)
{
    // Divided by the measured time, then inverted: measured / (iterations x reference).
    state.counters["x_" + reference] = benchmark::Counter(static_cast<double>(state.iterations()) * referenceSeconds,
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters[reference + "_us"] = referenceSeconds * microsecondsPerSecond;
}

} // namespace referenceTime
