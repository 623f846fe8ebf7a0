// The sound layer mixed into memory (OpenAL Soft's loopback device): each
// test frame runs the system's update and then mixes 100 ms of output, so
// levels, fades and ends are checked on the exact output clock.
#include "platform/sound/SoundSystem.h"
#include "support/SoundFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <tuple>

namespace {

using platform::Channel;
using platform::ChannelGroup;
using platform::Sound;
using soundtest::Levels;

constexpr int outputRate = 48000;
constexpr int frameSamples = 4800;
// OpenAL Soft ramps a gain change over its next mix of up to 2048 samples;
// levels are measured after that.
constexpr std::size_t rampSamples = 2400;

class SoundSystemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        soundtest::useSilentSoundOutput();
        ASSERT_TRUE(system.initLoopback(8, outputRate));
    }

    Levels frame(int samples = frameSamples)
    {
        system.update();
        std::vector<float> output(2 * static_cast<std::size_t>(samples));
        system.renderLoopback(output.data(), samples);
        return soundtest::measureStereo(output, rampSamples);
    }

    Sound* tone(const std::string& name, double seconds, int format = soundtest::wavFormat, unsigned mode = 0,
                int channels = 1)
    {
        EXPECT_TRUE(soundtest::writeTone(folder.path() + name, format, seconds, channels));
        return system.createSound(folder.path() + name, mode);
    }

    TempFolder folder;
    platform::SoundSystem system;
};

TEST_F(SoundSystemTest, PlayedSoundIsHeardUntilItEndsAndItsHandleGoesStale)
{
    Sound* beep = tone("beep.wav", 0.1);
    ASSERT_TRUE(beep);
    EXPECT_EQ(beep->getName(), "beep.wav");
    EXPECT_EQ(beep->getLength(), 100u);
    Channel channel = system.playSound(beep, nullptr, false);
    ASSERT_TRUE(channel.isValid());
    EXPECT_TRUE(channel.isPlaying());
    EXPECT_GT(frame().rms(), 0.1f);

    frame(3 * frameSamples);
    frame();
    EXPECT_FALSE(channel.isPlaying());
    EXPECT_EQ(frame().peak, 0.0f);
    channel.setVolume(0.7f);
    channel.setPaused(true);
    EXPECT_EQ(channel.getVolume(), 0.0f);
    EXPECT_FALSE(channel.getPaused());

    // The voice plays the next channel; the old handle stays stale.
    Channel next = system.playSound(beep, nullptr, false);
    EXPECT_TRUE(next.isPlaying());
    EXPECT_FALSE(channel.isPlaying());
    EXPECT_FALSE(Channel().isPlaying());
}

TEST_F(SoundSystemTest, PausedChannelsArePlayingButSilent)
{
    Sound* hum = tone("hum.wav", 1.0);
    Channel channel = system.playSound(hum, nullptr, true);
    EXPECT_TRUE(channel.isPlaying());
    EXPECT_EQ(frame().peak, 0.0f);
    channel.setPaused(false);
    EXPECT_GT(frame().rms(), 0.1f);
    channel.setPaused(true);
    EXPECT_LT(frame().peak, 1e-4f);
    EXPECT_TRUE(channel.isPlaying());

    ChannelGroup* group = system.createChannelGroup("group");
    Channel inGroup = system.playSound(hum, group, false);
    group->setPaused(true);
    EXPECT_EQ(frame().peak, 0.0f);
    EXPECT_TRUE(inGroup.isPlaying());
    EXPECT_TRUE(group->isPlaying());
}

TEST_F(SoundSystemTest, StoppingAGroupEndsTheChannelsInItAndUnderIt)
{
    Sound* hum = tone("hum.wav", 1.0);
    ChannelGroup* parent = system.createChannelGroup("parent");
    ChannelGroup* child = system.createChannelGroup("child");
    parent->addGroup(child);
    EXPECT_EQ(child->getParent(), parent);
    Channel inChild = system.playSound(hum, child, false);
    Channel inParent = system.playSound(hum, parent, false);
    Channel inMaster = system.playSound(hum, nullptr, false);
    parent->stop();
    EXPECT_FALSE(inChild.isPlaying());
    EXPECT_FALSE(inParent.isPlaying());
    EXPECT_TRUE(inMaster.isPlaying());
    EXPECT_TRUE(system.getMasterChannelGroup()->isPlaying());
    inMaster.stop();
    EXPECT_FALSE(system.getMasterChannelGroup()->isPlaying());
}

