// A sound of the layer: samples decoded whole into memory, a stream decoded
// while it plays, or a bank whose sub-sounds are sounds of either kind. The
// system that created a sound owns it; release() frees it (and stops its
// channels), except for a bank's sub-sounds, which belong to their bank.
#pragma once

#include "platform/sound/SoundData.h"
#include "platform/sound/SoundMode.h"

#include <AL/al.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class BankFile;
class SoundDecoder;
class SoundStream;
class SoundSystem;

class Sound {
public:
    using DataOpener = std::function<std::unique_ptr<SoundData>()>;

    Sound(SoundSystem& system, std::string name, unsigned mode, Sound* parent = nullptr);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // The file name without its folder, or the sub-sound's name in its bank.
    const std::string& getName() const { return name; }
    unsigned getMode() const { return mode; }
    // Changes the loop and placement flags that the mode carries (0: loop off,
    // unplaced); whether the sound streams stays as it was created.
    void setMode(unsigned newMode);
    // Length in milliseconds; 0 for a bank, a stream that cannot be read, or a
    // file that does not tell its length (it still plays what decodes).
    unsigned getLength();
    int getNumSubSounds() const;
    // Null for a bad index or a sub-sound that cannot be decoded.
    Sound* getSubSound(int index);
    // The first sub-sound index of that name; -1 when none.
    int findSubSound(const std::string& subSoundName) const;
    void set3DMinMaxDistance(float min, float max);
    float getMinDistance() const { return minDistance; }
    float getMaxDistance() const { return maxDistance; }
    void release();

    // For the layer itself.
    Sound* getParent() const { return parent; }
    bool isStream() const { return static_cast<bool>(openData); }
    bool isPlayable() const { return buffer != 0 || isStream(); }
    // Decodes all samples; without output buffers (muted) only the length is read.
    bool loadSamples(std::unique_ptr<SoundDecoder> decoder, bool makeBuffers);
    // A stream read through the opener; the decoder, when given, already
    // read it once and tells its length.
    void makeStream(DataOpener opener, const SoundDecoder* opened = nullptr);
    void makeBank(std::unique_ptr<BankFile> bank);
    // The buffer a channel plays: the mono one when placed in the world.
    ALuint bufferFor(bool placed) const { return placed && monoBuffer ? monoBuffer : buffer; }
    std::unique_ptr<SoundStream> openStream();

private:
    SoundSystem& system;
    std::string name;
    unsigned mode;
    Sound* parent;
    float minDistance = 1.0f;
    float maxDistance = 10000.0f;
    unsigned lengthMs = 0;
    bool lengthKnown = false;
    ALuint buffer = 0;
    ALuint monoBuffer = 0;
    DataOpener openData;
    std::unique_ptr<BankFile> bank;
    std::vector<std::unique_ptr<Sound>> subSounds;
};

// The mode after a change: 0 resets to loop off and unplaced; otherwise only
// the loop flags and the placement flags that are given change.
unsigned withModeFlags(unsigned current, unsigned requested);
bool isLooping(unsigned mode);
// Placed in the world (else played at the listener).
bool isPlaced(unsigned mode);

} // namespace platform
