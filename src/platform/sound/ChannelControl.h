// What channels and channel groups share: volume, pause, stop, the playing
// state, and fades and delays on the output clock. A control that has gone
// (a channel whose sound ended) ignores every call and reads as silent and
// stopped.
#pragma once

#include "platform/sound/FadeEnvelope.h"

#include <cstdint>

namespace platform {

class SoundSystem;

class ChannelControl {
public:
    virtual ~ChannelControl() = default;

    void setVolume(float volume);
    float getVolume() const;
    void setPaused(bool paused);
    bool getPaused() const;
    virtual void stop() = 0;
    // True while paused too; false once stopped or ended.
    virtual bool isPlaying() const = 0;

    // The clock of the parent group in output samples (the one output clock).
    std::uint64_t getParentDspClock() const;
    void addFadePoint(std::uint64_t clock, float volume);
    void removeFadePoints(std::uint64_t start, std::uint64_t end);
    int getNumFadePoints() const;
    // Silent before start and from end on (0: no limit); with stopChannels
    // the channels stop at end instead.
    void setDelay(std::uint64_t start, std::uint64_t end, bool stopChannels);

protected:
    // Null when the control has gone.
    virtual ControlState* controlState() const = 0;
    virtual SoundSystem* soundSystem() const = 0;
};

} // namespace platform
