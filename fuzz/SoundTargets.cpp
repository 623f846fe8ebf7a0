// Fuzz targets of the sound files: a sound bank with every entry decoded as
// the sound system decodes it, and a single sound file decoded.
#include "FuzzTarget.h"

#include "platform/sound/SoundBank.h"
#include "platform/sound/SoundDecoder.h"

namespace {

// The key the sample game's banks are packed with (game/sounds.cmake).
const char* const bankKey = "Murdane7";

void decode(std::unique_ptr<platform::SoundData> data)
{
    std::unique_ptr<platform::SoundDecoder> decoder = platform::SoundDecoder::open(std::move(data));
    if (!decoder)
        return;
    decoder->lengthMilliseconds();
    const std::vector<std::int16_t> samples = decoder->readAll();
    if (decoder->channels() == 2)
        platform::mixToMono(samples);
}

void readBank()
{
    std::unique_ptr<platform::BankFile> bank =
        platform::BankFile::open(platform::openSoundData(fuzzInputPath()), bankKey);
    if (!bank)
        return;
    for (std::size_t entry = 0; entry < bank->entries().size(); ++entry)
        decode(bank->openEntry(entry));
}

void readSound() { decode(platform::openSoundData(fuzzInputPath())); }

} // namespace

std::vector<FuzzTarget> soundTargets()
{
    return {
        {"sound_bank", "GAMERSC", "sounds.tzn", {}, nullptr, readBank},
        {"sound_file", "GAMERSC", "sound", {}, nullptr, readSound},
    };
}
