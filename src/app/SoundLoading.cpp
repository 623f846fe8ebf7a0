// Loading sounds and musics by name, from the game's resource files first and
// then from the banks, what is known about them, and the check of the sound
// names the game's files give.
#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/Log.h"
#include "app/ResourceLookup.h"
#include "app/SoundNameCheck.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"

#include <algorithm>
#include <iterator>

namespace {

const float distance3DMin = 600.0f;
const float distance3DMax = 10000.0f;

bool isNoSound(const std::string& name) { return name.empty() || name == "none" || name == "None"; }

platform::Sound* loadSoundFile(AudioState& state, const std::string& name, bool is3D, bool uncached)
{
    platform::Sound* sound = state.system->createSound(findResourceFilePath(name),
                                                       is3D ? platform::sound3DInverseRolloff : platform::soundDefault);
    if (sound && is3D)
        sound->set3DMinMaxDistance(distance3DMin, distance3DMax);
    if (sound && !uncached)
        state.soundTable[name] = sound;
    return sound;
}

platform::Sound* loadBankSound(AudioState& state, const std::string& name, bool is3D, bool uncached,
                               bool fromPauseBank)
{
    const std::string base = soundBaseName(name);
    if (state.soundsBank && !fromPauseBank && !is3D) {
        platform::Sound* sound = findBankSound(state.soundsBank, base);
        if (sound) {
            sound->setMode(platform::soundDefault);
            if (!uncached)
                state.soundTable[name] = sound;
        }
        return sound;
    }
    if (state.pauseBank && fromPauseBank) {
        platform::Sound* sound = findBankSound(state.pauseBank, base);
        if (sound)
            sound->setMode(platform::soundDefault);
        return sound;
    }
    if (state.bank3D && is3D && !fromPauseBank) {
        platform::Sound* sound = findBankSound(state.bank3D, base);
        if (sound) {
            sound->setMode(platform::sound3DInverseRolloff);
            sound->set3DMinMaxDistance(distance3DMin, distance3DMax);
        }
        return sound;
    }
    return nullptr;
}

platform::Sound* findMusic(AudioState& state, const std::string& name)
{
    if (resourceExists(name))
        return state.system->createSound(findResourceFilePath(name), platform::soundStream);
    if (!state.musicBank || state.musicIndex.empty())
        return nullptr;
    const auto index = state.musicIndex.find(soundBaseName(name));
    if (index == state.musicIndex.end())
        return nullptr;
    platform::Sound* music = state.musicBank->getSubSound(index->second);
    // A bank's music is decoded only as it plays: one that has no length
    // would play nothing, so it counts as not found.
    if (!music || music->getLength() == 0)
        return nullptr;
    music->setMode(platform::soundStream);
    return music;
}

} // namespace

platform::Sound* loadSound(const std::string& name, bool /*flag*/, bool is3D, bool uncached, bool fromPauseBank)
{
    AudioState& state = audio();
    if (!state.system || isNoSound(name))
        return nullptr;
    if (!uncached) {
        const auto loaded = state.soundTable.find(name);
        if (loaded != state.soundTable.end())
            return loaded->second;
    }
    platform::Sound* sound = resourceExists(name) ? loadSoundFile(state, name, is3D, uncached)
                                                  : loadBankSound(state, name, is3D, uncached, fromPauseBank);
    if (!sound && state.namedMissing.count(name) == 0)
        logLineOnce("[ERROR] can't load sound: " + name);
    return sound;
}

void checkSoundName(const std::string& name, const std::string& namer)
{
    AudioState& state = audio();
    const platform::Sound* banks[] = {state.soundsBank, state.bank3D, state.pauseBank};
    // Without one of its banks (named once as they opened) no name can be judged.
    if (!state.system || std::find(std::begin(banks), std::end(banks), nullptr) != std::end(banks))
        return;
    if (isNoSound(name) || resourceExists(name))
        return;
    const std::string base = soundBaseName(name);
    for (const platform::Sound* bank : banks)
        if (bank->findSubSound(base) >= 0)
            return;
    state.namedMissing.insert(name);
    logLineOnce("[ERROR] can't find sound: " + name + namer);
}

platform::Sound* loadSoundFromBank(const std::string& name)
{
    AudioState& state = audio();
    if (!state.system)
        return nullptr;
    if (resourceExists(name))
        return state.system->createSound(findResourceFilePath(name), platform::soundDefault);
    platform::Sound* sound = findBankSound(state.soundsBank, soundBaseName(name));
    if (sound)
        sound->setMode(platform::soundDefault);
    return sound;
}

void loadPauseSound()
{
    AudioState& state = audio();
    platform::Sound* previous = state.pauseSound;
    state.pauseSound = loadSound(Game::getSingletonPtr()->pauseSound, false, false, true, true);
    // The pause sound of the level before is freed (a bank's sound stays with its bank).
    if (previous && previous != state.pauseSound)
        previous->release();
    if (state.pauseSound)
        state.pauseSound->setMode(platform::soundDefault);
}

platform::Sound* loadMusic(const std::string& name)
{
    AudioState& state = audio();
    if (!state.system || isNoSound(name))
        return nullptr;
    platform::Sound* music = findMusic(state, name);
    if (!music)
        logLineOnce("[ERROR] can't load music: " + name);
    return music;
}

void releaseMusic()
{
    AudioState& state = audio();
    if (!state.currentMusic)
        return;
    if (resourceExists(state.currentMusic->getName()))
        state.currentMusic->release();
    state.currentMusic = nullptr;
}

bool isSoundLoaded(const std::string& name) { return audio().soundTable.count(name) != 0; }

bool soundExists(const std::string& name) { return isSoundLoaded(name); }

bool soundFileExists(const std::string& name)
{
    if (name.empty())
        return false;
    return resourceExists(name) || audio().musicIndex.count(soundBaseName(name)) != 0;
}

float getSoundDuration(const std::string& name, platform::Sound* sound)
{
    AudioState& state = audio();
    const auto cached = state.durationCache.find(name);
    if (cached != state.durationCache.end())
        return static_cast<float>(cached->second) * 0.001f;
    if (sound)
        return 0.0f;
    platform::Sound* found = loadSoundFromBank(name);
    if (!found)
        return 0.0f;
    const unsigned milliseconds = found->getLength();
    state.durationCache[name] = milliseconds;
    // A file loaded only to be measured is freed again; a bank's sound stays with its bank.
    found->release();
    return static_cast<float>(milliseconds) * 0.001f;
}
