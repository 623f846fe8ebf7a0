// One of the system's voices: an OpenAL source with the state of the channel
// that plays on it. A voice is reused for one channel after another; the
// generation of its channel tells a live handle from one of an earlier channel.
#pragma once

#include "platform/sound/FadeEnvelope.h"
#include "platform/sound/SoundMode.h"
#include "platform/sound/SoundStream.h"

#include <AL/al.h>

#include <cstdint>
#include <memory>

namespace platform {

class ChannelGroup;
class Sound;

struct Voice {
    ALuint source = 0;
    std::uint32_t generation = 0;
    bool active = false;
    // The source has been given its sound and told to play.
    bool started = false;
    bool outputPaused = false;
    float outputGain = -1.0f;
    bool propertiesChanged = false;
    // A play position set since the last update, in milliseconds.
    bool positionChanged = false;
    std::uint32_t positionMs = 0;
    std::uint64_t startOrder = 0;

    Sound* sound = nullptr;
    ChannelGroup* group = nullptr;
    std::unique_ptr<SoundStream> stream;
    ControlState control;
    unsigned mode = soundDefault;
    float pitch = 1.0f;
    SoundVector position;
    SoundVector velocity;
    float minDistance = 1.0f;
    float maxDistance = 10000.0f;
    float pan = 0.0f;
    int priority = 128;
};

// Gives the source the voice's sound and properties and starts it.
void startVoiceOutput(Voice& voice, float gain, float rolloff);
// Pitch, loop, placement, pan and distances, after a change.
void applyVoiceProperties(Voice& voice, float rolloff);
// Moves the source to the voice's play position.
void applyVoicePosition(Voice& voice);
void setVoiceOutputPaused(Voice& voice, bool paused);
void setVoiceOutputGain(Voice& voice, float gain);
// For a started voice: whether its sound has played to the end. Keeps a
// stream fed.
bool hasVoiceEnded(Voice& voice);
// Stops the source, lets go of the sound and frees the voice.
void retireVoice(Voice& voice);

} // namespace platform
