// The game's frames run against the mixer's clock, for tests that read back
// what OpenAL Soft's "wave" output recorded. The output mixes on a thread of
// its own and catches up in bursts when a busy machine keeps it waiting, so
// the wall clock says little about where a frame's changes land in the mix;
// the mixer's clock at the frame says where they do, and the checks read
// the recording there, a little after it: the mixer may be through one of
// its updates (about 20 ms) begun before the frame.
#pragma once

#include "app/AudioService.h"
#include "app/AudioState.h"
#include "support/SoundFiles.h"
#include "support/SoundRecording.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace mixframes {

inline std::uint64_t samplesOf(double seconds)
{
    return static_cast<std::uint64_t>(seconds * audio().system->getSoftwareSampleRate());
}

// Frames of at least 10 ms, each once the mixer has moved on and stepped by
// the mix made since the last, until the mixer's clock passes `until`; the
// clock at each frame. Fades move only in frames, so a test thread the
// machine starves makes fewer of them.
inline std::vector<std::uint64_t> playUntil(std::uint64_t until)
{
    using Clock = std::chrono::steady_clock;
    std::vector<std::uint64_t> frames;
    std::uint64_t last = audio().system->getDspClock();
    // A mixer that stopped would never reach the clock.
    const Clock::time_point giveUp = Clock::now() + std::chrono::seconds(30);
    do {
        std::uint64_t now = last;
        while (now == last && Clock::now() < giveUp) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            now = audio().system->getDspClock();
        }
        updateSound(static_cast<float>(now - last) / static_cast<float>(samplesOf(1.0)), Ogre::Vector3::ZERO,
                    Ogre::Vector3::NEGATIVE_UNIT_Z);
        frames.push_back(audio().system->getDspClock());
        last = now;
    } while (frames.back() < until && Clock::now() < giveUp);
    return frames;
}

// Frames until the mixer has mixed that long past the first: what was asked
// before reaches the mix at the first frame, whose clock comes first.
inline std::vector<std::uint64_t> playFor(double seconds)
{
    std::vector<std::uint64_t> frames = playUntil(0);
    const std::vector<std::uint64_t> more = playUntil(frames.front() + samplesOf(seconds));
    frames.insert(frames.end(), more.begin(), more.end());
    return frames;
}

// The first frame at or after the clock.
inline std::uint64_t firstFrameFrom(const std::vector<std::uint64_t>& frames, std::uint64_t clock)
{
    const auto frame = std::lower_bound(frames.begin(), frames.end(), clock);
    return frame == frames.end() ? clock : *frame;
}

// Levels of the recording's first two channels from `from` to `to` seconds
// after the clock.
inline soundtest::Levels heard(const soundrecording::Recording& mix, std::uint64_t clock, double from, double to)
{
    const auto channels = static_cast<std::size_t>(std::max(mix.channels, 1));
    const std::size_t right = channels > 1 ? 1 : 0;
    std::vector<float> stereo;
    for (auto frame = static_cast<std::size_t>(clock + static_cast<std::uint64_t>(from * mix.rate));
         frame < clock + static_cast<std::uint64_t>(to * mix.rate) && frame < mix.frames(); ++frame) {
        stereo.push_back(mix.samples[frame * channels]);
        stereo.push_back(mix.samples[frame * channels + right]);
    }
    return soundtest::measureStereo(stereo);
}

} // namespace mixframes
