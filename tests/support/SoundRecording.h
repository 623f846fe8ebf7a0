// The program's sound mix recorded through OpenAL Soft's "wave" output. The
// output writes the mix to a file as it plays, in real time, so the file's
// size at a moment of the run tells how far the mix had come then.
#pragma once

#include "support/ProgramRun.h"

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

namespace soundrecording {

// A mix quieter than this (root mean square, or a sample's size) is silence.
inline constexpr double audibleLevel = 1e-3;

// Makes the run's program write its mix into the run's folder; the path of
// the recording.
inline std::string recordMix(ProgramRun& run)
{
    const std::string recording = run.folder().path() + "mix.wav";
    run.folder().write("alsoft.conf", "[general]\ndrivers = wave\n[wave]\nfile = " + recording + "\n");
    run.environment["ALSOFT_CONF"] = run.folder().path() + "alsoft.conf";
    run.environment["ALSOFT_DRIVERS"] = "wave";
    return recording;
}

// The bytes written so far; 0 before the program opened its sound output.
inline std::uintmax_t writtenBytes(const std::string& path)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

struct Recording {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved
    std::uintmax_t dataStart = 0;
    std::uintmax_t bytesPerFrame = 1;

    std::size_t frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    // The frame being written when the file held that many bytes.
    std::size_t frameAt(std::uintmax_t bytes) const
    {
        return bytes <= dataStart ? 0 : std::min<std::size_t>((bytes - dataStart) / bytesPerFrame, frames());
    }
};

inline std::uintmax_t bytesPerSample(int format)
{
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_S8:
        return 1;
    case SF_FORMAT_PCM_16:
        return 2;
    case SF_FORMAT_PCM_24:
        return 3;
    case SF_FORMAT_DOUBLE:
        return 8;
    default:
        return 4;
    }
}

// The recording as far as it is written (all of it once the program has
// ended); empty when there is none.
inline Recording readRecording(const std::string& path)
{
    Recording recording;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return recording;
    recording.rate = info.samplerate;
    recording.channels = info.channels;
    recording.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(file, recording.samples.data(), info.frames);
    sf_close(file);
    recording.bytesPerFrame = bytesPerSample(info.format) * static_cast<std::uintmax_t>(info.channels);
    const std::uintmax_t dataBytes = static_cast<std::uintmax_t>(info.frames) * recording.bytesPerFrame;
    const std::uintmax_t size = writtenBytes(path);
    recording.dataStart = size > dataBytes ? size - dataBytes : 0;
    return recording;
}

// How much of the sound between two frames is one tone: the largest share of
// a block's power at that frequency (1 for a pure tone), over blocks of about
// 46 ms whose level is above `audible` (root mean square). 0 when no block is.
inline double strongestToneShare(const Recording& recording, std::size_t from, std::size_t to, double frequency,
                                 double audible)
{
    constexpr std::size_t block = 2048;
    if (recording.rate <= 0 || recording.channels <= 0)
        return 0.0;
    const double coefficient = 2.0 * std::cos(2.0 * M_PI * frequency / recording.rate);
    const auto channels = static_cast<std::size_t>(recording.channels);
    double strongest = 0.0;
    for (std::size_t start = from; start + block <= std::min(to, recording.frames()); start += block / 2) {
        double energy = 0.0, previous = 0.0, beforePrevious = 0.0;
        for (std::size_t frame = start; frame < start + block; ++frame) {
            double x = 0.0;
            for (std::size_t c = 0; c < channels; ++c)
                x += recording.samples[frame * channels + c];
            x /= static_cast<double>(channels);
            energy += x * x;
            const double next = x + coefficient * previous - beforePrevious;
            beforePrevious = previous;
            previous = next;
        }
        if (energy / block < audible * audible)
            continue;
        const double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
        strongest = std::max(strongest, 2.0 * power / (static_cast<double>(block) * energy));
    }
    return strongest;
}

// Waits until the mix recorded from that byte on holds the tone with more
// than the share `heard` (a sound plays once the program has read the key
// that starts it, later on a slow frame); the largest share found.
inline double waitForTone(const std::string& path, std::uintmax_t from, double frequency, double audible,
                          double heard, int seconds)
{
    double share = 0.0;
    for (const auto start = std::chrono::steady_clock::now();
         share <= heard && std::chrono::steady_clock::now() - start < std::chrono::seconds(seconds);) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const Recording mix = readRecording(path);
        share = std::max(share, strongestToneShare(mix, mix.frameAt(from), mix.frames(), frequency, audible));
    }
    return share;
}

} // namespace soundrecording
