#include "platform/sound/SoundOutput.h"

#include <AL/al.h>

namespace platform {

namespace {

const int nominalRate = 48000;

std::uint64_t samplesIn(std::uint64_t nanoseconds, int rate)
{
    const std::uint64_t perSecond = 1000000000ull;
    return nanoseconds / perSecond * static_cast<std::uint64_t>(rate) +
           nanoseconds % perSecond * static_cast<std::uint64_t>(rate) / perSecond;
}

} // namespace

bool SoundOutput::openDevice(int sources)
{
    close();
    device = alcOpenDevice(nullptr);
    const ALCint attributes[] = {ALC_MONO_SOURCES, sources, ALC_STEREO_SOURCES, sources, 0};
    return device && createContext(attributes);
}

bool SoundOutput::openLoopback(int sources, int sampleRate)
{
    close();
    auto openLoopbackDevice =
        reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    renderSamples = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    device = openLoopbackDevice ? openLoopbackDevice(nullptr) : nullptr;
    const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT, ALC_FLOAT_SOFT,
                                 ALC_FREQUENCY, sampleRate, ALC_MONO_SOURCES, sources, ALC_STEREO_SOURCES, sources,
                                 0};
    return device && renderSamples && createContext(attributes);
}

bool SoundOutput::createContext(const ALCint* attributes)
{
    context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context)) {
        close();
        return false;
    }
    alcGetIntegerv(device, ALC_FREQUENCY, 1, &rate);
    if (alcIsExtensionPresent(device, "ALC_SOFT_device_clock"))
        getInteger64 = reinterpret_cast<LPALCGETINTEGER64VSOFT>(alcGetProcAddress(device, "alcGetInteger64vSOFT"));
    openedAt = std::chrono::steady_clock::now();
    return true;
}

void SoundOutput::close()
{
    if (context) {
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
    if (device)
        alcCloseDevice(device);
    context = nullptr;
    device = nullptr;
    getInteger64 = nullptr;
    renderSamples = nullptr;
    rate = nominalRate;
    openedAt = std::chrono::steady_clock::now();
}

std::uint64_t SoundOutput::clock() const
{
    if (getInteger64) {
        ALCint64SOFT nanoseconds = 0;
        getInteger64(device, ALC_DEVICE_CLOCK_SOFT, 1, &nanoseconds);
        return samplesIn(static_cast<std::uint64_t>(nanoseconds), rate);
    }
    const auto elapsed = std::chrono::steady_clock::now() - openedAt;
    return samplesIn(static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count()),
                     rate);
}

void SoundOutput::render(float* frames, int count)
{
    if (renderSamples && context)
        renderSamples(device, frames, count);
}

} // namespace platform