TEST_F(SoundSystemTest, VolumesMultiplyThroughTheGroups)
{
    Sound* hum = tone("hum.wav", 1.0);
    ChannelGroup* group = system.createChannelGroup("group");
    Channel channel = system.playSound(hum, group, false);
    frame();
    const float full = frame().rms();
    channel.setVolume(0.5f);
    group->setVolume(0.5f);
    system.getMasterChannelGroup()->setVolume(0.8f);
    frame();
    EXPECT_NEAR(frame().rms() / full, 0.2f, 0.01f);
    system.getMasterChannelGroup()->setVolume(0.0f);
    frame();
    EXPECT_EQ(frame().peak, 0.0f);
}

TEST_F(SoundSystemTest, FadeOutFollowsTheOutputClockAndStopsAtItsEnd)
{
    Sound* hum = tone("hum.wav", 2.0);
    Channel channel = system.playSound(hum, nullptr, false);
    const float full = frame().rms();
    const std::uint64_t clock = channel.getParentDspClock();
    EXPECT_EQ(clock, static_cast<std::uint64_t>(frameSamples));
    const std::uint64_t end = clock + 10 * frameSamples;
    channel.addFadePoint(clock, 1.0f);
    channel.addFadePoint(end, 0.0f);
    channel.setDelay(0, end, true);

    std::vector<float> levels;
    for (int i = 0; i < 10; ++i)
        levels.push_back(frame().rms() / full);
    for (std::size_t i = 1; i < levels.size(); ++i)
        EXPECT_LT(levels[i], levels[i - 1]);
    EXPECT_NEAR(levels[5], 0.5f, 0.06f);
    EXPECT_LT(levels[9], 0.15f);
    EXPECT_TRUE(channel.isPlaying());
    frame();
    EXPECT_FALSE(channel.isPlaying());
}

TEST_F(SoundSystemTest, DelayWithoutStopSilencesButKeepsTheChannel)
{
    Sound* hum = tone("hum.wav", 2.0);
    Channel channel = system.playSound(hum, nullptr, false);
    frame();
    channel.setDelay(0, channel.getParentDspClock() + frameSamples, false);
    EXPECT_GT(frame().rms(), 0.1f);
    EXPECT_LT(frame().peak, 1e-4f);
    EXPECT_TRUE(channel.isPlaying());
    channel.setDelay(0, 0, false);
    frame();
    EXPECT_GT(frame().rms(), 0.1f);
}

TEST_F(SoundSystemTest, GroupFadeReachesItsChannels)
{
    Sound* hum = tone("hum.wav", 2.0);
    ChannelGroup* group = system.createChannelGroup("effects");
    Channel channel = system.playSound(hum, group, false);
    frame();
    const std::uint64_t clock = group->getParentDspClock();
    group->addFadePoint(clock, 1.0f);
    group->addFadePoint(clock + 2 * frameSamples, 0.0f);
    EXPECT_EQ(group->getNumFadePoints(), 2);
    frame();
    frame();
    EXPECT_EQ(frame().peak, 0.0f);
    EXPECT_TRUE(channel.isPlaying());
    group->addFadePoint(group->getParentDspClock(), 1.0f);
    frame();
    EXPECT_GT(frame().rms(), 0.1f);
}

TEST_F(SoundSystemTest, PlacedSoundOnTheRightIsLouderOnTheRight)
{
    system.set3DSettings(1.0f, 1.0f, 1.0f);
    system.set3DListenerAttributes(0, {}, {}, {0.0f, 0.0f, -1.0f}, {0.0f, 1.0f, 0.0f});
    // A stereo sound is placed through its mono mix.
    Sound* hum = tone("hum.wav", 1.0, soundtest::wavFormat, platform::soundDefault, 2);
    Channel placed = system.playSound(hum, nullptr, false);
    placed.set3DAttributes({5.0f, 0.0f, 0.0f}, {});
    placed.setMode(platform::sound3DInverseRolloff);
    frame();
    const Levels right = frame();
    EXPECT_GT(right.right, 4.0f * right.left);
    placed.stop();

    Channel atListener = system.playSound(hum, nullptr, false);
    atListener.setMode(platform::sound3DHeadRelative);
    frame();
    const Levels centre = frame();
    EXPECT_NEAR(centre.left, centre.right, 0.01f);
    EXPECT_GT(centre.rms(), right.rms());
}

