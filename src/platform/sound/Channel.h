// A handle to one playing sound. It stays valid only while that sound plays:
// once the channel has been stopped or has ended (and for a default-made
// handle) every call does nothing and reads as silent and not playing.
#pragma once

#include "platform/sound/ChannelControl.h"
#include "platform/sound/SoundMode.h"

#include <cstdint>

namespace platform {

struct Voice;

class Channel : public ChannelControl {
public:
    Channel() = default;
    Channel(SoundSystem* system, int voiceIndex, std::uint32_t generation)
        : system(system), voiceIndex(voiceIndex), generation(generation)
    {
    }

    // Whether the handle came from a play (it may have ended since).
    bool isValid() const { return system != nullptr; }

    void stop() override;
    bool isPlaying() const override;

    void setPitch(float pitch);
    float getPitch() const;
    // Loop and placement flags, as Sound::setMode.
    void setMode(unsigned mode);
    unsigned getMode() const;
    void set3DAttributes(const SoundVector& position, const SoundVector& velocity);
    void set3DMinMaxDistance(float min, float max);
    // Stereo position of an unplaced channel: -1 left, 0 centre, +1 right;
    // clamped to that range, NaN ignored. A stereo sound is mixed down to
    // mono while panned. A channel placed in the world keeps its 3D position
    // and ignores the pan.
    void setPan(float pan);
    float getPan() const;
    // 0 (most important) to 256; when every voice is busy a new channel takes
    // the voice of the least important one, never of a more important one.
    void setPriority(int priority);
    // Where the sound plays from, in milliseconds from its start; reaches the
    // mixer at the next update. Past the end a looping channel wraps round and
    // any other one is set to its last sample (it ends at once when playing).
    void setPosition(std::uint32_t milliseconds);

protected:
    ControlState* controlState() const override;
    SoundSystem* soundSystem() const override;

private:
    Voice* voice() const;

    SoundSystem* system = nullptr;
    int voiceIndex = -1;
    std::uint32_t generation = 0;
};

} // namespace platform
