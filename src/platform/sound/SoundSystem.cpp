#include "platform/sound/SoundSystem.h"

#include "platform/sound/SoundBank.h"
#include "platform/sound/SoundDecoder.h"

#include <AL/al.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

const int defaultPriority = 128;
const float speedOfSound = 343.3f;

std::vector<const SoundSystem*> liveSystems;
// Every channel of every system gets its own generation, so that no handle
// matches a later channel, not even one of a system made at the same address.
std::uint32_t lastGeneration = 0;

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isUsableOrientation(const SoundVector& forward, const SoundVector& up)
{
    const float x = forward.y * up.z - forward.z * up.y;
    const float y = forward.z * up.x - forward.x * up.z;
    const float z = forward.x * up.y - forward.y * up.x;
    return x * x + y * y + z * z > 0.0f;
}

} // namespace

SoundSystem::SoundSystem()
{
    groups.push_back(std::make_unique<ChannelGroup>(*this, "master"));
    liveSystems.push_back(this);
}

SoundSystem::~SoundSystem()
{
    close();
    liveSystems.erase(std::find(liveSystems.begin(), liveSystems.end(), this));
}

bool SoundSystem::isLive(const SoundSystem* system)
{
    return system && std::find(liveSystems.begin(), liveSystems.end(), system) != liveSystems.end();
}

bool SoundSystem::init(int maxChannels)
{
    close();
    return output.openDevice(maxChannels) && createVoices(maxChannels);
}

bool SoundSystem::initLoopback(int maxChannels, int sampleRate)
{
    close();
    return output.openLoopback(maxChannels, sampleRate) && createVoices(maxChannels);
}

bool SoundSystem::createVoices(int count)
{
    alGetError();
    for (int i = 0; i < count; ++i) {
        Voice voice;
        alGenSources(1, &voice.source);
        if (alGetError() != AL_NO_ERROR)
            break;
        voices.push_back(std::move(voice));
    }
    if (voices.empty()) {
        output.close();
        return false;
    }
    alDistanceModel(AL_INVERSE_DISTANCE_CLAMPED);
    return true;
}

void SoundSystem::close()
{
    for (Voice& voice : voices)
        if (voice.active)
            retireVoice(voice);
    // Buffers and sources go while their context is still current.
    sounds.clear();
    for (Voice& voice : voices)
        alDeleteSources(1, &voice.source);
    voices.clear();
    groups.resize(1);
    groups.front() = std::make_unique<ChannelGroup>(*this, "master");
    output.close();
}

Sound* SoundSystem::createSound(const std::string& path, unsigned mode, const SoundCreateInfo* info)
{
    std::unique_ptr<SoundData> data = openSoundData(path);
    if (!data)
        return nullptr;
    auto sound = std::make_unique<Sound>(*this, fileNameOf(path), mode);
    if (BankFile::isBank(*data)) {
        std::unique_ptr<BankFile> bank = BankFile::open(std::move(data), info ? info->encryptionKey : "");
        if (!bank)
            return nullptr;
        sound->makeBank(std::move(bank));
    } else if (mode & soundStream) {
        const std::unique_ptr<SoundDecoder> decoder = SoundDecoder::open(std::move(data));
        if (!decoder)
            return nullptr;
        sound->makeStream([path] { return openSoundData(path); }, decoder.get());
    } else if (!sound->loadSamples(SoundDecoder::open(std::move(data)), !isMuted())) {
        return nullptr;
    }
    sounds.push_back(std::move(sound));
    return sounds.back().get();
}

ChannelGroup* SoundSystem::createChannelGroup(const std::string& name)
{
    groups.push_back(std::make_unique<ChannelGroup>(*this, name));
    getMasterChannelGroup()->addGroup(groups.back().get());
    return groups.back().get();
}

Channel SoundSystem::playSound(Sound* sound, ChannelGroup* group, bool paused)
{
    if (isMuted() || !sound || !sound->isPlayable())
        return {};
    std::unique_ptr<SoundStream> stream;
    if (sound->isStream()) {
        destroyChannelsOf(sound);
        stream = sound->openStream();
        if (!stream)
            return {};
    }
    const int index = takeVoice();
    if (index < 0)
        return {};
    Voice& voice = voices[static_cast<std::size_t>(index)];
    voice.active = true;
    voice.generation = ++lastGeneration;
    voice.sound = sound;
    voice.group = group ? group : getMasterChannelGroup();
    voice.stream = std::move(stream);
    voice.control = ControlState{};
    voice.control.paused = paused;
    voice.mode = sound->getMode();
    voice.pitch = 1.0f;
    voice.position = SoundVector{};
    voice.velocity = SoundVector{};
    voice.minDistance = sound->getMinDistance();
    voice.maxDistance = sound->getMaxDistance();
    voice.priority = defaultPriority;
    voice.pan = 0.0f;
    voice.startOrder = ++playCount;
    voice.propertiesChanged = true;
    voice.positionChanged = false;
    return Channel(this, index, voice.generation);
}

