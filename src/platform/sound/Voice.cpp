#include "platform/sound/Voice.h"

#include "platform/sound/Sound.h"

#include <AL/alext.h>

#include <cmath>

namespace platform {

namespace {

const float quarterTurn = 1.5707963f;

// OpenAL pans a source by its direction from the listener: a panned channel
// sits on the unit circle about the listener's head, ahead at 0 and at either
// ear at -1 and +1, so its two output levels keep their total power.
SoundVector panPosition(float pan)
{
    return SoundVector{std::sin(pan * quarterTurn), 0.0f, -std::cos(pan * quarterTurn)};
}

} // namespace

void applyVoiceProperties(Voice& voice, float rolloff)
{
    const ALuint source = voice.source;
    const bool placed = isPlaced(voice.mode);
    const bool panned = !placed && voice.pan != 0.0f;
    alSourcef(source, AL_PITCH, voice.pitch);
    alSourcei(source, AL_LOOPING, !voice.stream && isLooping(voice.mode) ? AL_TRUE : AL_FALSE);
    alSourcei(source, AL_SOURCE_RELATIVE, placed ? AL_FALSE : AL_TRUE);
    const SoundVector at = placed ? voice.position : panned ? panPosition(voice.pan) : SoundVector{};
    alSource3f(source, AL_POSITION, at.x, at.y, at.z);
    // A stereo source, buffer or stream, is only moved off the centre when
    // spatialized, which mixes it down to mono (half of each side) first.
    alSourcei(source, AL_SOURCE_SPATIALIZE_SOFT, panned ? AL_TRUE : AL_AUTO_SOFT);
    alSource3f(source, AL_VELOCITY, voice.velocity.x, voice.velocity.y, voice.velocity.z);
    alSourcef(source, AL_REFERENCE_DISTANCE, voice.minDistance);
    alSourcef(source, AL_MAX_DISTANCE, voice.maxDistance);
    alSourcef(source, AL_ROLLOFF_FACTOR, placed ? rolloff : 0.0f);
    voice.propertiesChanged = false;
}

void startVoiceOutput(Voice& voice, float gain, float rolloff)
{
    if (voice.stream)
        voice.stream->prime(voice.source, isLooping(voice.mode));
    else
        alSourcei(voice.source, AL_BUFFER, static_cast<ALint>(voice.sound->bufferFor(isPlaced(voice.mode))));
    applyVoiceProperties(voice, rolloff);
    setVoiceOutputGain(voice, gain);
    alSourcePlay(voice.source);
    voice.started = true;
    voice.outputPaused = false;
}

void setVoiceOutputPaused(Voice& voice, bool paused)
{
    if (paused == voice.outputPaused)
        return;
    if (paused)
        alSourcePause(voice.source);
    else
        alSourcePlay(voice.source);
    voice.outputPaused = paused;
}

void setVoiceOutputGain(Voice& voice, float gain)
{
    if (gain == voice.outputGain)
        return;
    alSourcef(voice.source, AL_GAIN, gain);
    voice.outputGain = gain;
}

bool hasVoiceEnded(Voice& voice)
{
    if (voice.stream)
        return !voice.stream->refill(voice.source, isLooping(voice.mode));
    ALint state = AL_STOPPED;
    alGetSourcei(voice.source, AL_SOURCE_STATE, &state);
    return state == AL_STOPPED;
}

void retireVoice(Voice& voice)
{
    if (voice.started) {
        alSourceStop(voice.source);
        alSourcei(voice.source, AL_BUFFER, 0);
    }
    voice.stream.reset();
    voice.sound = nullptr;
    voice.group = nullptr;
    voice.active = false;
    voice.started = false;
    voice.outputGain = -1.0f;
}

} // namespace platform
