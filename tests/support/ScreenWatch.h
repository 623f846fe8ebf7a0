// Watches the program's window from a thread of its own while a test plays
// on: every capture is sorted by the end screen it shows (the score panel,
// the game-over picture), and the frames shown after it are counted. The test
// then reads how long each screen stayed, how fast it ran and what it last
// looked like.
#pragma once

#include "support/ShownFrames.h"
#include "support/X11Windows.h"

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

enum class WatchedScreen { other, scorePanel, gameOverPicture };

// What the capture shows: the score screens' panel (its blue border) or the
// game-over picture (white letters on black across the middle).
WatchedScreen screenShown(const WindowImage& image);

class ScreenWatch {
public:
    explicit ScreenWatch(unsigned long window);
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    void stop();
    // From the first capture that showed it to the last; 0 when none did.
    double secondsShown(WatchedScreen screen) const;
    // The median of the frame rates counted while it showed, frames a
    // second; 0 when none did.
    double frameRate(WatchedScreen screen) const;
    // The last capture that showed it; empty when none did.
    WindowImage lastShown(WatchedScreen screen) const;

private:
    struct Sample {
        double time;
        WatchedScreen screen;
        double frameRate;
    };
    void watch(unsigned long window);
    std::vector<Sample> samplesOf(WatchedScreen screen) const;

    mutable std::mutex mutex;
    std::vector<Sample> samples;
    WindowImage lastScorePanel, lastGameOverPicture;
    std::atomic<bool> isRunning{true};
    std::thread watcher;
};