int SoundSystem::takeVoice()
{
    for (std::size_t i = 0; i < voices.size(); ++i)
        if (!voices[i].active)
            return static_cast<int>(i);
    int chosen = -1;
    for (std::size_t i = 0; i < voices.size(); ++i) {
        Voice& voice = voices[i];
        if (voice.started && !voice.stream && hasVoiceEnded(voice)) {
            retireVoice(voice);
            return static_cast<int>(i);
        }
        const Voice* best = chosen < 0 ? nullptr : &voices[static_cast<std::size_t>(chosen)];
        if (voice.priority >= defaultPriority &&
            (!best || voice.priority > best->priority ||
             (voice.priority == best->priority && voice.startOrder < best->startOrder)))
            chosen = static_cast<int>(i);
    }
    if (chosen >= 0)
        retireVoice(voices[static_cast<std::size_t>(chosen)]);
    return chosen;
}

void SoundSystem::set3DSettings(float dopplerScale, float distanceFactor, float rolloff)
{
    rolloffScale = rolloff;
    if (isMuted())
        return;
    alDopplerFactor(dopplerScale);
    alSpeedOfSound(speedOfSound * distanceFactor);
    for (Voice& voice : voices)
        voice.propertiesChanged = true;
}

void SoundSystem::set3DListenerAttributes(int listener, const SoundVector& position, const SoundVector& velocity,
                                          const SoundVector& forward, const SoundVector& up)
{
    if (isMuted() || listener != 0)
        return;
    alListener3f(AL_POSITION, position.x, position.y, position.z);
    alListener3f(AL_VELOCITY, velocity.x, velocity.y, velocity.z);
    if (isUsableOrientation(forward, up)) {
        const ALfloat orientation[] = {forward.x, forward.y, forward.z, up.x, up.y, up.z};
        alListenerfv(AL_ORIENTATION, orientation);
    }
}

void SoundSystem::update()
{
    if (isMuted())
        return;
    const std::uint64_t clock = output.clock();
    for (Voice& voice : voices)
        if (voice.active)
            updateVoice(voice, clock);
}

void SoundSystem::updateVoice(Voice& voice, std::uint64_t clock)
{
    if (voice.control.delay.stopsAt(clock) || voice.group->doesChainStopAt(clock)) {
        retireVoice(voice);
        return;
    }
    const bool silent = voice.control.paused || voice.group->isChainPaused() ||
                        !voice.control.delay.isAudibleAt(clock) || !voice.group->isChainAudibleAt(clock);
    const float gain = voiceGainAt(voice, clock);
    if (!voice.started) {
        if (!silent)
            startVoiceOutput(voice, gain, rolloffScale);
        return;
    }
    if (hasVoiceEnded(voice)) {
        retireVoice(voice);
        return;
    }
    setVoiceOutputGain(voice, gain);
    if (voice.propertiesChanged)
        applyVoiceProperties(voice, rolloffScale);
    if (voice.positionChanged)
        applyVoicePosition(voice);
    setVoiceOutputPaused(voice, silent);
}

float SoundSystem::voiceGainAt(const Voice& voice, std::uint64_t clock) const
{
    const float gain = voice.control.volume * voice.control.fade.volumeAt(clock) * voice.group->chainVolumeAt(clock);
    return std::isfinite(gain) ? std::fmax(gain, 0.0f) : 0.0f;
}

Voice* SoundSystem::findVoice(int index, std::uint32_t generation)
{
    if (index < 0 || static_cast<std::size_t>(index) >= voices.size())
        return nullptr;
    Voice& voice = voices[static_cast<std::size_t>(index)];
    return voice.active && voice.generation == generation ? &voice : nullptr;
}

bool SoundSystem::isVoicePlaying(int index, std::uint32_t generation)
{
    Voice* voice = findVoice(index, generation);
    if (!voice)
        return false;
    if (voice->started && !voice->stream && !voice->outputPaused && hasVoiceEnded(*voice)) {
        retireVoice(*voice);
        return false;
    }
    return true;
}

void SoundSystem::stopGroup(const ChannelGroup& group)
{
    for (Voice& voice : voices)
        if (voice.active && voice.group->isWithin(group))
            retireVoice(voice);
}

bool SoundSystem::isGroupPlaying(const ChannelGroup& group)
{
    for (std::size_t i = 0; i < voices.size(); ++i) {
        const Voice& voice = voices[i];
        if (voice.active && voice.group->isWithin(group) && isVoicePlaying(static_cast<int>(i), voice.generation))
            return true;
    }
    return false;
}

void SoundSystem::destroyChannelsOf(const Sound* sound)
{
    for (Voice& voice : voices)
        if (voice.active && (voice.sound == sound || voice.sound->getParent() == sound))
            retireVoice(voice);
}

void SoundSystem::destroySound(Sound* sound)
{
    destroyChannelsOf(sound);
    for (auto it = sounds.begin(); it != sounds.end(); ++it) {
        if (it->get() == sound) {
            sounds.erase(it);
            return;
        }
    }
}

} // namespace platform
