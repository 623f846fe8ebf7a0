#include "platform/sound/SoundStream.h"

namespace platform {

namespace {

// Four parts of 8192 frames: about 0.7 s of sound queued at 48 kHz.
const int bufferCount = 4;
const std::size_t framesPerPart = 8192;
const std::int64_t millisecondsPerSecond = 1000;

} // namespace

SoundStream::SoundStream(std::unique_ptr<SoundDecoder> decoder)
    : decoder(std::move(decoder)), buffers(bufferCount),
      part(framesPerPart * static_cast<std::size_t>(this->decoder->channels()))
{
    alGenBuffers(bufferCount, buffers.data());
}

SoundStream::~SoundStream() { alDeleteBuffers(static_cast<ALsizei>(buffers.size()), buffers.data()); }

bool SoundStream::fill(ALuint buffer, bool loop)
{
    std::size_t frames = decoder->read(part.data(), framesPerPart);
    if (frames == 0 && loop && decoder->rewind())
        frames = decoder->read(part.data(), framesPerPart);
    if (frames == 0)
        return false;
    const ALenum format = decoder->channels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    const std::size_t samples = frames * static_cast<std::size_t>(decoder->channels());
    const auto bytes = static_cast<ALsizei>(samples * sizeof(std::int16_t));
    alBufferData(buffer, format, part.data(), bytes, decoder->sampleRate());
    return true;
}

void SoundStream::prime(ALuint source, bool loop)
{
    for (ALuint buffer : buffers) {
        if (!fill(buffer, loop)) {
            ended = true;
            break;
        }
        alSourceQueueBuffers(source, 1, &buffer);
    }
}

bool SoundStream::refill(ALuint source, bool loop)
{
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        if (!ended && fill(buffer, loop))
            alSourceQueueBuffers(source, 1, &buffer);
        else
            ended = true;
    }
    ALint queued = 0;
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (queued == 0)
        return false;
    if (state == AL_STOPPED)
        alSourcePlay(source);
    return true;
}

void SoundStream::restartAt(ALuint source, std::uint32_t milliseconds, bool loop)
{
    alSourceRewind(source);
    alSourcei(source, AL_BUFFER, 0);
    ended = !decoder->seek(playFrame(milliseconds, decoder->sampleRate(), decoder->frames(), loop));
    if (!ended)
        prime(source, loop);
}

std::int64_t playFrame(std::uint32_t milliseconds, int sampleRate, std::int64_t length, bool loop)
{
    const std::int64_t frame = milliseconds * static_cast<std::int64_t>(sampleRate) / millisecondsPerSecond;
    if (length <= 0 || frame < length)
        return frame;
    return loop ? frame % length : length - 1;
}

} // namespace platform
