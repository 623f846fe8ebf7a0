// The OpenAL Soft device and context the sound layer mixes into: the
// system's default output, or a loopback device rendered on request (tests
// and measurements). Also the output clock, counted in output samples.
#pragma once

#include <AL/alc.h>
#include <AL/alext.h>

#include <chrono>
#include <cstdint>

namespace platform {

class SoundOutput {
public:
    SoundOutput() = default;
    ~SoundOutput() { close(); }
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Each makes its context current; false when no device opens.
    bool openDevice(int sources);
    bool openLoopback(int sources, int sampleRate);
    void close();

    bool isOpen() const { return context != nullptr; }
    // Output samples per second (a nominal 48000 while nothing is open).
    int sampleRate() const { return rate; }
    // Output samples mixed since the output opened; without an output, time
    // since the last close at the nominal rate.
    std::uint64_t clock() const;
    // Mixes the next frames of a loopback output as interleaved stereo floats.
    void render(float* frames, int count);

private:
    bool createContext(const ALCint* attributes);

    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    LPALCGETINTEGER64VSOFT getInteger64 = nullptr;
    LPALCRENDERSAMPLESSOFT renderSamples = nullptr;
    int rate = 48000;
    std::chrono::steady_clock::time_point openedAt = std::chrono::steady_clock::now();
};

} // namespace platform
