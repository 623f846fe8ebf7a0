#include "platform/sound/FadeEnvelope.h"

#include <algorithm>

namespace platform {

void FadeEnvelope::addPoint(std::uint64_t clock, float volume)
{
    const auto after = std::upper_bound(points.begin(), points.end(), clock,
                                        [](std::uint64_t value, const auto& point) { return value < point.first; });
    points.insert(after, {clock, volume});
}

void FadeEnvelope::removePoints(std::uint64_t start, std::uint64_t end)
{
    points.erase(std::remove_if(points.begin(), points.end(),
                                [&](const auto& point) { return point.first >= start && point.first <= end; }),
                 points.end());
}

float FadeEnvelope::volumeAt(std::uint64_t clock) const
{
    if (points.empty())
        return 1.0f;
    const auto next = std::upper_bound(points.begin(), points.end(), clock,
                                       [](std::uint64_t value, const auto& point) { return value < point.first; });
    if (next == points.begin())
        return next->second;
    const auto& before = *(next - 1);
    if (next == points.end())
        return before.second;
    const double progress =
        static_cast<double>(clock - before.first) / static_cast<double>(next->first - before.first);
    return static_cast<float>(before.second + (next->second - before.second) * progress);
}

} // namespace platform