TEST_F(SoundSystemTest, PanIsClampedKeepsItsLastNumberAndLeavesPlacedSoundsWhereTheyAre)
{
    // A stereo stream is mixed down and panned as a whole, even once started.
    Sound* music = tone("music.ogg", 2.0, soundtest::oggFormat, platform::soundStream, 2);
    Channel channel = system.playSound(music, nullptr, false);
    channel.setMode(platform::sound3DHeadRelative);
    frame();
    const Levels centre = frame();
    EXPECT_NEAR(centre.left, centre.right, 0.01f);
    channel.setPan(-7.0f);
    EXPECT_EQ(channel.getPan(), -1.0f);
    channel.setPan(std::nanf(""));
    EXPECT_EQ(channel.getPan(), -1.0f);
    frame();
    const Levels left = frame();
    EXPECT_LT(left.right, 0.01f * left.left);
    EXPECT_NEAR(left.left, centre.left, 0.1f * centre.left);
    channel.stop();
    channel.setPan(-0.5f);
    EXPECT_EQ(channel.getPan(), 0.0f);

    // Placed in the world, a channel sounds from its position whatever its pan.
    Channel placed = system.playSound(tone("hum.wav", 1.0), nullptr, false);
    placed.set3DAttributes({5.0f, 0.0f, 0.0f}, {});
    placed.setMode(platform::sound3DInverseRolloff);
    placed.setPan(-1.0f);
    frame();
    const Levels right = frame();
    EXPECT_GT(right.right, 4.0f * right.left);
}

TEST_F(SoundSystemTest, StreamKeepsPlayingPastItsFirstBuffersThenEnds)
{
    Sound* music = tone("music.ogg", 1.5, soundtest::oggFormat, platform::soundStream);
    ASSERT_TRUE(music);
    EXPECT_TRUE(music->isStream());
    EXPECT_NEAR(music->getLength(), 1500u, 5u);
    Channel channel = system.playSound(music, nullptr, false);
    for (int i = 0; i < 12; ++i)
        frame();
    // 1.2 s in, well past the 0.7 s queued at the start.
    EXPECT_GT(frame().rms(), 0.1f);
    for (int i = 0; i < 5; ++i)
        frame();
    EXPECT_FALSE(channel.isPlaying());
}

// libsndfile cannot tell the length of an Ogg file cut short.
TEST_F(SoundSystemTest, ACutOggHasNoLengthYetPlaysWhatDecodes)
{
    ASSERT_TRUE(soundtest::writeTone(folder.path() + "whole.ogg", soundtest::oggFormat, 10.0));
    const std::string whole = folder.read("whole.ogg");
    folder.write("cut.ogg", whole.substr(0, whole.size() * 7 / 10));
    for (const unsigned mode : {platform::soundDefault, platform::soundStream}) {
        Sound* cut = system.createSound(folder.path() + "cut.ogg", mode);
        ASSERT_TRUE(cut) << mode;
        EXPECT_EQ(cut->getLength(), 0u) << mode;
        Channel channel = system.playSound(cut, nullptr, false);
        EXPECT_GT(frame().rms(), 0.1f) << mode;
        channel.stop();
        cut->release();
    }
}

TEST_F(SoundSystemTest, LoopingStreamStartsOverAndReplayingRestartsIt)
{
    Sound* music = tone("loop.flac", 0.3, soundtest::flacFormat, platform::soundStream);
    Channel first = system.playSound(music, nullptr, false);
    first.setMode(platform::soundLoopNormal);
    for (int i = 0; i < 10; ++i)
        frame();
    EXPECT_GT(frame().rms(), 0.1f);
    EXPECT_TRUE(first.isPlaying());

    Channel again = system.playSound(music, nullptr, false);
    EXPECT_FALSE(first.isPlaying());
    EXPECT_TRUE(again.isPlaying());
}

TEST_F(SoundSystemTest, BusyVoicesGiveWayToNewChannelsButNotImportantOnes)
{
    ASSERT_TRUE(system.initLoopback(3, outputRate));
    Sound* hum = tone("hum.wav", 1.0);
    Channel important = system.playSound(hum, nullptr, false);
    important.setPriority(0);
    Channel oldest = system.playSound(hum, nullptr, false);
    Channel newer = system.playSound(hum, nullptr, false);
    frame();
    Channel fourth = system.playSound(hum, nullptr, false);
    EXPECT_TRUE(fourth.isPlaying());
    EXPECT_FALSE(oldest.isPlaying());
    EXPECT_TRUE(important.isPlaying());
    EXPECT_TRUE(newer.isPlaying());

    newer.setPriority(0);
    fourth.setPriority(0);
    EXPECT_FALSE(system.playSound(hum, nullptr, false).isValid());
}

