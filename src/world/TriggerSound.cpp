// A trigger's own sound, loaded uncached for it, and its music change.
#include "world/Trigger.h"

#include "app/AudioService.h"
#include "core/ResourceAvailability.h"
#include "platform/sound/Sound.h"

namespace {
// Distances of a placed trigger sound beyond which it is silent.
constexpr float maximumSoundDistance = 10000.0f;
// A placed sound is heard from afar, so it plays louder.
constexpr float placedSoundBoost = 1.2f;
} // namespace

void Trigger::loadSound()
{
    releaseSound();
    if (!soundName.empty())
        sound = ::loadSound(soundName, true, isSound3D, true, false);
}

// Sounds of a bank belong to the bank: only a file's sound is released.
void Trigger::releaseSound()
{
    if (sound && resourceExists(soundName))
        sound->release();
    sound = nullptr;
}

void Trigger::playSound()
{
    if (!sound)
        return;
    if (isSound3D) {
        channel = playSound3D(sound, soundVolume * placedSoundBoost, placedPosition);
        channel.set3DMinMaxDistance(soundMaxDistance, maximumSoundDistance);
    } else {
        channel = playSound3D(sound, soundVolume, noSoundPosition);
    }
    if (!channel.isValid())
        return;
    randomizePitch(channel, soundPitch);
    channel.setMode(isSoundLooping ? platform::soundLoopNormal : platform::soundLoopOff);
}

void Trigger::stopSound()
{
    if (channel.isValid())
        fadeChannel(&channel, 0.2f, true, true);
}

// "NoMusic.mp3" stands for silence and is never a file.
bool Trigger::hasMusicChange() const
{
    return musicName == "NoMusic.mp3" || soundFileExists(musicName);
}
