// The audio service: every sound of the game, known by name and played
// through the sound layer. Music plays on the group "channelMusic", effects
// on "channelEffects", menu and pause sounds on "channelEditor", all under
// the master group that carries the master volume. Sounds come from the four
// banks under "<programFolder>/data/Sounds/" and from single files of the
// game's resources. Free functions over module state; start-up calls
// initSound once and shutdown shutdownSound, and a running state calls
// updateSound once a frame.
#pragma once

#include "platform/sound/Channel.h"

#include <OgreVector.h>

#include <cstdint>
#include <functional>
#include <string>

namespace platform {
class ChannelControl;
class Sound;
} // namespace platform

// The position of a sound that has none: it plays at the listener.
inline const Ogre::Vector3 noSoundPosition(-1.0f, -99.0f, -999.0f);

void initSound();
void shutdownSound();
void releaseSounds();

// The second argument does not change what is loaded.
platform::Sound* loadSound(const std::string& name, bool flag, bool is3D, bool uncached, bool fromPauseBank);
platform::Sound* loadSoundFromBank(const std::string& name);
void loadPauseSound();
platform::Sound* loadMusic(const std::string& name);
void releaseMusic();

bool isSoundLoaded(const std::string& name);
bool soundExists(const std::string& name);
bool soundFileExists(const std::string& name);
float getSoundDuration(const std::string& name, platform::Sound* sound);

// A volume of 0 or below takes the volume of the sounds library.
platform::Channel playSound(const std::string& name, float volume, const Ogre::Vector3& position, bool force);
platform::Channel playSound3D(platform::Sound* sound, float volume, const Ogre::Vector3& position);
void randomizePitch(platform::Channel channel, const float pair[2]);
// -1 full left, 0 centre, +1 full right; a channel placed in the world keeps its position.
void panChannel(platform::Channel channel, float pan);
void playEditorSound(const std::string& name);
void playPauseSound(const std::string& name, int percent);
void stopEffects();
void stopEditorSounds();
void pauseEffects(bool paused);
void fadeOutEffects();

void playMusicNow(const std::string& name, float volume);
void startMusic(const std::string& name, float volume);
void resumeMusic();
void queueMusic(const std::string& name, float volume, float fadeTime, bool loop);
void fadeOutMusic(float time);
void stopMusic();
void pauseMusic(bool paused);

void setMasterVolume(int percent);
void setMusicVolume(int percent);
void setEffectsVolume(int percent);
void applySoundSettings();
void stopAllSoundsWithFade();

// A null control is one that does not exist.
void fadeChannel(platform::ChannelControl* control, float seconds, bool fadeOut, bool stopAfter);
void addHalfSecondFadeOut(platform::ChannelControl* control);
void removeNextFadePoints(platform::ChannelControl* control);
void clearChannelFade(platform::ChannelControl* control);

void updateSound(float dt, const Ogre::Vector3& cameraPosition, const Ogre::Vector3& cameraDirection);

// The milliseconds that space two starts of one effect (Ogre's root timer);
// an empty function puts that timer back.
void setSoundMilliseconds(std::function<std::uint64_t()> clock);
