// The audio service with OpenAL Soft choosing its output from the
// environment, which it reads once per process: each test runs again in a
// child process with its own settings. Two write what is mixed to a wave
// file ("wave" backend) and check what came out; one has no device at all.
#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "app/MixFrames.h"
#include "core/effects/ExplosionElement.h"
#include "world/EffectsTestScene.h"
#include "world/GameCamera.h"
#include "support/ChildRun.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

namespace {

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
    using namespace mixframes;
    AudioTestGame testGame;
    initSound();
    ASSERT_FALSE(audio().system->isMuted());
    loadSound("beep.wav", false, false, false, false);

    // Each sound is asked for before its frames; each stretch of frames
    // outlasts the quarter-second beep in the mix.
    ASSERT_TRUE(playSound("beep.wav", 1.0f, noSoundPosition, false).isValid());
    const std::uint64_t effect = playFor(0.3).front();

    setMasterVolume(0);
    ASSERT_TRUE(playSound("beep.wav", 1.0f, noSoundPosition, true).isValid());
    const std::uint64_t mutedMaster = playFor(0.3).front();
    setMasterVolume(100);

    Game::getSingletonPtr()->isSoundOn = false;
    EXPECT_FALSE(playSound("beep.wav", 1.0f, noSoundPosition, true).isValid());
    const std::uint64_t soundOff = playFor(0.2).front();
    Game::getSingletonPtr()->isSoundOn = true;

    queueMusic("theme", 1.0f, 0.0f, true);
    playFor(0.0); // the queue starts the music, which plays from the next frame
    const std::uint64_t music = playFor(0.4).front();
    const std::uint64_t fade = audio().system->getDspClock();
    fadeOutMusic(1.0f);
    const std::vector<std::uint64_t> fading = playFor(1.3);
    // 40 % of the fade, and all of it, past.
    const std::uint64_t fadingOut = firstFrameFrom(fading, fade + samplesOf(0.4));
    const std::uint64_t fadedOut = firstFrameFrom(fading, fade + samplesOf(1.0));
    EXPECT_FALSE(audio().musicChannel.isPlaying());
    shutdownSound();

    const soundrecording::Recording mix = soundrecording::readRecording(std::getenv("ZARNITH_WAVE_FILE"));
    ASSERT_FALSE(mix.samples.empty());
    EXPECT_GT(heard(mix, effect, 0.05, 0.2).rms(), 0.05f);
    EXPECT_LT(heard(mix, mutedMaster, 0.05, 0.25).peak, 1e-3f);
    EXPECT_LT(heard(mix, soundOff, 0.05, 0.2).peak, 1e-3f);
    const float full = heard(mix, music, 0.15, 0.4).rms();
    EXPECT_GT(full, 0.05f);
    // At most 60 % of the volume once 40 % of the fade has passed, and
    // nothing once all of it has.
    const float middle = heard(mix, fadingOut, 0.03, 0.1).rms();
    EXPECT_LT(middle, 0.8f * full);
    EXPECT_GT(middle, 0.0f);
    EXPECT_LT(heard(mix, fadedOut, 0.05, 0.15).peak, 1e-3f);
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
    using namespace mixframes;
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
        element.update(0.01);
        const std::uint64_t exploded = playFor(0.3).front();
        panChannel(playSound("beep.wav", 1.0f, noSoundPosition, true), c.pan);
        const std::uint64_t byHand = playFor(0.3).front();
        starts.emplace_back(exploded, byHand);
    }
    scene.game.explosionSoundPanning = 0.0f;
    shutdownSound();

    const soundrecording::Recording mix = soundrecording::readRecording(std::getenv("ZARNITH_WAVE_FILE"));
    const auto balance = [](const soundtest::Levels& levels) { return levels.right / (levels.left + levels.right); };
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const soundtest::Levels explosion = heard(mix, starts[i].first, 0.05, 0.2);
        const soundtest::Levels reference = heard(mix, starts[i].second, 0.05, 0.2);
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
