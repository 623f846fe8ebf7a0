// The audio service on the "null" output of OpenAL Soft: channels play (in
// real time, unheard), so names, tables, guards, groups and the music queue
// are checked through the service's state.
#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "platform/Random.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using platform::Sound;

class AudioServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        soundtest::useSilentSoundOutput();
        initSound();
        setSoundMilliseconds([this] { return now; });
    }
    void TearDown() override
    {
        shutdownSound();
        setSoundMilliseconds({});
    }

    static AudioState& state() { return audio(); }
    static Game& game() { return *Game::getSingletonPtr(); }

    LogCapture log;
    AudioTestGame testGame;
    std::uint64_t now = 1000;
};

TEST_F(AudioServiceTest, StartUpOpensTheBanksWithItsLinesAndIndexesTheMusics)
{
    const std::string loading = "sounds banks loading: " + game().programFolder + "/data/Sounds/musics.tzn";
    const auto at = [this](const std::string& line) { return std::find(log.lines.begin(), log.lines.end(), line); };
    ASSERT_NE(at(loading), log.lines.end());
    EXPECT_EQ(at(loading) + 1, at("sounds banks loaded"));
    EXPECT_EQ(at("sounds banks loaded") + 1, at("musics banks initialized"));
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
    EXPECT_EQ(state().musicIndex, (std::map<std::string, int>{{"boss", 1}, {"theme", 0}}));
    EXPECT_TRUE(state().soundsBank && state().bank3D && state().pauseBank && state().musicBank);
    EXPECT_EQ(state().effectsGroup->getParent(), state().masterGroup);
    EXPECT_EQ(state().musicGroup->getName(), "channelMusic");
    EXPECT_EQ(state().editorGroup->getName(), "channelEditor");
    EXPECT_TRUE(state().musicGroup->getVolumeRamp());

    EXPECT_TRUE(soundFileExists("theme.mp3"));
    EXPECT_TRUE(soundFileExists("click.ogg"));
    EXPECT_FALSE(soundFileExists("shot.wav"));
    EXPECT_FALSE(soundFileExists(""));
}

TEST_F(AudioServiceTest, BanksWrittenWithAnotherKeyOrMissingStayAbsent)
{
    shutdownSound();
    AudioTestGame otherKey("Murdane8");
    initSound();
    EXPECT_FALSE(state().soundsBank || state().musicBank || state().bank3D || state().pauseBank);
    EXPECT_TRUE(state().musicIndex.empty());
    EXPECT_FALSE(loadSound("shot.wav", false, false, false, false));
    EXPECT_FALSE(loadMusic("theme"));
    EXPECT_FALSE(soundFileExists("theme"));
    EXPECT_TRUE(loadSound("click.ogg", false, false, false, false));

    shutdownSound();
    log.lines.clear();
    game().programFolder = otherKey.folder.path() + "nowhere/";
    initSound();
    EXPECT_FALSE(state().soundsBank);
    EXPECT_TRUE(log.contains("musics banks initialized"));
    // One line names each bank that did not open.
    for (const char* bank : {"musics.tzn", "sounds.tzn", "pauseSound.tzn", "sounds3D.tzn"}) {
        const std::string line = "[ERROR] can't open sound bank " + game().programFolder + "/data/Sounds/" + bank;
        EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), line), 1) << line;
    }
}

TEST_F(AudioServiceTest, LoadSoundFindsFilesThenTheBankByBaseName)
{
    EXPECT_FALSE(loadSound("", false, false, false, false));
    EXPECT_FALSE(loadSound("none", false, false, false, false));
    EXPECT_FALSE(loadSound("None", false, false, false, false));
    EXPECT_TRUE(loadSound("NONE", false, false, false, false)); // looked up as a name

    Sound* shot = loadSound("shot.wav", true, false, false, false);
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->getName(), "shot");
    EXPECT_EQ(shot->getMode(), platform::soundDefault);
    EXPECT_TRUE(isSoundLoaded("shot.wav"));
    EXPECT_TRUE(soundExists("shot.wav"));
    EXPECT_EQ(loadSound("shot.wav", false, false, false, false), shot);
    EXPECT_EQ(loadSound("shot", false, false, false, false), shot);
    EXPECT_FALSE(loadSound("shot.big.wav", false, false, false, false));
    EXPECT_FALSE(loadSound("shot.big.wav", false, false, false, false));
    EXPECT_FALSE(isSoundLoaded("shot.big.wav"));
    // A name that resolves to nothing is logged once, however often asked.
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "[ERROR] can't load sound: shot.big.wav"), 1);

    Sound* click = loadSound("click.ogg", false, false, false, false);
    ASSERT_TRUE(click);
    EXPECT_EQ(click->getName(), "click.ogg");
    EXPECT_TRUE(isSoundLoaded("click.ogg"));
    EXPECT_FALSE(loadSound("broken.wav", false, false, false, false));
    EXPECT_FALSE(isSoundLoaded("broken.wav"));

    Sound* uncached = loadSound("explosion.flac", false, false, true, false);
    EXPECT_TRUE(uncached);
    EXPECT_FALSE(isSoundLoaded("explosion.flac"));
}