TEST_F(SoundSystemTest, EndedVoicesAreReusedBeforeAnyIsTaken)
{
    ASSERT_TRUE(system.initLoopback(2, outputRate));
    Sound* beep = tone("beep.wav", 0.05);
    Sound* hum = tone("hum.wav", 1.0);
    system.playSound(beep, nullptr, false);
    Channel long1 = system.playSound(hum, nullptr, false);
    frame();
    frame();
    Channel next = system.playSound(hum, nullptr, false);
    EXPECT_TRUE(next.isPlaying());
    EXPECT_TRUE(long1.isPlaying());
}

TEST_F(SoundSystemTest, ReleasingASoundEndsItsChannels)
{
    Sound* hum = tone("hum.wav", 1.0);
    Channel channel = system.playSound(hum, nullptr, false);
    frame();
    hum->release();
    EXPECT_FALSE(channel.isPlaying());
    EXPECT_EQ(frame().peak, 0.0f);
}

TEST_F(SoundSystemTest, BanksOpenWithTheirKeyAndGiveSubSoundsByIndexAndName)
{
    ASSERT_TRUE(soundtest::writeTone(folder.path() + "shot.wav", soundtest::wavFormat, 0.2));
    ASSERT_TRUE(soundtest::writeTone(folder.path() + "theme.ogg", soundtest::oggFormat, 1.0));
    const std::string bankPath = folder.path() + "bank.tzn";
    ASSERT_TRUE(soundtest::writeTestBank(
        bankPath, soundtest::bankKey, {{"shot", folder.path() + "shot.wav"}, {"theme", folder.path() + "theme.ogg"}}));
    const platform::SoundCreateInfo key{soundtest::bankKey};
    EXPECT_FALSE(system.createSound(bankPath, platform::soundLoopOff));
    const platform::SoundCreateInfo wrongKey{"Murdane8"};
    EXPECT_FALSE(system.createSound(bankPath, platform::soundLoopOff, &wrongKey));

    Sound* bank = system.createSound(bankPath, platform::soundLoopOff, &key);
    ASSERT_TRUE(bank);
    EXPECT_EQ(bank->getName(), "bank.tzn");
    EXPECT_EQ(bank->getNumSubSounds(), 2);
    EXPECT_EQ(bank->findSubSound("theme"), 1);
    EXPECT_EQ(bank->findSubSound("shot.wav"), -1);
    EXPECT_FALSE(bank->getSubSound(2));
    EXPECT_FALSE(system.playSound(bank, nullptr, false).isValid());
    Sound* shot = bank->getSubSound(0);
    ASSERT_TRUE(shot);
    EXPECT_EQ(shot->getName(), "shot");
    EXPECT_EQ(shot->getParent(), bank);
    EXPECT_EQ(shot->getLength(), 200u);
    shot->release(); // a bank's sound stays with its bank
    Channel channel = system.playSound(shot, nullptr, false);
    EXPECT_GT(frame().rms(), 0.1f);
    bank->release();
    EXPECT_FALSE(channel.isPlaying());

    Sound* musics = system.createSound(bankPath, platform::soundStream, &key);
    Sound* theme = musics->getSubSound(1);
    ASSERT_TRUE(theme && theme->isStream());
    EXPECT_NEAR(theme->getLength(), 1000u, 5u);
    system.playSound(theme, nullptr, false);
    EXPECT_GT(frame().rms(), 0.1f);
}

TEST_F(SoundSystemTest, UnreadableFilesMakeNoSound)
{
    folder.write("broken.wav", "RIFF\x10\x00\x00\x00WAVE and nothing else");
    EXPECT_FALSE(system.createSound(folder.path() + "broken.wav", platform::soundDefault));
    EXPECT_FALSE(system.createSound(folder.path() + "broken.wav", platform::soundStream));
    EXPECT_FALSE(system.createSound(folder.path() + "missing.wav", platform::soundDefault));
    EXPECT_FALSE(system.playSound(nullptr, nullptr, false).isValid());
}

