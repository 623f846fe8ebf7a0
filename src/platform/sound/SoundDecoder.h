// Decodes a sound file (WAV, Ogg Vorbis, FLAC, MP3 and the other formats
// libsndfile reads) from any byte source into 16-bit samples: mono, or
// stereo for two-channel files (more channels are mixed down to mono).
#pragma once

#include "platform/sound/SoundData.h"

#include <sndfile.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// A byte source with the read position that libsndfile moves.
struct SoundCursor {
    std::unique_ptr<SoundData> data;
    std::int64_t position = 0;
};

class SoundDecoder {
public:
    // Null when libsndfile cannot read the data.
    static std::unique_ptr<SoundDecoder> open(std::unique_ptr<SoundData> data);
    ~SoundDecoder();
    SoundDecoder(const SoundDecoder&) = delete;
    SoundDecoder& operator=(const SoundDecoder&) = delete;

    // Channels of the decoded samples: 1 or 2.
    int channels() const { return outputChannels; }
    int sampleRate() const { return info.samplerate; }
    std::int64_t frames() const { return info.frames; }
    // 0 when the file does not tell its length.
    unsigned lengthMilliseconds() const;

    // Reads up to count frames of interleaved samples; 0 at the end.
    std::size_t read(std::int16_t* samples, std::size_t count);
    // Back to the first frame; false when the source cannot seek.
    bool rewind();
    // To that frame; false when the source cannot seek there.
    bool seek(std::int64_t frame);
    // Every remaining frame.
    std::vector<std::int16_t> readAll();

private:
    explicit SoundDecoder(std::unique_ptr<SoundData> data) { cursor.data = std::move(data); }

    SoundCursor cursor;
    SNDFILE* file = nullptr;
    SF_INFO info{};
    int outputChannels = 1;
    std::vector<std::int16_t> mixBuffer;
};

// Mixes interleaved stereo down to mono.
std::vector<std::int16_t> mixToMono(const std::vector<std::int16_t>& stereo);

} // namespace platform