TEST_F(AudioServiceTest, ThreeDAndPauseBankSoundsAreNeverCached)
{
    Sound* engine = loadSound("engine.wav", false, true, false, false);
    ASSERT_TRUE(engine);
    EXPECT_TRUE(platform::isPlaced(engine->getMode()));
    EXPECT_EQ(engine->getMinDistance(), 600.0f);
    EXPECT_EQ(engine->getMaxDistance(), 10000.0f);
    EXPECT_FALSE(isSoundLoaded("engine.wav"));

    Sound* pause = loadSound("pause_bank.ogg", false, false, false, true);
    ASSERT_TRUE(pause);
    EXPECT_EQ(pause->getName(), "pause_bank");
    EXPECT_FALSE(isSoundLoaded("pause_bank.ogg"));
    // The pause bank is searched only for the pause sound, the 3D bank only for 3D sounds.
    EXPECT_FALSE(loadSound("pause_bank.ogg", false, false, false, false));
    EXPECT_FALSE(loadSound("engine.wav", false, false, false, false));

    // A 3D sound file is cached like any other file.
    Sound* hum = loadSound("hum3d.wav", false, true, false, false);
    ASSERT_TRUE(hum);
    EXPECT_TRUE(platform::isPlaced(hum->getMode()));
    EXPECT_EQ(hum->getMinDistance(), 600.0f);
    EXPECT_TRUE(isSoundLoaded("hum3d.wav"));
}

TEST_F(AudioServiceTest, PlaySoundNeedsALoadedNameAndSoundOn)
{
    EXPECT_FALSE(playSound("shot.wav", 1.0f, noSoundPosition, true).isValid());
    loadSound("shot.wav", false, false, false, false);
    EXPECT_FALSE(playSound("", 1.0f, noSoundPosition, true).isValid());
    game().isSoundOn = false;
    EXPECT_FALSE(playSound("shot.wav", 1.0f, noSoundPosition, true).isValid());
    game().isSoundOn = true;
    platform::Channel channel = playSound("shot.wav", 1.0f, noSoundPosition, false);
    EXPECT_TRUE(channel.isPlaying());
    EXPECT_EQ(channel.getPitch(), 1.0f);
    EXPECT_TRUE(state().effectsGroup->isPlaying());
    stopEffects();
    EXPECT_FALSE(channel.isPlaying());
}

TEST_F(AudioServiceTest, OneNameStartsAtMostOncePer60MillisecondsUnlessForced)
{
    loadSound("shot.wav", false, false, false, false);
    loadSound("explosion.flac", false, false, false, false);
    EXPECT_TRUE(playSound("shot.wav", 1.0f, noSoundPosition, false).isValid());
    now = 1059;
    EXPECT_FALSE(playSound("shot.wav", 1.0f, noSoundPosition, false).isValid());
    EXPECT_TRUE(playSound("explosion.flac", 1.0f, noSoundPosition, false).isValid());
    now = 1060;
    EXPECT_TRUE(playSound("shot.wav", 1.0f, noSoundPosition, false).isValid());
    now = 1061;
    EXPECT_TRUE(playSound("shot.wav", 1.0f, noSoundPosition, true).isValid());
    // The forced play stored its time too.
    now = 1120;
    EXPECT_FALSE(playSound("shot.wav", 1.0f, noSoundPosition, false).isValid());
    stopEffects();
    EXPECT_TRUE(playSound("shot.wav", 1.0f, noSoundPosition, false).isValid());
}