TEST(SoundSystemHandles, NeverReachALaterChannelOrAGoneSystem)
{
    soundtest::useSilentSoundOutput();
    TempFolder folder;
    ASSERT_TRUE(soundtest::writeTone(folder.path() + "hum.wav", soundtest::wavFormat, 1.0));
    Channel early;
    {
        platform::SoundSystem system;
        ASSERT_TRUE(system.initLoopback(2, outputRate));
        early = system.playSound(system.createSound(folder.path() + "hum.wav", 0), nullptr, false);
        EXPECT_TRUE(early.isPlaying());
        ASSERT_TRUE(system.initLoopback(2, outputRate));
        EXPECT_FALSE(early.isPlaying());
        Channel later = system.playSound(system.createSound(folder.path() + "hum.wav", 0), nullptr, false);
        EXPECT_TRUE(later.isPlaying());
        EXPECT_FALSE(early.isPlaying());
    }
    EXPECT_FALSE(early.isPlaying());
    early.setVolume(1.0f);
    early.stop();
    EXPECT_EQ(early.getParentDspClock(), 0u);
}

TEST(SoundSystemMuted, ReadsSoundsAndRefusesPlays)
{
    soundtest::useSilentSoundOutput();
    TempFolder folder;
    ASSERT_TRUE(soundtest::writeTone(folder.path() + "beep.wav", soundtest::wavFormat, 0.25));
    platform::SoundSystem system;
    EXPECT_TRUE(system.isMuted());
    Sound* beep = system.createSound(folder.path() + "beep.wav", platform::soundDefault);
    ASSERT_TRUE(beep);
    EXPECT_EQ(beep->getLength(), 250u);
    Channel channel = system.playSound(beep, nullptr, false);
    EXPECT_FALSE(channel.isValid());
    EXPECT_FALSE(channel.isPlaying());
    ChannelGroup* group = system.createChannelGroup("effects");
    group->setVolume(0.5f);
    group->stop();
    EXPECT_FALSE(group->isPlaying());
    system.set3DListenerAttributes(0, {}, {}, {0.0f, 0.0f, -1.0f}, {0.0f, 1.0f, 0.0f});
    system.update();
    EXPECT_EQ(system.getSoftwareSampleRate(), 48000);
    const std::uint64_t before = system.getDspClock();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_GT(system.getDspClock(), before);
}

} // namespace

// A 441 Hz tone is half a cycle on at 0.5 s: mixed from there, it comes out
// inverted, so only a rewound channel mixes the same samples as a new play.
TEST(SoundSystemPosition, RewindMixesTheSoundsStartAgainAndStaleHandlesDoNothing)
{
    soundtest::useSilentSoundOutput();
    TempFolder folder;
    const double frequency = 441.0;
    for (const auto& [name, format, mode] : {std::tuple{"tone.wav", soundtest::wavFormat, platform::soundDefault},
                                             std::tuple{"tone.flac", soundtest::flacFormat, platform::soundStream}}) {
        platform::SoundSystem system;
        ASSERT_TRUE(system.initLoopback(2, outputRate));
        ASSERT_TRUE(soundtest::writeTone(folder.path() + name, format, 2.0, 1, frequency));
        Sound* sound = system.createSound(folder.path() + name, mode);
        std::vector<float> start(2 * frameSamples);
        std::vector<float> rewound(start.size());
        const auto mix = [&](std::vector<float>& output, int frames) {
            for (int i = 0; i < frames; ++i) {
                system.update();
                system.renderLoopback(output.data(), frameSamples);
            }
        };
        Channel channel = system.playSound(sound, nullptr, false);
        mix(start, 1);
        mix(rewound, 4);
        channel.setPosition(0);
        mix(rewound, 1);
        const auto differenceFromStart = [&] {
            float difference = 0.0f;
            for (std::size_t i = 2 * rampSamples; i < start.size(); ++i)
                difference = std::max(difference, std::fabs(rewound[i] - start[i]));
            return difference;
        };
        EXPECT_LT(differenceFromStart(), 0.01f) << name;

        channel.stop();
        Channel next = system.playSound(sound, nullptr, false);
        mix(rewound, 5);
        channel.setPosition(0);
        Channel().setPosition(0);
        mix(rewound, 1);
        EXPECT_FALSE(channel.isPlaying()) << name;
        EXPECT_GT(differenceFromStart(), 0.5f) << name;
    }
}
