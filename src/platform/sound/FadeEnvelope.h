// Volume automation on the output clock (counted in output samples): fade
// points with straight lines between them, and a delay window outside which
// a channel or group is silent or, when asked, stopped.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace platform {

class FadeEnvelope {
public:
    // A point at a clock already holding points goes after them.
    void addPoint(std::uint64_t clock, float volume);
    // Removes the points from start to end, both included.
    void removePoints(std::uint64_t start, std::uint64_t end);
    int size() const { return static_cast<int>(points.size()); }
    // 1 without points; the first point's volume before it, the last one's after it.
    float volumeAt(std::uint64_t clock) const;

private:
    std::vector<std::pair<std::uint64_t, float>> points;
};

struct PlaybackDelay {
    // 0 means no limit on that side.
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    bool stopChannels = false;

    bool isAudibleAt(std::uint64_t clock) const { return clock >= start && (end == 0 || clock < end); }
    bool stopsAt(std::uint64_t clock) const { return stopChannels && end != 0 && clock >= end; }
};

// What channels and channel groups have in common.
struct ControlState {
    float volume = 1.0f;
    bool paused = false;
    FadeEnvelope fade;
    PlaybackDelay delay;
};

} // namespace platform
