// One copy of the program driven as a player would drive it: keys go to its
// window, the script waits on lines of its log, and its resident memory is
// taken once a minute until the run's time is up or the program ends.
#pragma once

#include "support/ProgramRun.h"

#include <chrono>
#include <string>
#include <vector>

// The program's log lines that tell where the player is.
inline const std::string startMenuLine = "start menu initialized";
inline const std::string levelStartLine = "playstate starting!";

class SoakSession {
public:
    SoakSession(ProgramRun& run, int minutes);

    // Starts the program and gives its window the keyboard focus.
    bool start();
    // The time is up or the program has ended: the script stops.
    bool isOver() const { return ended || samples.size() >= static_cast<std::size_t>(minutes); }
    bool hasEnded() const { return ended; }
    // The program's exit code once it has ended.
    int exitCode();
    // Resident memory in MiB at the end of each minute so far.
    const std::vector<double>& residentMiB() const { return samples; }

    // Lets the time pass, taking the memory when a minute is full.
    void idle(std::chrono::milliseconds time);
    // Waits for the line to be logged after the last line waited for, and
    // moves past it; false on timeout or when the run is over.
    bool waitFor(const std::string& line, std::chrono::seconds timeout);
    // The line was logged after the last line waited for.
    bool hasLogged(const std::string& line) const;

    void press(unsigned long key);
    void release(unsigned long key);
    // A short press: long enough for a frame to see it, and the menus' input
    // lock time after it.
    void tap(unsigned long key);

private:
    std::string logText(std::size_t from = 0) const;
    std::string unreadLog() const;
    void sampleWhenDue();

    ProgramRun& run;
    const int minutes;
    pid_t pid = 0;
    unsigned long window = 0;
    std::chrono::steady_clock::time_point started;
    std::size_t logRead = 0;
    std::vector<double> samples;
    bool ended = false;
};
