// The audio service with OpenAL Soft choosing its output from the
// environment, which it reads once per process: each test runs again in a
// child process with its own settings. Two write what is mixed to a wave
// file ("wave" backend) and check what came out; one has no device at all.
#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "core/effects/ExplosionElement.h"
#include "world/EffectsTestScene.h"
#include "world/GameCamera.h"
#include "support/ChildRun.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// Calls updateSound about every 10 ms with the time that passed, as frames
// would, for that long.
void playFor(double seconds)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                     std::chrono::duration<double>(seconds));
    Clock::time_point last = Clock::now();
    while (last < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const Clock::time_point now = Clock::now();
        updateSound(std::chrono::duration<float>(now - last).count(), Ogre::Vector3::ZERO,
                    Ogre::Vector3::NEGATIVE_UNIT_Z);
        last = now;
    }
}

std::uint64_t outputClock() { return audio().system->getDspClock(); }

// What the wave file holds between two output clocks (in seconds after the first).
struct Recording {
    std::vector<float> samples; // interleaved
    int channels = 2;
    int rate = 44100;

    soundtest::Levels between(std::uint64_t clock, double from, double to) const
    {
        const auto first = static_cast<std::size_t>(clock + static_cast<std::uint64_t>(from * rate));
        const auto last = static_cast<std::size_t>(clock + static_cast<std::uint64_t>(to * rate));
        std::vector<float> stereo;
        for (std::size_t frame = first; frame < last && (frame + 1) * channels <= samples.size(); ++frame) {
            stereo.push_back(samples[frame * channels]);
            stereo.push_back(samples[frame * channels + (channels > 1 ? 1 : 0)]);
        }
        return soundtest::measureStereo(stereo);
    }
};

Recording readRecording(const std::string& path)
{
    Recording recording;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
        return recording;
    recording.channels = info.channels;
    recording.rate = info.samplerate;
    recording.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    sf_readf_float(file, recording.samples.data(), info.frames);
    sf_close(file);
    return recording;
}

