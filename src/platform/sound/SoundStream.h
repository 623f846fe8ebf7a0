// Progressive decoding for one playing stream: a few buffers queued on the
// OpenAL source, each refilled with the next part of the sound once played.
#pragma once

#include "platform/sound/SoundDecoder.h"

#include <AL/al.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class SoundStream {
public:
    explicit SoundStream(std::unique_ptr<SoundDecoder> decoder);
    // The source must no longer hold the buffers.
    ~SoundStream();
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    // Queues the first buffers on the source.
    void prime(ALuint source, bool loop);
    // Queues new parts in place of the played ones and restarts a source
    // that ran dry; false once the whole sound has been played.
    bool refill(ALuint source, bool loop);
    // Empties the source's queue (leaving it in its initial state) and
    // queues the sound again from that play position.
    void restartAt(ALuint source, std::uint32_t milliseconds, bool loop);

private:
    // Decodes the next part into the buffer; false when nothing is left.
    bool fill(ALuint buffer, bool loop);

    std::unique_ptr<SoundDecoder> decoder;
    std::vector<ALuint> buffers;
    std::vector<std::int16_t> part;
    bool ended = false;
};

// The frame a play position in milliseconds lands on, in a sound of that
// length in frames (0 or less: unknown): past the end it wraps for a looping
// sound and stays on the last frame of any other.
std::int64_t playFrame(std::uint32_t milliseconds, int sampleRate, std::int64_t length, bool loop);

} // namespace platform