TEST_F(AudioServiceTest, VolumeAboveZeroElseTheLibraryVolume)
{
    loadSound("shot.wav", false, false, false, false);
    loadSound("beep.wav", false, false, false, false);
    game().soundLibrary["shot.wav"] = new soundDefinition{"shot.wav", "", 0.3f, true, false};
    EXPECT_EQ(playSound("shot.wav", 0.5f, noSoundPosition, true).getVolume(), 0.5f);
    EXPECT_EQ(playSound("shot.wav", 0.0f, noSoundPosition, true).getVolume(), 0.3f);
    EXPECT_EQ(playSound("shot.wav", -1.0f, noSoundPosition, true).getVolume(), 0.3f);
    EXPECT_EQ(playSound("beep.wav", 0.0f, noSoundPosition, true).getVolume(), 1.0f);
}

TEST_F(AudioServiceTest, OnlyTheExactNoPositionValuePlaysAtTheListener)
{
    loadSound("shot.wav", false, false, false, false);
    platform::Channel atListener = playSound("shot.wav", 1.0f, Ogre::Vector3(-1.0f, -99.0f, -999.0f), true);
    EXPECT_FALSE(platform::isPlaced(atListener.getMode()));
    EXPECT_TRUE(atListener.getMode() & platform::sound3DHeadRelative);
    platform::Channel placed = playSound("shot.wav", 1.0f, Ogre::Vector3(-1.0f, -99.0f, -998.9f), true);
    EXPECT_TRUE(platform::isPlaced(placed.getMode()));
    EXPECT_TRUE(platform::isPlaced(playSound3D(loadSound("engine.wav", false, true, false, false), 0.4f,
                                               Ogre::Vector3(10.0f, 0.0f, 0.0f))
                                       .getMode()));
    EXPECT_FALSE(playSound3D(nullptr, 1.0f, noSoundPosition).isValid());
}

TEST_F(AudioServiceTest, RandomizedPitchIsShiftedSpreadAndNeverBelowATenth)
{
    loadSound("shot.wav", false, false, false, false);
    platform::Channel channel = playSound("shot.wav", 1.0f, noSoundPosition, true);
    const float none[2] = {0.0f, 0.0f};
    randomizePitch(channel, none);
    EXPECT_EQ(channel.getPitch(), 1.0f);
    const float low[2] = {-2.0f, 0.0f};
    randomizePitch(channel, low);
    EXPECT_EQ(channel.getPitch(), 0.1f);
    platform::seedRandom(7);
    const int draw = platform::rand();
    platform::seedRandom(7);
    const float spread[2] = {0.5f, 1.0f};
    randomizePitch(channel, spread);
    EXPECT_FLOAT_EQ(channel.getPitch(), 1.0f + 0.5f + static_cast<float>(draw) * 3.051851e-5f - 0.5f);
    randomizePitch(platform::Channel(), spread);
}

TEST_F(AudioServiceTest, PauseSoundPlaysOnTheEditorGroup)
{
    loadPauseSound();
    ASSERT_TRUE(state().pauseSound);
    EXPECT_EQ(state().pauseSound->getName(), "pause.wav");
    playPauseSound("none", 90);
    EXPECT_FALSE(state().editorGroup->isPlaying());
    playPauseSound("anything", 90);
    EXPECT_TRUE(state().editorGroup->isPlaying());
    stopEditorSounds();
    EXPECT_FALSE(state().editorGroup->isPlaying());

    game().pauseSound = "pause_bank.ogg";
    loadPauseSound();
    ASSERT_TRUE(state().pauseSound);
    EXPECT_EQ(state().pauseSound->getName(), "pause_bank");

    loadSound("shot.wav", false, false, false, false);
    playEditorSound("explosion.flac");
    EXPECT_FALSE(state().editorGroup->isPlaying());
    playEditorSound("shot.wav");
    EXPECT_TRUE(state().editorGroup->isPlaying());
}

TEST_F(AudioServiceTest, MusicStartsPausedLoopingAndResumes)
{
    playMusicNow("theme.mp3", 0.7f);
    ASSERT_TRUE(state().currentMusic);
    EXPECT_EQ(state().currentMusic->getName(), "theme");
    EXPECT_TRUE(state().musicChannel.isPlaying());
    EXPECT_TRUE(state().musicChannel.getPaused());
    EXPECT_EQ(state().musicChannel.getVolume(), 0.7f);
    EXPECT_TRUE(platform::isLooping(state().musicChannel.getMode()));
    resumeMusic();
    EXPECT_FALSE(state().musicChannel.getPaused());
    pauseMusic(true);
    EXPECT_TRUE(state().musicChannel.getPaused());

    // "none" lets go of the music; a bank's music channel plays on.
    const platform::Channel bankChannel = state().musicChannel;
    startMusic("none", 1.0f);
    EXPECT_FALSE(state().currentMusic);
    EXPECT_TRUE(bankChannel.isPlaying());
}

