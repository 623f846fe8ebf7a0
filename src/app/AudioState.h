// The audio service's module state and the small helpers its parts share.
// Only the service's own files include this.
#pragma once

#include "platform/sound/SoundSystem.h"

#include <OgreVector.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

struct AudioState {
    platform::SoundSystem* system = nullptr;
    platform::Sound* musicBank = nullptr;
    platform::Sound* soundsBank = nullptr;
    platform::Sound* bank3D = nullptr;
    platform::Sound* pauseBank = nullptr;
    platform::ChannelGroup* musicGroup = nullptr;
    platform::ChannelGroup* effectsGroup = nullptr;
    platform::ChannelGroup* editorGroup = nullptr;
    platform::ChannelGroup* masterGroup = nullptr;
    platform::Channel musicChannel;
    platform::Sound* currentMusic = nullptr;
    platform::Sound* pauseSound = nullptr;
    std::map<std::string, platform::Sound*> soundTable;
    std::map<std::string, int> musicIndex;
    std::map<std::string, std::uint64_t> antiRepeat;
    std::map<std::string, std::uint32_t> durationCache;
    // Names already reported, with who gives them, as the game's files were read.
    std::set<std::string> namedMissing;
    std::string queuedName;
    float queuedVolume = 1.0f;
    bool loopFlag = true;
    float queueCountdown = 0.0f;
    bool stopScheduled = false;
    float stopCountdown = 0.0f;
    bool effectsFadingOut = false;
};

AudioState& audio();

// Now, in the milliseconds of the anti-repeat guard.
std::uint64_t soundMilliseconds();

// The name up to its last '.', the whole name without one.
std::string soundBaseName(const std::string& name);

// The bank's first sub-sound of that name; null without bank or match.
platform::Sound* findBankSound(platform::Sound* bank, const std::string& baseName);

platform::SoundVector toSoundVector(const Ogre::Vector3& vector);

// A group's volume from a settings percentage.
float percentVolume(int percent);
