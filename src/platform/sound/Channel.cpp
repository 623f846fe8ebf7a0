#include "platform/sound/Channel.h"

#include "platform/sound/Sound.h"
#include "platform/sound/SoundSystem.h"

#include <algorithm>
#include <cmath>

namespace platform {

SoundSystem* Channel::soundSystem() const { return SoundSystem::isLive(system) ? system : nullptr; }

Voice* Channel::voice() const
{
    SoundSystem* live = soundSystem();
    return live ? live->findVoice(voiceIndex, generation) : nullptr;
}

void Channel::stop()
{
    if (Voice* playing = voice())
        soundSystem()->stopVoice(*playing);
}

bool Channel::isPlaying() const
{
    SoundSystem* live = soundSystem();
    return live && live->isVoicePlaying(voiceIndex, generation);
}

ControlState* Channel::controlState() const
{
    Voice* playing = voice();
    return playing ? &playing->control : nullptr;
}

void Channel::setPitch(float pitch)
{
    if (Voice* playing = voice()) {
        playing->pitch = pitch;
        playing->propertiesChanged = true;
    }
}

float Channel::getPitch() const
{
    const Voice* playing = voice();
    return playing ? playing->pitch : 1.0f;
}

void Channel::setMode(unsigned mode)
{
    if (Voice* playing = voice()) {
        playing->mode = withModeFlags(playing->mode, mode);
        playing->propertiesChanged = true;
    }
}

unsigned Channel::getMode() const
{
    const Voice* playing = voice();
    return playing ? playing->mode : soundDefault;
}

void Channel::set3DAttributes(const SoundVector& position, const SoundVector& velocity)
{
    if (Voice* playing = voice()) {
        playing->position = position;
        playing->velocity = velocity;
        playing->propertiesChanged = true;
    }
}

void Channel::set3DMinMaxDistance(float min, float max)
{
    if (Voice* playing = voice()) {
        playing->minDistance = min;
        playing->maxDistance = max;
        playing->propertiesChanged = true;
    }
}

void Channel::setPan(float pan)
{
    Voice* playing = voice();
    if (!playing || std::isnan(pan))
        return;
    playing->pan = std::clamp(pan, -1.0f, 1.0f);
    playing->propertiesChanged = true;
}

float Channel::getPan() const
{
    const Voice* playing = voice();
    return playing ? playing->pan : 0.0f;
}

void Channel::setPriority(int priority)
{
    if (Voice* playing = voice())
        playing->priority = priority;
}

void Channel::setPosition(std::uint32_t milliseconds)
{
    if (Voice* playing = voice()) {
        playing->positionMs = milliseconds;
        playing->positionChanged = true;
    }
}

} // namespace platform
