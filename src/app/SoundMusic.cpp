// Music: one music at a time on the music channel, started paused, with a
// queued music that takes over when the current one has faded out.
#include "app/AudioService.h"
#include "app/AudioState.h"

void playMusicNow(const std::string& name, float volume)
{
    audio().loopFlag = true;
    startMusic(name, volume);
}

void startMusic(const std::string& name, float volume)
{
    AudioState& state = audio();
    state.queuedVolume = volume;
    releaseMusic();
    if (!state.system || name.empty() || name == "none")
        return;
    state.musicGroup->stop();
    state.musicChannel.stop();
    state.currentMusic = loadMusic(name);
    if (!state.currentMusic)
        return;
    state.musicChannel = state.system->playSound(state.currentMusic, state.musicGroup, true);
    state.musicChannel.setVolume(state.queuedVolume);
    state.musicChannel.setMode(state.loopFlag ? platform::soundLoopNormal : platform::soundLoopOff);
    state.musicChannel.setPriority(0);
    state.queuedName.clear();
}

void resumeMusic()
{
    AudioState& state = audio();
    if (!state.currentMusic)
        return;
    state.musicGroup->setPaused(false);
    state.musicChannel.setPaused(false);
}

void queueMusic(const std::string& name, float volume, float fadeTime, bool loop)
{
    AudioState& state = audio();
    if (name.empty())
        return;
    state.queuedName = name;
    state.queuedVolume = volume;
    state.loopFlag = loop;
    if (state.musicChannel.isPlaying()) {
        state.queueCountdown = fadeTime;
        fadeChannel(&state.musicChannel, fadeTime, true, true);
    }
}

void fadeOutMusic(float time)
{
    AudioState& state = audio();
    if (!state.musicChannel.isPlaying())
        return;
    fadeChannel(&state.musicChannel, time, true, true);
    state.stopCountdown = time;
    state.stopScheduled = true;
}

void stopMusic()
{
    AudioState& state = audio();
    state.musicChannel.stop();
    if (state.musicGroup)
        state.musicGroup->stop();
}

void pauseMusic(bool paused) { audio().musicChannel.setPaused(paused); }
