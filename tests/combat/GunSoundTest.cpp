// The gun's looping channel heard through the mixer: OpenAL Soft's "wave"
// output writes what is mixed to a file, read back after the run. The
// output is chosen once per process, so the test runs again in a child.
#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "combat/Weapon.h"
#include "support/ChildRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

// Frames of about 10 ms, as the game's loop runs them, until the mixer's
// clock passes `until`; the mixer's clock at each frame. Fades move only in
// frames, so a test thread the machine starves makes fewer of them, and the
// checks look where the frames actually were.
std::vector<std::uint64_t> playUntil(std::uint64_t until)
{
    using Clock = std::chrono::steady_clock;
    std::vector<std::uint64_t> frames;
    Clock::time_point last = Clock::now();
    // A mixer that stopped would never reach the clock.
    const Clock::time_point giveUp = last + std::chrono::seconds(10);
    while (audio().system->getDspClock() < until && last < giveUp) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const Clock::time_point now = Clock::now();
        updateSound(std::chrono::duration<float>(now - last).count(), Ogre::Vector3::ZERO,
                    Ogre::Vector3::NEGATIVE_UNIT_Z);
        frames.push_back(audio().system->getDspClock());
        last = now;
    }
    return frames;
}

std::uint64_t samplesOf(double seconds)
{
    return static_cast<std::uint64_t>(seconds * audio().system->getSoftwareSampleRate());
}

// The first frame at or after the clock.
std::uint64_t firstFrameFrom(const std::vector<std::uint64_t>& frames, std::uint64_t clock)
{
    const auto frame = std::lower_bound(frames.begin(), frames.end(), clock);
    return frame == frames.end() ? clock : *frame;
}

// Levels of the mixed output from `from` to `to` seconds after the clock.
soundtest::Levels heard(const std::vector<float>& mix, int rate, std::uint64_t clock, double from, double to)
{
    const auto first = static_cast<std::size_t>(clock + static_cast<std::uint64_t>(from * rate));
    const auto last = static_cast<std::size_t>(clock + static_cast<std::uint64_t>(to * rate));
    const auto begin = mix.begin() + static_cast<std::ptrdiff_t>(std::min(2 * first, mix.size()));
    const auto end = mix.begin() + static_cast<std::ptrdiff_t>(std::min(2 * last, mix.size()));
    return soundtest::measureStereo(std::vector<float>(begin, end));
}

TEST(GunSound, TheBeamLoopReplacesTheWarmUpLoopOutlastsItsSoundAndFadesOutWhenFiringStops)
{
    TempFolder output;
    if (!isChildRun()) {
        output.write("alsoft.conf", "[general]\ndrivers = wave\nchannels = stereo\n[wave]\nfile = " +
                                        output.path() + "mix.wav\n");
        std::string log;
        EXPECT_EQ(runCurrentTestInChild({{"ALSOFT_CONF", output.path() + "alsoft.conf"}, {"ALSOFT_DRIVERS", "wave"},
                                         {"ZARNITH_WAVE_FILE", output.path() + "mix.wav"}},
                                        log),
                  0)
            << log;
        EXPECT_NE(log.find("[  PASSED  ] 1 test."), std::string::npos) << log;
        return;
    }
    AudioTestGame testGame;
    initSound();
    Weapon gun;
    gun.isLaser = 1;
    gun.shot = "beep.wav"; // a quarter of a second
    gun.chargeSoundName = "shot.wav";
    gun.impactSoundName = "none";
    gun.loadSounds();
    ASSERT_TRUE(isSoundLoaded("beep.wav") && isSoundLoaded("shot.wav"));

    gun.startWarmUpEffects();
    const platform::Channel warmUp = gun.shotChannel;
    EXPECT_TRUE(warmUp.isPlaying() && gun.isWarmUpSoundPlaying);
    gun.endWarmUpEffects();
    gun.startLaserSound();
    EXPECT_FALSE(warmUp.isPlaying());
    EXPECT_TRUE(gun.isLaserSoundPlaying && !gun.isWarmUpSoundPlaying);
    const std::uint64_t looping = audio().system->getDspClock();
    playUntil(looping + samplesOf(0.5));
    EXPECT_TRUE(gun.shotChannel.isPlaying());

    const std::uint64_t released = audio().system->getDspClock();
    gun.stopLaserSound();
    const std::vector<std::uint64_t> frames = playUntil(released + samplesOf(0.4));
    EXPECT_FALSE(gun.isLaserSoundPlaying);
    // Most of the fade has passed at the first frame after 0.12 s of its 0.2,
    // and all of it at the first frame after 0.25 s.
    const std::uint64_t fading = firstFrameFrom(frames, released + samplesOf(0.12));
    const std::uint64_t faded = firstFrameFrom(frames, released + samplesOf(0.25));
    playUntil(faded + samplesOf(0.15));
    // The warm-up's handle, whose sound was stopped, takes a fade without effect.
    platform::Channel stale = warmUp;
    fadeChannel(&stale, 0.2f, true, true);
    EXPECT_EQ(stale.getNumFadePoints(), 0);
    shutdownSound();

    SF_INFO info{};
    SNDFILE* file = sf_open(std::getenv("ZARNITH_WAVE_FILE"), SFM_READ, &info);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(info.channels, 2);
    std::vector<float> mix(static_cast<std::size_t>(info.frames * 2));
    sf_readf_float(file, mix.data(), info.frames);
    sf_close(file);
    // Still sounding after its quarter second: the loop goes round.
    EXPECT_GT(heard(mix, info.samplerate, looping, 0.3, 0.45).rms(), 0.05f);
    const float early = heard(mix, info.samplerate, released, 0.0, 0.05).rms();
    const float late = heard(mix, info.samplerate, fading, 0.0, 0.06).rms();
    EXPECT_GT(early, 0.05f);
    EXPECT_LT(late, 0.6f * early);
    EXPECT_LT(heard(mix, info.samplerate, faded, 0.0, 0.1).peak, 1e-3f);
}

} // namespace
