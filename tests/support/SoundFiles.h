// Sound files, banks and level measurements for the sound tests. Tones are
// written through libsndfile, so every format the runtime reads can be made
// on the spot.
#pragma once

#include "platform/sound/SoundBank.h"

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace soundtest {

const int wavFormat = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
const int oggFormat = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
const int flacFormat = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
const int mp3Format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;

const char* const bankKey = "Murdane7";

// OpenAL Soft reads its configuration once, at its first call in the process,
// so every test that reaches OpenAL calls this first: the "null" backend
// mixes without a sound card (and never plays through the speakers).
inline void useSilentSoundOutput() { setenv("ALSOFT_DRIVERS", "null", 1); }

// A sine tone of the given length in seconds.
inline bool writeTone(const std::string& path, int format, double seconds, int channels = 1,
                      double frequency = 440.0, int rate = 44100)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    const auto frames = static_cast<std::size_t>(seconds * rate);
    std::vector<float> samples(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] =
                static_cast<float>(0.5 * std::sin(2.0 * M_PI * frequency * static_cast<double>(i) / rate));
    sf_writef_float(file, samples.data(), static_cast<sf_count_t>(frames));
    sf_close(file);
    return true;
}

inline std::vector<unsigned char> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A bank of (sub-sound name, sound file) pairs.
inline bool writeTestBank(const std::string& path, const std::string& key,
                          const std::vector<std::pair<std::string, std::string>>& sounds)
{
    std::vector<platform::BankSound> entries;
    for (const auto& [name, file] : sounds)
        entries.push_back({name, fileBytes(file)});
    return platform::writeBank(path, key, entries);
}

// Levels of interleaved stereo samples.
struct Levels {
    float peak = 0.0f;
    float left = 0.0f; // root mean square
    float right = 0.0f;
    float rms() const { return std::sqrt((left * left + right * right) / 2.0f); }
};

inline Levels measureStereo(const std::vector<float>& samples, std::size_t fromFrame = 0)
{
    Levels levels;
    double left = 0.0;
    double right = 0.0;
    const std::size_t frames = samples.size() / 2;
    for (std::size_t i = fromFrame; i < frames; ++i) {
        left += samples[2 * i] * samples[2 * i];
        right += samples[2 * i + 1] * samples[2 * i + 1];
        levels.peak = std::max({levels.peak, std::fabs(samples[2 * i]), std::fabs(samples[2 * i + 1])});
    }
    const double count = frames > fromFrame ? static_cast<double>(frames - fromFrame) : 1.0;
    levels.left = static_cast<float>(std::sqrt(left / count));
    levels.right = static_cast<float>(std::sqrt(right / count));
    return levels;
}

} // namespace soundtest
