// Plays the real program as a player would: key events go to its window
// through the X server, and what it shows is read back from the window.
#pragma once

#include "support/ProgramRun.h"
#include "support/X11Windows.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <string>

using Clock = std::chrono::steady_clock;

// Menu input locks last up to 0.3 s of menu time, a screen's slide about a
// second: the waits leave room for frames slower than the display's.
constexpr auto afterTap = std::chrono::milliseconds(600);
constexpr auto keyHold = std::chrono::milliseconds(60);
constexpr auto afterScreenChange = std::chrono::milliseconds(1500);
// From a level's read to play: the ship's entry and the level's fade, in
// menu time (stretched by the pace).
constexpr auto levelIntro = std::chrono::seconds(4);

void sleepFor(std::chrono::milliseconds time);
double secondsSince(Clock::time_point start);
// Polls every tenth of a second; false when it never held.
bool eventually(const std::function<bool()>& holds, int seconds = 30);

// The settings file the program reads in the run's preference folder.
extern const std::string settingsPath;
// The settings template with frames drawn without focus (the X server has no
// window manager to give it) on the renderer that library chooses.
void writeSettings(ProgramRun& run, const std::string& library);

// Writes the capture as a PPM picture into ZARNITH_RENDER_SHOTS when that is set.
void keepShot(const WindowImage& image, const std::string& name);
void writePicture(const WindowImage& image, const std::string& path);

// A picture with something on it: many colours, none covering all of it.
::testing::AssertionResult hasContent(const WindowImage& image);
// The share of pixels that differ, over the area both pictures cover.
double differingShare(const WindowImage& a, const WindowImage& b);
// The mean of red, green and blue summed, 0 to 765.
double meanBrightness(const WindowImage& image);

// The last few captures of a run. A test that failed keeps them as
// pictures when they go, and prints where, so that a failure on another
// machine can be seen without running it again.
class RecentFrames {
public:
    ~RecentFrames();
    void add(const WindowImage& image);

private:
    std::deque<WindowImage> frames;
};

// One running copy of the program and the keys a player presses.
class Player {
public:
    explicit Player(ProgramRun& run) : run(run) {}

    ::testing::AssertionResult start();
    bool waitFor(const std::string& line, int seconds = 120) { return run.waitForLogLine(pid, line, seconds); }
    // From the start of the main loop to the start menu: the splash
    // pictures' time, as the program logs it.
    double splashSeconds();

    void press(unsigned long key) { sendKey(window, key, true); }
    void release(unsigned long key) { sendKey(window, key, false); }
    void tap(unsigned long key, int times = 1);
    // Taps the key that many times at once, faster than any frame, then
    // waits as after one tap.
    void burst(unsigned long key, int times);
    // Confirms the selected entry, which opens a screen or acts.
    void choose(unsigned long key = XK_Return);
    void back();
    // The pause after a key or a screen change, stretched by the pace.
    void wait(std::chrono::milliseconds time) const;
    WindowImage capture() const;
    // Ten captures in a row that differ from the one before: play goes on.
    // Within 30 s times the pace: a frame of a crowded screen on a loaded
    // machine takes seconds.
    bool playMoves() const;
    // Two captures a moment apart that barely differ (a paused level);
    // false when none came within the time, stretched by the pace.
    bool holdsStill(int seconds = 30) const;
    // Captures the window and keeps the picture under that name.
    WindowImage shot(const std::string& name);
    int close();
    // Closes the window in play until the program ends: a close pauses with
    // the menu and the next leaves by its exit entry, but one that comes
    // while the ship dies or comes back does nothing.
    int closeFromPlay();
    int waitForEnd() { return run.wait(pid, 60); }

    // Seconds of the clock per second of the program's menu time (at least
    // 1): the waits after keys stretch by it, as the menu's input locks do
    // when its frames run slow.
    double pace = 1.0;
    // Measures the pace on the sample's splash pictures, which take this
    // long in menu time, from the start of the main loop.
    static constexpr double splashMenuSeconds = 5.3;
    void setPaceFromSplash(double splashSeconds, double menuSeconds = splashMenuSeconds);

    ProgramRun& run;
    pid_t pid = 0;
    unsigned long window = 0;
    Clock::time_point mainLoopTime;

private:
    mutable RecentFrames recent;
};

// The level has faded in from black: the screen is lit and no brighter than
// a moment before. Slow frames stretch the fade far beyond its time in play,
// so the wait allows that many seconds times the pace.
bool waitForLevelShown(Player& player, int seconds);
