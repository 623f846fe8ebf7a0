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

private:
    // Decodes the next part into the buffer; false when nothing is left.
    bool fill(ALuint buffer, bool loop);

    std::unique_ptr<SoundDecoder> decoder;
    std::vector<ALuint> buffers;
    std::vector<std::int16_t> part;
    bool ended = false;
};

} // namespace platform