TEST_F(AudioServiceTest, ReleasingAFileMusicStopsItsChannel)
{
    playMusicNow("theme_file.ogg", 1.0f);
    ASSERT_TRUE(state().currentMusic);
    EXPECT_EQ(state().currentMusic->getName(), "theme_file.ogg");
    const platform::Channel fileChannel = state().musicChannel;
    EXPECT_TRUE(fileChannel.isPlaying());
    startMusic("none", 1.0f);
    EXPECT_FALSE(state().currentMusic);
    EXPECT_FALSE(fileChannel.isPlaying());
    EXPECT_FALSE(loadMusic("None"));
    EXPECT_FALSE(loadMusic("unknown.ogg"));
    EXPECT_TRUE(log.contains("[ERROR] can't load music: unknown.ogg"));
}

TEST_F(AudioServiceTest, QueuedMusicStartsAtTheNextUpdateUnlessPaused)
{
    const Ogre::Vector3 camera(0.0f, 100.0f, 0.0f);
    const Ogre::Vector3 down(0.0f, -1.0f, 0.0f);
    queueMusic("boss.ogg", 0.5f, 2.0f, false);
    EXPECT_EQ(state().queueCountdown, 0.0f);
    game().isPaused = true;
    updateSound(0.016f, camera, down);
    EXPECT_FALSE(state().currentMusic);
    game().isPaused = false;
    updateSound(0.016f, camera, down);
    ASSERT_TRUE(state().currentMusic);
    EXPECT_EQ(state().currentMusic->getName(), "boss");
    EXPECT_TRUE(state().queuedName.empty());
    EXPECT_FALSE(state().musicChannel.getPaused());
    EXPECT_EQ(state().musicChannel.getVolume(), 0.5f);
    EXPECT_FALSE(platform::isLooping(state().musicChannel.getMode()));

    // With a music playing, the queue waits for its fade.
    const platform::Channel boss = state().musicChannel;
    queueMusic("theme", 1.0f, 0.5f, true);
    EXPECT_EQ(state().queueCountdown, 0.5f);
    EXPECT_EQ(boss.getNumFadePoints(), 2);
    updateSound(0.3f, camera, down);
    EXPECT_EQ(state().currentMusic->getName(), "boss");
    updateSound(0.3f, camera, down);
    EXPECT_EQ(state().currentMusic->getName(), "theme");
    EXPECT_FALSE(boss.isPlaying());
    queueMusic("", 1.0f, 0.5f, true);
    EXPECT_TRUE(state().queuedName.empty());
}

TEST_F(AudioServiceTest, FadeOutMusicStopsItWhenTheTimeIsUp)
{
    const Ogre::Vector3 camera(0.0f, 0.0f, 0.0f);
    const Ogre::Vector3 ahead(0.0f, 0.0f, -1.0f);
    fadeOutMusic(0.5f);
    EXPECT_FALSE(state().stopScheduled);
    playMusicNow("theme", 1.0f);
    resumeMusic();
    fadeOutMusic(0.5f);
    EXPECT_TRUE(state().stopScheduled);
    EXPECT_EQ(state().musicChannel.getNumFadePoints(), 2);
    updateSound(0.3f, camera, ahead);
    EXPECT_TRUE(state().musicChannel.isPlaying());
    updateSound(0.3f, camera, ahead);
    EXPECT_FALSE(state().musicChannel.isPlaying());
    EXPECT_FALSE(state().stopScheduled);
}

TEST_F(AudioServiceTest, EffectsFadeOutOnceUntilEverythingStopsWithFade)
{
    EXPECT_FALSE(state().effectsFadingOut);
    fadeOutEffects(); // nothing plays
    EXPECT_FALSE(state().effectsFadingOut);
    loadSound("shot.wav", false, false, false, false);
    playSound("shot.wav", 1.0f, noSoundPosition, true);
    fadeOutEffects();
    EXPECT_TRUE(state().effectsFadingOut);
    EXPECT_EQ(state().effectsGroup->getNumFadePoints(), 2);
    fadeOutEffects();
    EXPECT_EQ(state().effectsGroup->getNumFadePoints(), 2);

    playMusicNow("theme", 1.0f);
    queueMusic("boss", 1.0f, 1.0f, true);
    stopAllSoundsWithFade();
    EXPECT_FALSE(state().effectsFadingOut);
    EXPECT_FALSE(state().effectsGroup->isPlaying());
    EXPECT_FALSE(state().musicChannel.isPlaying());
    EXPECT_TRUE(state().queuedName.empty());
    EXPECT_TRUE(state().antiRepeat.empty());
    EXPECT_EQ(state().effectsGroup->getVolume(), 0.4f);
    EXPECT_GE(state().effectsGroup->getNumFadePoints(), 2);
}

