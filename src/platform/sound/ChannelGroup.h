// A named group of channels under a parent group. What a group does reaches
// every channel in it and in the groups under it: its volume and fades
// multiply theirs, its pause and delay silence them, stop ends them.
#pragma once

#include "platform/sound/ChannelControl.h"

#include <string>

namespace platform {

class ChannelGroup : public ChannelControl {
public:
    ChannelGroup(SoundSystem& system, std::string name) : system(system), name(std::move(name)) {}

    const std::string& getName() const { return name; }
    ChannelGroup* getParent() const { return parent; }
    // Moves the child under this group. Every group runs on the one output
    // clock, so the clock is always shared with the parent.
    void addGroup(ChannelGroup* child);
    // Volume changes are ramped by the mixer (OpenAL Soft smooths every gain
    // change over its next mix); the flag is kept for callers that read it.
    void setVolumeRamp(bool ramp) { volumeRamp = ramp; }
    bool getVolumeRamp() const { return volumeRamp; }

    void stop() override;
    // Whether a channel plays in this group or a group under it.
    bool isPlaying() const override;

    // This group and the ones above it, for the channels in it.
    float chainVolumeAt(std::uint64_t clock) const;
    bool isChainPaused() const;
    bool isChainAudibleAt(std::uint64_t clock) const;
    bool doesChainStopAt(std::uint64_t clock) const;
    bool isWithin(const ChannelGroup& ancestor) const;

protected:
    ControlState* controlState() const override { return &state; }
    SoundSystem* soundSystem() const override { return &system; }

private:
    SoundSystem& system;
    std::string name;
    ChannelGroup* parent = nullptr;
    mutable ControlState state;
    bool volumeRamp = false;
};

} // namespace platform
