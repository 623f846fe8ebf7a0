// Runs the real program on the sample game and listens: with OpenAL Soft's
// "wave" backend the start menu's music is written to a file; without any
// device the program runs muted and still starts and quits cleanly.
#include "support/ProgramPlayer.h"
#include "support/ProgramRun.h"
#include "support/SoundFiles.h"
#include "support/SoundRecording.h"
#include "support/X11Windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

const std::string mutedLine = "no sound device could be opened: the game runs muted";
// The settings template with frames run even without input focus.
void writeSettings(const ProgramRun& run)
{
    std::string settings = run.folder().read("game/data/config.ini_");
    const std::string off = "isAlwaysRender = false";
    settings.replace(settings.find(off), off.size(), "isAlwaysRender = true");
    run.folder().write("share/Zarnith/zarnith/config.ini", settings);
}

// Where the mix's first sound stands among the samples; their end when silent.
std::size_t firstSound(const std::vector<float>& samples)
{
    const auto first = std::find_if(samples.begin(), samples.end(),
                                    [](float s) { return std::fabs(s) > soundrecording::audibleLevel; });
    return static_cast<std::size_t>(first - samples.begin());
}

// Whether the recording came to hold that many seconds of mix from its first
// sound on within the time: the music starts with the start menu's first
// frames, which on a busy machine come late and slowly.
bool heardFor(const std::string& recording, double seconds, int timeoutSeconds)
{
    return eventually([&] {
        const soundrecording::Recording mix = soundrecording::readRecording(recording);
        return mix.channels > 0 && (mix.samples.size() - firstSound(mix.samples)) / mix.channels >= seconds * mix.rate;
    }, timeoutSeconds);
}

// Starts the program and lets its start menu play: until the recording holds
// that long a mix when there is one, else that long; then closes its window.
void playAndClose(ProgramRun& run, double seconds, const std::string& recording = "")
{
    const pid_t pid = run.start();
    ASSERT_TRUE(run.waitForLogLine(pid, "will start the main loop", 120)) << run.logText();
    ASSERT_TRUE(run.waitForLogLine(pid, "start menu initialized", 120)) << run.logText();
    if (recording.empty())
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    else
        EXPECT_TRUE(heardFor(recording, seconds, 120)) << "no music recorded";
    unsigned long window = 0;
    for (int tenth = 0; tenth < 200 && !window; ++tenth) {
        window = findWindowByTitle(sampleWindowTitle, pid);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_TRUE(requestWindowClose(window));
    EXPECT_EQ(run.wait(pid, 60), 0) << run.logText();
}

soundtest::Levels recordedLevels(const std::string& path)
{
    const soundrecording::Recording recording = soundrecording::readRecording(path);
    if (recording.channels != 2)
        return {};
    const std::vector<float>& samples = recording.samples;
    // The mix is silent until the start menu is up, which takes longer on a
    // busy machine: the music is measured from its first sound on.
    return soundtest::measureStereo(samples, firstSound(samples) / 2);
}

TEST(ProgramSound, StartMenuPlaysTheSampleMusicFromItsBank)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    writeSettings(run);
    const std::string recording = soundrecording::recordMix(run);
    playAndClose(run, 1.5, recording);

    const std::string log = run.logText();
    std::size_t at = 0;
    // The banks are opened from the program folder.
    for (const std::string& line : {"sounds banks loading: " + run.gameDir() + "//data/Sounds/musics.tzn",
                                    std::string("sounds banks loaded"), std::string("musics banks initialized"),
                                    std::string("start menu will init start"), std::string("Quitting the game")}) {
        at = log.find(": " + line, at);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: " << line << "\n" << log;
    }
    EXPECT_EQ(log.find(mutedLine), std::string::npos);
    const soundtest::Levels music = recordedLevels(recording);
    EXPECT_GT(music.peak, 0.1f);
    EXPECT_GT(music.rms(), 0.01f);
}

TEST(ProgramSound, WithoutASoundDeviceItRunsMutedAndQuitsCleanly)
{
    if (!haveDisplay())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    ProgramRun run;
    writeSettings(run);
    run.environment["ALSOFT_DRIVERS"] = "no-such-device";
    playAndClose(run, 0.5);
    const std::string log = run.logText();
    EXPECT_NE(log.find(mutedLine), std::string::npos);
    EXPECT_EQ(log.find(mutedLine), log.rfind(mutedLine));
    EXPECT_EQ(log.find("[ERROR]"), std::string::npos) << log;
    EXPECT_NE(log.find("Quitting the game"), std::string::npos);
}

} // namespace
