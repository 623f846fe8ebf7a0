// Effects: played by name on the effects group (menu and pause sounds on the
// editor group), at most once per 60 ms for one name.
#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/SoundDefinition.h"
#include "core/Game.h"
#include "platform/Random.h"

namespace {

const std::uint64_t antiRepeatMilliseconds = 60;
const float editorVolume = 0.2f;

// Head-relative for the no-position value, else placed in the world there.
void placeChannel(platform::Channel& channel, const Ogre::Vector3& position)
{
    if (position == noSoundPosition) {
        channel.setMode(platform::sound3DHeadRelative);
        channel.set3DMinMaxDistance(9999.0f, 10000.0f);
    } else {
        channel.set3DAttributes(toSoundVector(position), platform::SoundVector{});
        channel.setMode(platform::sound3DInverseRolloff);
    }
}

bool isRepeatedTooSoon(const AudioState& state, const std::string& name, std::uint64_t now)
{
    const auto last = state.antiRepeat.find(name);
    return last != state.antiRepeat.end() && now - last->second < antiRepeatMilliseconds;
}

void applyEffectVolume(platform::Channel& channel, const std::string& name, float volume)
{
    if (volume > 0.0f) {
        channel.setVolume(volume);
        return;
    }
    const std::map<std::string, soundDefinition*>& library = Game::getSingletonPtr()->soundLibrary;
    const auto definition = library.find(name);
    if (definition != library.end() && definition->second)
        channel.setVolume(definition->second->volume);
}

} // namespace

platform::Channel playSound(const std::string& name, float volume, const Ogre::Vector3& position, bool force)
{
    AudioState& state = audio();
    if (!state.system || !Game::getSingletonPtr()->isSoundOn || name.empty())
        return {};
    const auto loaded = state.soundTable.find(name);
    if (loaded == state.soundTable.end())
        return {};
    const std::uint64_t now = soundMilliseconds();
    if (!force && isRepeatedTooSoon(state, name, now))
        return {};
    loaded->second->setMode(platform::soundLoopOff);
    platform::Channel channel = state.system->playSound(loaded->second, state.effectsGroup, false);
    if (!channel.isValid())
        return channel;
    channel.setPitch(1.0f);
    applyEffectVolume(channel, name, volume);
    placeChannel(channel, position);
    state.antiRepeat[name] = now;
    return channel;
}

platform::Channel playSound3D(platform::Sound* sound, float volume, const Ogre::Vector3& position)
{
    AudioState& state = audio();
    if (!state.system)
        return {};
    platform::Channel channel = state.system->playSound(sound, state.effectsGroup, false);
    placeChannel(channel, position);
    channel.setVolume(volume);
    return channel;
}

void randomizePitch(platform::Channel channel, const float pair[2])
{
    float pitch = 1.0f + pair[0] + pair[1] * static_cast<float>(platform::rand()) * 3.051851e-5f - pair[1] * 0.5f;
    if (pitch < 0.1f)
        pitch = 0.1f;
    channel.setPitch(pitch);
}

void panChannel(platform::Channel channel, float pan) { channel.setPan(pan); }

void playEditorSound(const std::string& name)
{
    AudioState& state = audio();
    if (!state.system || name == "none" || name.empty() || state.soundTable.empty())
        return;
    const auto loaded = state.soundTable.find(name);
    if (loaded == state.soundTable.end())
        return;
    platform::Channel channel = state.system->playSound(loaded->second, state.editorGroup, false);
    channel.setVolume(editorVolume);
}

void playPauseSound(const std::string& name, int percent)
{
    AudioState& state = audio();
    if (!state.system || name == "none" || name.empty() || !state.pauseSound)
        return;
    platform::Channel channel = state.system->playSound(state.pauseSound, state.editorGroup, false);
    channel.setVolume(percentVolume(percent));
}

void stopEffects()
{
    AudioState& state = audio();
    if (state.effectsGroup)
        state.effectsGroup->stop();
    state.antiRepeat.clear();
}

void stopEditorSounds()
{
    if (platform::ChannelGroup* editor = audio().editorGroup)
        editor->stop();
}

void pauseEffects(bool paused)
{
    if (platform::ChannelGroup* effects = audio().effectsGroup)
        effects->setPaused(paused);
}

void fadeOutEffects()
{
    AudioState& state = audio();
    if (state.effectsFadingOut || !state.effectsGroup || !state.effectsGroup->isPlaying())
        return;
    removeNextFadePoints(state.effectsGroup);
    addHalfSecondFadeOut(state.effectsGroup);
    state.effectsFadingOut = true;
}
