// Starts the real program in a private copy of the sample game, with its own
// preference and runtime folders and X server, and watches its log and exit.
#pragma once

#include "support/PrivateXServer.h"
#include "support/TempFolder.h"

#include <sys/types.h>

#include <map>
#include <string>

// The window's title on the sample game: its name and the engine's version.
inline const std::string sampleWindowTitle = "Skyward - engine v1.7.2.0";

class ProgramRun {
public:
    // Copies the built game folder (program included) into a temporary folder.
    ProgramRun();
    // The same for another game folder holding the program.
    explicit ProgramRun(const std::string& programFolder);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    const TempFolder& folder() const { return root; }
    std::string gameDir() const { return root.path() + "game/"; }
    std::string preferenceDir() const { return root.path() + "share/Zarnith/zarnith/"; }
    // The log is written in the working folder.
    std::string logText() const { return root.read(workingFolder + "Ogre.log"); }

    // Environment overrides for the program (an empty value unsets the variable).
    std::map<std::string, std::string> environment;
    // The folder the program is started from, inside the temporary folder.
    std::string workingFolder = "game/";
    // When set, the file of the temporary folder that receives the program's standard error.
    std::string errorFile;

    // Starts one copy of the program from the working folder; returns its pid.
    pid_t start();
    // Waits for the process to end; returns its exit code, or -1 on timeout or signal.
    int wait(pid_t pid, int timeoutSeconds);
    // Waits until the log holds the line; false on timeout or when the program ended.
    bool waitForLogLine(pid_t pid, const std::string& line, int timeoutSeconds);

private:
    bool reap(pid_t pid);

    // Its window is read back: no other test's window may lie over it.
    PrivateXServer xserver;
    TempFolder root;
    pid_t running = 0;
    std::map<pid_t, int> exitCodes;
};

// An X server to run the program on: the test command provides one.
bool haveDisplay();

// The number a settings file's text keeps under the key; -1 without one.
int storedSetting(const std::string& settings, const std::string& key);

// How often the line stands in the text from that position on.
std::size_t occurrences(const std::string& text, const std::string& line, std::size_t from = 0);

// A case's name as a test's name: all but letters and digits as underscores.
std::string caseName(std::string name);
