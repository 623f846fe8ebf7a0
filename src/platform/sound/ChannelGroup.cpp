#include "platform/sound/ChannelGroup.h"

#include "platform/sound/SoundSystem.h"

namespace platform {

void ChannelGroup::addGroup(ChannelGroup* child)
{
    if (child && child != this && !isWithin(*child))
        child->parent = this;
}

void ChannelGroup::stop() { system.stopGroup(*this); }

bool ChannelGroup::isPlaying() const { return system.isGroupPlaying(*this); }

float ChannelGroup::chainVolumeAt(std::uint64_t clock) const
{
    float volume = 1.0f;
    for (const ChannelGroup* group = this; group; group = group->parent)
        volume *= group->state.volume * group->state.fade.volumeAt(clock);
    return volume;
}

bool ChannelGroup::isChainPaused() const
{
    for (const ChannelGroup* group = this; group; group = group->parent)
        if (group->state.paused)
            return true;
    return false;
}

bool ChannelGroup::isChainAudibleAt(std::uint64_t clock) const
{
    for (const ChannelGroup* group = this; group; group = group->parent)
        if (!group->state.delay.isAudibleAt(clock))
            return false;
    return true;
}

bool ChannelGroup::doesChainStopAt(std::uint64_t clock) const
{
    for (const ChannelGroup* group = this; group; group = group->parent)
        if (group->state.delay.stopsAt(clock))
            return true;
    return false;
}

bool ChannelGroup::isWithin(const ChannelGroup& ancestor) const
{
    for (const ChannelGroup* group = this; group; group = group->parent)
        if (group == &ancestor)
            return true;
    return false;
}

} // namespace platform
