#include "platform/sound/ChannelControl.h"

#include "platform/sound/SoundSystem.h"

namespace platform {

void ChannelControl::setVolume(float volume)
{
    if (ControlState* state = controlState())
        state->volume = volume;
}

float ChannelControl::getVolume() const
{
    const ControlState* state = controlState();
    return state ? state->volume : 0.0f;
}

void ChannelControl::setPaused(bool paused)
{
    if (ControlState* state = controlState())
        state->paused = paused;
}

bool ChannelControl::getPaused() const
{
    const ControlState* state = controlState();
    return state && state->paused;
}

std::uint64_t ChannelControl::getParentDspClock() const
{
    const SoundSystem* system = soundSystem();
    return system ? system->getDspClock() : 0;
}

void ChannelControl::addFadePoint(std::uint64_t clock, float volume)
{
    if (ControlState* state = controlState())
        state->fade.addPoint(clock, volume);
}

void ChannelControl::removeFadePoints(std::uint64_t start, std::uint64_t end)
{
    if (ControlState* state = controlState())
        state->fade.removePoints(start, end);
}

int ChannelControl::getNumFadePoints() const
{
    const ControlState* state = controlState();
    return state ? state->fade.size() : 0;
}

void ChannelControl::setDelay(std::uint64_t start, std::uint64_t end, bool stopChannels)
{
    if (ControlState* state = controlState())
        state->delay = PlaybackDelay{start, end, stopChannels};
}

} // namespace platform
