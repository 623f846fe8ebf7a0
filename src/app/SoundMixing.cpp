// Group volumes from the settings, fades on the output clock and the
// once-a-frame update with the listener and the music queue.
#include "app/AudioService.h"
#include "app/AudioState.h"
#include "core/Game.h"

namespace {

// Fade points this close after the clock count as the next ones.
const std::uint64_t nextPointsWindow = 1000;

void setGroupVolume(platform::ChannelGroup* group, int percent)
{
    if (group)
        group->setVolume(percentVolume(percent));
}

void updateMusicQueue(AudioState& state, float dt)
{
    if (state.queuedName.empty() || Game::getSingletonPtr()->isPaused)
        return;
    state.queueCountdown -= dt;
    if (state.queueCountdown < 0.0f) {
        state.stopScheduled = false;
        state.stopCountdown = 0.0f;
        startMusic(state.queuedName, state.queuedVolume);
        state.musicChannel.setPaused(false);
    }
}

void updateScheduledStop(AudioState& state, float dt)
{
    if (!state.stopScheduled)
        return;
    state.stopCountdown -= dt;
    if (state.stopCountdown < 0.0f) {
        state.stopScheduled = false;
        state.stopCountdown = 0.0f;
        stopMusic();
    }
}

} // namespace

void setMasterVolume(int percent) { setGroupVolume(audio().masterGroup, percent); }

void setMusicVolume(int percent) { setGroupVolume(audio().musicGroup, percent); }

void setEffectsVolume(int percent) { setGroupVolume(audio().effectsGroup, percent); }

void applySoundSettings()
{
    const Game& game = *Game::getSingletonPtr();
    if (game.isSoundOn) {
        setMasterVolume(game.masterVolume);
        setMusicVolume(game.musicVolume);
        setEffectsVolume(game.sfxVolume);
    } else {
        setMasterVolume(0);
    }
    pauseMusic(game.isPaused);
    pauseEffects(game.isPaused);
}

void stopAllSoundsWithFade()
{
    AudioState& state = audio();
    state.queuedName.clear();
    state.queueCountdown = 0.0f;
    state.antiRepeat.clear();
    removeNextFadePoints(state.effectsGroup);
    setEffectsVolume(Game::getSingletonPtr()->sfxVolume);
    stopMusic();
    stopEffects();
    state.effectsFadingOut = false;
    if (!state.effectsGroup)
        return;
    // Back to full level from now on, whatever fade came before.
    const std::uint64_t clock = state.effectsGroup->getParentDspClock();
    state.effectsGroup->addFadePoint(clock, 1.0f);
    state.effectsGroup->addFadePoint(static_cast<std::uint64_t>(static_cast<double>(clock) + 0.01), 1.0f);
}

void fadeChannel(platform::ChannelControl* control, float seconds, bool fadeOut, bool stopAfter)
{
    if (!control || !control->isPlaying())
        return;
    clearChannelFade(control);
    const int rate = audio().system->getSoftwareSampleRate();
    const std::uint64_t clock = control->getParentDspClock();
    // Single precision, as the game has always computed it.
    const auto end = static_cast<std::uint64_t>(static_cast<float>(clock) + static_cast<float>(rate) * seconds);
    if (fadeOut) {
        control->addFadePoint(clock, 1.0f);
        control->addFadePoint(end, 0.0f);
        if (stopAfter)
            control->setDelay(0, end, false);
    } else {
        control->addFadePoint(clock, 0.0f);
        control->addFadePoint(end, 1.0f);
    }
}

void addHalfSecondFadeOut(platform::ChannelControl* control)
{
    if (!control)
        return;
    const std::uint64_t clock = control->getParentDspClock();
    const double rate = audio().system->getSoftwareSampleRate();
    control->addFadePoint(clock, 1.0f);
    control->addFadePoint(static_cast<std::uint64_t>(static_cast<double>(clock) + rate * 0.5), 0.0f);
}

void removeNextFadePoints(platform::ChannelControl* control)
{
    if (!control || control->getNumFadePoints() == 0)
        return;
    const std::uint64_t clock = control->getParentDspClock();
    control->removeFadePoints(clock, clock + nextPointsWindow);
}

void clearChannelFade(platform::ChannelControl* control)
{
    if (!control || !control->isPlaying() || control->getNumFadePoints() == 0)
        return;
    control->setDelay(0, 0, false);
    const std::uint64_t clock = control->getParentDspClock();
    control->removeFadePoints(clock, clock + nextPointsWindow);
}

void updateSound(float dt, const Ogre::Vector3& cameraPosition, const Ogre::Vector3& cameraDirection)
{
    AudioState& state = audio();
    if (!state.system)
        return;
    state.system->update();
    const Ogre::Vector3 listener(cameraPosition.x, cameraPosition.y * 0.5f, cameraPosition.z);
    // The mixer is right-handed like the scene: up = X x direction keeps the
    // scene's right on the listener's right.
    const Ogre::Vector3 up = Ogre::Vector3::UNIT_X.crossProduct(cameraDirection);
    state.system->set3DListenerAttributes(0, toSoundVector(listener), platform::SoundVector{},
                                          toSoundVector(cameraDirection), toSoundVector(up));
    updateMusicQueue(state, dt);
    updateScheduledStop(state, dt);
}
