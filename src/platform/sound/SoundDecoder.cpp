#include "platform/sound/SoundDecoder.h"

#include <algorithm>
#include <limits>

namespace platform {

namespace {

SoundCursor& cursorOf(void* user) { return *static_cast<SoundCursor*>(user); }

sf_count_t sourceLength(void* user) { return cursorOf(user).data->size(); }

sf_count_t seekSource(sf_count_t offset, int whence, void* user)
{
    SoundCursor& cursor = cursorOf(user);
    const sf_count_t base = whence == SEEK_CUR ? cursor.position : whence == SEEK_END ? cursor.data->size() : 0;
    cursor.position = std::clamp<sf_count_t>(base + offset, 0, cursor.data->size());
    return cursor.position;
}

sf_count_t readSource(void* into, sf_count_t count, void* user)
{
    SoundCursor& cursor = cursorOf(user);
    const std::size_t read = cursor.data->readAt(cursor.position, into, static_cast<std::size_t>(count));
    cursor.position += static_cast<sf_count_t>(read);
    return static_cast<sf_count_t>(read);
}

sf_count_t writeNothing(const void*, sf_count_t, void*) { return 0; }

sf_count_t tellSource(void* user) { return cursorOf(user).position; }

SF_VIRTUAL_IO virtualIo = {sourceLength, seekSource, readSource, writeNothing, tellSource};

} // namespace

std::unique_ptr<SoundDecoder> SoundDecoder::open(std::unique_ptr<SoundData> data)
{
    if (!data)
        return nullptr;
    std::unique_ptr<SoundDecoder> decoder(new SoundDecoder(std::move(data)));
    decoder->file = sf_open_virtual(&virtualIo, SFM_READ, &decoder->info, &decoder->cursor);
    if (!decoder->file || decoder->info.channels < 1 || decoder->info.samplerate < 1)
        return nullptr;
    decoder->outputChannels = decoder->info.channels == 2 ? 2 : 1;
    return decoder;
}

SoundDecoder::~SoundDecoder()
{
    if (file)
        sf_close(file);
}

unsigned SoundDecoder::lengthMilliseconds() const
{
    // libsndfile reports SF_COUNT_MAX frames for a length it cannot tell (an
    // Ogg file cut short); in milliseconds that would overflow. Such a length,
    // and any the result cannot hold, is unknown.
    constexpr std::int64_t millisecondsPerSecond = 1000;
    if (info.frames < 0 || info.frames > std::numeric_limits<std::int64_t>::max() / millisecondsPerSecond)
        return 0;
    const std::int64_t milliseconds = info.frames * millisecondsPerSecond / info.samplerate;
    return milliseconds <= std::numeric_limits<unsigned>::max() ? static_cast<unsigned>(milliseconds) : 0;
}

std::size_t SoundDecoder::read(std::int16_t* samples, std::size_t count)
{
    if (info.channels <= 2)
        return static_cast<std::size_t>(sf_readf_short(file, samples, static_cast<sf_count_t>(count)));
    mixBuffer.resize(count * static_cast<std::size_t>(info.channels));
    const auto frames =
        static_cast<std::size_t>(sf_readf_short(file, mixBuffer.data(), static_cast<sf_count_t>(count)));
    for (std::size_t frame = 0; frame < frames; ++frame) {
        int sum = 0;
        for (int channel = 0; channel < info.channels; ++channel)
            sum += mixBuffer[frame * static_cast<std::size_t>(info.channels) + static_cast<std::size_t>(channel)];
        samples[frame] = static_cast<std::int16_t>(sum / info.channels);
    }
    return frames;
}

bool SoundDecoder::rewind() { return seek(0); }

bool SoundDecoder::seek(std::int64_t frame) { return sf_seek(file, frame, SEEK_SET) == frame; }

std::vector<std::int16_t> SoundDecoder::readAll()
{
    const std::size_t chunk = 16384;
    std::vector<std::int16_t> samples;
    std::size_t frames = 0;
    for (;;) {
        samples.resize((frames + chunk) * static_cast<std::size_t>(outputChannels));
        const std::size_t read = this->read(samples.data() + frames * static_cast<std::size_t>(outputChannels), chunk);
        frames += read;
        if (read == 0)
            break;
    }
    samples.resize(frames * static_cast<std::size_t>(outputChannels));
    return samples;
}

std::vector<std::int16_t> mixToMono(const std::vector<std::int16_t>& stereo)
{
    std::vector<std::int16_t> mono(stereo.size() / 2);
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = static_cast<std::int16_t>((stereo[2 * i] + stereo[2 * i + 1]) / 2);
    return mono;
}

} // namespace platform