void expectChildPasses(const std::map<std::string, std::string>& environment)
{
    std::string output;
    EXPECT_EQ(runCurrentTestInChild(environment, output), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
}

TEST(AudioOutput, WhatIsPlayedComesOutOfTheMixer)
{
    TempFolder output;
    if (!isChildRun()) {
        output.write("alsoft.conf", "[general]\ndrivers = wave\n[wave]\nfile = " + output.path() + "mix.wav\n");
        expectChildPasses({{"ALSOFT_CONF", output.path() + "alsoft.conf"}, {"ALSOFT_DRIVERS", "wave"},
                           {"ZARNITH_WAVE_FILE", output.path() + "mix.wav"}});
        return;
    }
    AudioTestGame testGame;
    initSound();
    ASSERT_FALSE(audio().system->isMuted());
    loadSound("beep.wav", false, false, false, false);

    const std::uint64_t effect = outputClock();
    ASSERT_TRUE(playSound("beep.wav", 1.0f, noSoundPosition, false).isValid());
    playFor(0.3);

    setMasterVolume(0);
    const std::uint64_t mutedMaster = outputClock();
    ASSERT_TRUE(playSound("beep.wav", 1.0f, noSoundPosition, true).isValid());
    playFor(0.3);
    setMasterVolume(100);

    Game::getSingletonPtr()->isSoundOn = false;
    const std::uint64_t soundOff = outputClock();
    EXPECT_FALSE(playSound("beep.wav", 1.0f, noSoundPosition, true).isValid());
    playFor(0.2);
    Game::getSingletonPtr()->isSoundOn = true;

    queueMusic("theme", 1.0f, 0.0f, true);
    const std::uint64_t music = outputClock();
    playFor(0.4);
    const std::uint64_t fade = outputClock();
    fadeOutMusic(0.4f);
    playFor(0.6);
    EXPECT_FALSE(audio().musicChannel.isPlaying());
    shutdownSound();

    const Recording mix = readRecording(std::getenv("ZARNITH_WAVE_FILE"));
    ASSERT_FALSE(mix.samples.empty());
    EXPECT_GT(mix.between(effect, 0.05, 0.2).rms(), 0.05f);
    EXPECT_LT(mix.between(mutedMaster, 0.05, 0.25).peak, 1e-3f);
    EXPECT_LT(mix.between(soundOff, 0.05, 0.2).peak, 1e-3f);
    EXPECT_GT(mix.between(music, 0.15, 0.4).rms(), 0.05f);
    const float early = mix.between(fade, 0.03, 0.1).rms();
    const float middle = mix.between(fade, 0.2, 0.27).rms();
    EXPECT_LT(middle, 0.8f * early);
    EXPECT_GT(middle, 0.0f);
    EXPECT_LT(mix.between(fade, 0.5, 0.6).peak, 1e-3f);
}

// Each explosion is followed by a beep panned by hand: both must come out with
// the same balance of right over left plus right, and the edges all on one side.
TEST(AudioOutput, ExplosionsArePannedByWhereTheyAreSeen)
{
    TempFolder output;
    if (!isChildRun()) {
        output.write("alsoft.conf", "[general]\ndrivers = wave\n[wave]\nfile = " + output.path() + "mix.wav\n");
        expectChildPasses({{"ALSOFT_CONF", output.path() + "alsoft.conf"}, {"ALSOFT_DRIVERS", "wave"},
                           {"ZARNITH_WAVE_FILE", output.path() + "mix.wav"}});
        return;
    }
    struct Case {
        float worldX; // the flat camera sees -8 .. 8
        float panning;
        bool hasNode;
        float pan;
        float balance; // below 0: only as the beep
    };
    const Case cases[] = {
        {8.0f, 1.0f / 3.0f, true, 0.3f, -1.0f}, // right edge
        {8.0f, 1.0f, true, 0.9f, 1.0f},
        {-30.0f, 1.0f, true, -0.9f, 0.0f}, // beyond the left edge
        {0.0f, 1.0f, true, 0.0f, 0.5f},    // centre
        {8.0f, 0.0f, true, 0.0f, 0.5f},    // no panning
        {8.0f, 1.0f, false, 0.0f, 0.5f},   // a sound-only element
    };
    EffectsTestScene scene;
    AudioTestGame testGame;
    GameCamera camera;
    camera.playCamera = scene.addFlatCamera("PanCam");
    initSound();
    loadSound("beep.wav", false, false, false, false);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> starts;
    for (const Case& c : cases) {
        scene.game.explosionSoundPanning = c.panning;
        ExplosionElement element;
        element.particleName.clear();
        element.isLight = c.hasNode ? 1 : 0;
        element.soundName = "beep.wav";
        element.sceneManager = scene.scene;
        element.camera = &camera;
        element.start(false);
        ASSERT_EQ(element.node != nullptr, c.hasNode);
        if (element.node)
            element.node->setPosition(c.worldX, 0.0f, -10.0f);
        const std::uint64_t exploded = outputClock();
        element.update(0.01);
        playFor(0.3);
        const std::uint64_t byHand = outputClock();
        panChannel(playSound("beep.wav", 1.0f, noSoundPosition, true), c.pan);
        playFor(0.3);
        starts.emplace_back(exploded, byHand);
    }
    scene.game.explosionSoundPanning = 0.0f;
    shutdownSound();

    const Recording mix = readRecording(std::getenv("ZARNITH_WAVE_FILE"));
    const auto balance = [](const soundtest::Levels& levels) { return levels.right / (levels.left + levels.right); };
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const soundtest::Levels explosion = mix.between(starts[i].first, 0.05, 0.2);
        const soundtest::Levels reference = mix.between(starts[i].second, 0.05, 0.2);
        ASSERT_GT(explosion.rms(), 0.05f) << i;
        EXPECT_NEAR(balance(explosion), balance(reference), 0.01f) << "case " << i;
        if (cases[i].balance >= 0.0f) {
            EXPECT_NEAR(balance(explosion), cases[i].balance, 0.01f) << "case " << i;
        }
    }
}

TEST(AudioOutput, WithoutADeviceTheGameRunsMuted)
{
    if (!isChildRun()) {
        expectChildPasses({{"ALSOFT_DRIVERS", "no-such-device"}});
        return;
    }
    LogCapture log;
    AudioTestGame testGame;
    initSound();
    EXPECT_TRUE(audio().system->isMuted());
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "no sound device could be opened: the game runs muted"),
              1);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
    EXPECT_TRUE(log.contains("musics banks initialized"));

    ASSERT_TRUE(loadSound("shot.wav", false, false, false, false));
    EXPECT_FALSE(playSound("shot.wav", 1.0f, noSoundPosition, true).isValid());
    EXPECT_FLOAT_EQ(getSoundDuration("shot.wav", nullptr), 0.3f);
    playMusicNow("theme", 1.0f);
    resumeMusic();
    queueMusic("boss", 1.0f, 0.5f, true);
    fadeOutMusic(0.5f);
    fadeOutEffects();
    loadPauseSound();
    playPauseSound("pause.wav", 90);
    applySoundSettings();
    updateSound(0.016f, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z);
    stopAllSoundsWithFade();
    shutdownSound();
}

} // namespace
