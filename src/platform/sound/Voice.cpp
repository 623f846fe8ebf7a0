#include "platform/sound/Voice.h"

#include "platform/sound/Sound.h"

#include <AL/alext.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

const float quarterTurn = 1.5707963f;
const int bitsPerByte = 8;

// OpenAL pans a source by its direction from the listener: a panned channel
// sits on the unit circle about the listener's head, ahead at 0 and at either
// ear at -1 and +1, so its two output levels keep their total power.
SoundVector panPosition(float pan)
{
    return SoundVector{std::sin(pan * quarterTurn), 0.0f, -std::cos(pan * quarterTurn)};
}

// Moves a source playing a whole buffer to the voice's play position; a
// paused source stays paused there.
void setSampleOffset(const Voice& voice)
{
    ALint buffer = 0;
    ALint bytes = 0;
    ALint channels = 1;
    ALint bits = 16;
    ALint rate = 0;
    alGetSourcei(voice.source, AL_BUFFER, &buffer);
    const auto id = static_cast<ALuint>(buffer);
    alGetBufferi(id, AL_SIZE, &bytes);
    alGetBufferi(id, AL_CHANNELS, &channels);
    alGetBufferi(id, AL_BITS, &bits);
    alGetBufferi(id, AL_FREQUENCY, &rate);
    const std::int64_t length = std::int64_t{bytes} * bitsPerByte / std::max(channels * bits, 1);
    const std::int64_t frame = playFrame(voice.positionMs, rate, length, isLooping(voice.mode));
    alSourcei(voice.source, AL_SAMPLE_OFFSET, static_cast<ALint>(frame));
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
    const bool loop = isLooping(voice.mode);
    if (voice.stream && voice.positionChanged)
        voice.stream->restartAt(voice.source, voice.positionMs, loop);
    else if (voice.stream)
        voice.stream->prime(voice.source, loop);
    else
        alSourcei(voice.source, AL_BUFFER, static_cast<ALint>(voice.sound->bufferFor(isPlaced(voice.mode))));
    if (!voice.stream && voice.positionChanged)
        setSampleOffset(voice);
    voice.positionChanged = false;
    applyVoiceProperties(voice, rolloff);
    setVoiceOutputGain(voice, gain);
    alSourcePlay(voice.source);
    voice.started = true;
    voice.outputPaused = false;
}

void applyVoicePosition(Voice& voice)
{
    voice.positionChanged = false;
    if (!voice.stream) {
        setSampleOffset(voice);
        return;
    }
    // The emptied queue leaves the source in its initial state, which the
    // stream's refill does not restart.
    voice.stream->restartAt(voice.source, voice.positionMs, isLooping(voice.mode));
    if (!voice.outputPaused)
        alSourcePlay(voice.source);
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
