// The sound system: a fixed set of voices mixed by OpenAL Soft, the master
// channel group with named groups under it, the sounds made from files and
// banks, the 3D listener and the output clock. One system exists at a time
// (it owns the process's current OpenAL context) and is driven from one
// thread; update() runs once a frame and is where changes reach the mixer.
//
// Without an output device the system is muted: sounds, banks and groups
// still work, but plays are refused (a null channel).
#pragma once

#include "platform/sound/Channel.h"
#include "platform/sound/ChannelGroup.h"
#include "platform/sound/Sound.h"
#include "platform/sound/SoundOutput.h"
#include "platform/sound/Voice.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct SoundCreateInfo {
    // The key a bank file opens with.
    std::string encryptionKey;
};

class SoundSystem {
public:
    SoundSystem();
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Opens the default output with that many voices; false leaves it muted.
    bool init(int maxChannels);
    // Mixes into memory on request (renderLoopback) instead of a device.
    bool initLoopback(int maxChannels, int sampleRate);
    // Stops and frees everything and closes the output.
    void close();
    bool isMuted() const { return !output.isOpen(); }
    void renderLoopback(float* stereoFrames, int frameCount) { output.render(stereoFrames, frameCount); }

    // A bank when the file is one (opened with info's key), else a sound file:
    // decoded whole, or as a stream with soundStream in the mode. Null when
    // the file is missing, unreadable or a bank with another key.
    Sound* createSound(const std::string& path, unsigned mode, const SoundCreateInfo* info = nullptr);
    ChannelGroup* createChannelGroup(const std::string& name);
    ChannelGroup* getMasterChannelGroup() { return groups.front().get(); }
    // A null channel when muted, for a bank, or when every voice is taken by
    // a more important channel. Playing a stream again restarts it.
    Channel playSound(Sound* sound, ChannelGroup* group, bool paused);

    void set3DSettings(float dopplerScale, float distanceFactor, float rolloffScale);
    // One listener (index 0). An orientation with a zero forward or up vector is ignored.
    void set3DListenerAttributes(int listener, const SoundVector& position, const SoundVector& velocity,
                                 const SoundVector& forward, const SoundVector& up);
    int getSoftwareSampleRate() const { return output.sampleRate(); }
    std::uint64_t getDspClock() const { return output.clock(); }
    void update();

    // For the layer's own classes.
    // Whether the system exists: a handle may outlive its system.
    static bool isLive(const SoundSystem* system);
    Voice* findVoice(int index, std::uint32_t generation);
    bool isVoicePlaying(int index, std::uint32_t generation);
    void stopVoice(Voice& voice) { retireVoice(voice); }
    void stopGroup(const ChannelGroup& group);
    bool isGroupPlaying(const ChannelGroup& group);
    void destroySound(Sound* sound);

private:
    bool createVoices(int count);
    Sound* openSound(const std::string& path, unsigned mode, const SoundCreateInfo* info);
    int takeVoice();
    void destroyChannelsOf(const Sound* sound);
    void updateVoice(Voice& voice, std::uint64_t clock);
    float voiceGainAt(const Voice& voice, std::uint64_t clock) const;

    SoundOutput output;
    std::vector<Voice> voices;
    std::vector<std::unique_ptr<ChannelGroup>> groups;
    std::vector<std::unique_ptr<Sound>> sounds;
    std::uint64_t playCount = 0;
    float rolloffScale = 1.0f;
};

} // namespace platform