TEST_F(AudioServiceTest, SettingsSetTheGroupVolumesAndPauses)
{
    game().masterVolume = 80;
    game().musicVolume = 60;
    game().sfxVolume = 40;
    applySoundSettings();
    EXPECT_EQ(state().masterGroup->getVolume(), 0.8f);
    EXPECT_EQ(state().musicGroup->getVolume(), 0.6f);
    EXPECT_EQ(state().effectsGroup->getVolume(), 0.4f);
    EXPECT_FALSE(state().effectsGroup->getPaused());

    game().isSoundOn = false;
    game().isPaused = true;
    playMusicNow("theme", 1.0f);
    applySoundSettings();
    EXPECT_EQ(state().masterGroup->getVolume(), 0.0f);
    EXPECT_TRUE(state().effectsGroup->getPaused());
    EXPECT_TRUE(state().musicChannel.getPaused());
    setMusicVolume(25);
    EXPECT_EQ(state().musicGroup->getVolume(), 0.25f);
}

TEST_F(AudioServiceTest, FadesActOnlyOnPlayingControls)
{
    fadeChannel(nullptr, 1.0f, true, true);
    clearChannelFade(nullptr);
    removeNextFadePoints(nullptr);
    platform::Channel stale;
    fadeChannel(&stale, 1.0f, true, true);
    EXPECT_EQ(stale.getNumFadePoints(), 0);

    loadSound("explosion.flac", false, false, false, false);
    platform::Channel channel = playSound("explosion.flac", 1.0f, noSoundPosition, true);
    fadeChannel(&channel, 0.2f, false, false);
    EXPECT_EQ(channel.getNumFadePoints(), 2);
    // A new fade clears the next points first (here, the start of the last one).
    fadeChannel(&channel, 0.2f, true, true);
    EXPECT_EQ(channel.getNumFadePoints(), 3);
}

TEST_F(AudioServiceTest, DurationsComeFromFilesAndTheSoundsBankAndAreRemembered)
{
    EXPECT_FLOAT_EQ(getSoundDuration("shot.wav", nullptr), 0.3f);
    EXPECT_EQ(state().durationCache.at("shot.wav"), 300u);
    EXPECT_FLOAT_EQ(getSoundDuration("click.ogg", nullptr), 0.1f);
    EXPECT_EQ(getSoundDuration("missing.wav", nullptr), 0.0f);
    Sound* explosion = loadSound("explosion.flac", false, false, false, false);
    EXPECT_EQ(getSoundDuration("explosion.flac", explosion), 0.0f);
    EXPECT_FLOAT_EQ(getSoundDuration("shot.wav", explosion), 0.3f);
    Sound* fromBank = loadSoundFromBank("beep.wav");
    ASSERT_TRUE(fromBank);
    EXPECT_EQ(fromBank->getLength(), 250u);
    EXPECT_FALSE(isSoundLoaded("beep.wav"));
}

TEST_F(AudioServiceTest, ReleaseAndShutdownLeaveNothingBehind)
{
    loadSound("shot.wav", false, false, false, false);
    loadSound("click.ogg", false, false, false, false);
    playMusicNow("theme_file.ogg", 1.0f);
    releaseSounds();
    EXPECT_FALSE(isSoundLoaded("shot.wav"));
    EXPECT_FALSE(state().currentMusic);
    EXPECT_FALSE(loadMusic("theme"));
    EXPECT_FALSE(loadSound("shot.wav", false, false, false, false));
    EXPECT_TRUE(loadSound("click.ogg", false, false, false, false));

    shutdownSound();
    EXPECT_FALSE(state().system);
    EXPECT_FALSE(loadSound("click.ogg", false, false, false, false));
    EXPECT_FALSE(playSound("click.ogg", 1.0f, noSoundPosition, true).isValid());
    playMusicNow("theme", 1.0f);
    updateSound(0.1f, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z);
    stopAllSoundsWithFade();
}

} // namespace
