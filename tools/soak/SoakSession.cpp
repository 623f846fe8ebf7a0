#include "SoakSession.h"

#include "support/X11Windows.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <thread>
#include <unistd.h>

namespace {

const std::string mainLoopLine = "will start the main loop";
constexpr int startSeconds = 120;
constexpr auto slice = std::chrono::milliseconds(100);
constexpr auto keyHold = std::chrono::milliseconds(60);
// Menu input locks last up to 0.3 s of menu time; frames may run slow.
constexpr auto afterTap = std::chrono::milliseconds(450);
// SDL drops the keys held down when the focus arrives.
constexpr auto afterFocus = std::chrono::milliseconds(500);
constexpr double kibPerMib = 1024.0;

// A field of the process's status in KiB; -1 once it has ended (a process
// that has ended but is not yet reaped has no resident memory lines).
long statusKiB(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(line.find_first_of("0123456789")));
    return -1;
}

// Where the resident memory lies: the heap and other private memory, mapped
// files (the program, its libraries) and shared memory (the X server's).
std::string residentParts(pid_t pid)
{
    std::string parts;
    for (const char* field : {"RssAnon", "RssFile", "RssShmem"})
        parts += std::string(" ") + field + " " + std::to_string(statusKiB(pid, field) / 1024);
    return parts;
}

// Levels entered since the start menu was last shown (a restart counts):
// 0 in the menu, then the round's first level, second...
int levelOfRound(const std::string& log)
{
    const std::size_t menu = log.rfind(startMenuLine);
    return static_cast<int>(occurrences(log, levelStartLine, menu == std::string::npos ? 0 : menu));
}

// Starts the program with its console output dropped: it would drown the
// minute lines, and its log file holds the same.
pid_t startQuietly(ProgramRun& run)
{
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(STDOUT_FILENO);
    const int savedError = dup(STDERR_FILENO);
    const int nowhere = open("/dev/null", O_WRONLY);
    dup2(nowhere, STDOUT_FILENO);
    dup2(nowhere, STDERR_FILENO);
    const pid_t pid = run.start();
    dup2(savedOut, STDOUT_FILENO);
    dup2(savedError, STDERR_FILENO);
    for (const int descriptor : {savedOut, savedError, nowhere})
        close(descriptor);
    return pid;
}

} // namespace

SoakSession::SoakSession(ProgramRun& run, int minutes) : run(run), minutes(minutes) {}

bool SoakSession::start()
{
    pid = startQuietly(run);
    started = std::chrono::steady_clock::now();
    if (!run.waitForLogLine(pid, mainLoopLine, startSeconds))
        return false;
    for (int tenth = 0; tenth < startSeconds * 10 && !window; ++tenth) {
        window = findWindowByTitle(sampleWindowTitle, pid);
        std::this_thread::sleep_for(slice);
    }
    if (!giveKeyboardFocus(window))
        return false;
    std::this_thread::sleep_for(afterFocus);
    return true;
}

int SoakSession::exitCode() { return run.wait(pid, startSeconds); }

void SoakSession::idle(std::chrono::milliseconds time)
{
    const auto until = std::chrono::steady_clock::now() + time;
    while (!isOver() && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(slice);
        sampleWhenDue();
    }
}

void SoakSession::sampleWhenDue()
{
    const long kib = statusKiB(pid, "VmRSS");
    if (kib < 0) {
        ended = true;
        return;
    }
    const auto due = started + std::chrono::minutes(samples.size() + 1);
    if (std::chrono::steady_clock::now() < due)
        return;
    samples.push_back(static_cast<double>(kib) / kibPerMib);
    std::cout << "minute " << samples.size() << ": " << samples.back() << " MiB (MiB:" << residentParts(pid)
              << "; level " << levelOfRound(logText()) << " of the round)" << std::endl;
}

std::string SoakSession::logText(std::size_t from) const
{
    std::ifstream log(run.folder().path() + run.workingFolder + "Ogre.log", std::ios::binary);
    log.seekg(static_cast<std::streamoff>(from));
    return std::string(std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>());
}

std::string SoakSession::unreadLog() const { return logText(logRead); }

bool SoakSession::hasLogged(const std::string& line) const { return unreadLog().find(line) != std::string::npos; }

bool SoakSession::waitFor(const std::string& line, std::chrono::seconds timeout)
{
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!isOver() && std::chrono::steady_clock::now() < until) {
        const std::size_t at = unreadLog().find(line);
        if (at != std::string::npos) {
            logRead += at + line.size();
            return true;
        }
        idle(slice);
    }
    return false;
}

void SoakSession::press(unsigned long key) { sendKey(window, key, true); }

void SoakSession::release(unsigned long key) { sendKey(window, key, false); }

void SoakSession::tap(unsigned long key)
{
    press(key);
    idle(keyHold);
    release(key);
    idle(afterTap);
}
