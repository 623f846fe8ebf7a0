// The gun's looping channel heard through the mixer: OpenAL Soft's "wave"
// output writes what is mixed to a file, read back after the run. The
// output is chosen once per process, so the test runs again in a child.
#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "app/MixFrames.h"
#include "combat/Weapon.h"
#include "support/ChildRun.h"

#include <gtest/gtest.h>

namespace {

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
    using namespace mixframes;
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
    playUntil(faded + samplesOf(0.2));
    // The warm-up's handle, whose sound was stopped, takes a fade without effect.
    platform::Channel stale = warmUp;
    fadeChannel(&stale, 0.2f, true, true);
    EXPECT_EQ(stale.getNumFadePoints(), 0);
    shutdownSound();

    const soundrecording::Recording mix = soundrecording::readRecording(std::getenv("ZARNITH_WAVE_FILE"));
    ASSERT_FALSE(mix.samples.empty());
    // Still sounding after its quarter second: the loop goes round.
    EXPECT_GT(heard(mix, looping, 0.3, 0.45).rms(), 0.05f);
    const float early = heard(mix, released, 0.0, 0.05).rms();
    const float late = heard(mix, fading, 0.03, 0.09).rms();
    EXPECT_GT(early, 0.05f);
    EXPECT_LT(late, 0.6f * early);
    EXPECT_LT(heard(mix, faded, 0.05, 0.15).peak, 1e-3f);
}

} // namespace
