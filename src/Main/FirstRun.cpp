#include "Main/FirstRun.h"

#include "app/Log.h"
#include "platform/FileReplace.h"

#include <boost/filesystem.hpp>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace fs = boost::filesystem;

namespace {

bool exists(const std::string& path)
{
    boost::system::error_code error;
    return fs::exists(path, error);
}

// Copies without replacing; returns whether the target exists afterwards.
// The copy is written as the settings are saved: a full disk leaves no cut
// or empty file behind, only the old state and a line with the reason.
bool copyMissing(const std::string& from, const std::string& to)
{
    if (exists(to))
        return true;
    std::string failure;
    std::ifstream in(from, std::ios::binary);
    if (in) {
        std::ostringstream text;
        text << in.rdbuf();
        if (platform::replaceFile(to, text.str(), failure) == platform::FileReplace::done)
            return true;
    } else {
        failure = from + ": " + std::strerror(errno);
    }
    logLine("[ERROR] couldn't copy " + from + " to " + to + ": " + failure);
    return false;
}

bool isFile(const std::string& path)
{
    boost::system::error_code error;
    return fs::is_regular_file(path, error);
}

void remove(const std::string& path)
{
    boost::system::error_code error;
    fs::remove(path, error);
    if (error)
        logLine("[ERROR] couldn't remove " + path + ": " + error.message());
}

void moveOldHighScore(const std::string& oldFile, const std::string& newFile)
{
    if (!exists(oldFile))
        return;
    if (exists(newFile) && !isFile(newFile)) {
        // A folder in the scores' place holds no scores: the old file is all there is.
        logLine("[ERROR] couldn't move " + oldFile + ", not a file: " + newFile);
        return;
    }
    if (!exists(newFile)) {
        logLine("Will copy missing high.score.");
        if (!copyMissing(oldFile, newFile))
            return; // the old file is all there is: keep it
        logLine("copied high.score.");
    }
    logLine("Will remove unused high.score in " + oldFile);
    remove(oldFile);
    logLine("Removed unused high.score.");
}

} // namespace

void moveOldHighScores(const std::string& exePath, const std::string& exeBaseName, const std::string& prefPath)
{
    const std::string newFile = prefPath + "high.scores";
    moveOldHighScore(exePath + "data//" + exeBaseName + ".scores", newFile);
    moveOldHighScore(exePath + "data//" + "high.scores", newFile);
}

void moveOldSettings(const std::string& exePath, const std::string& prefPath)
{
    const std::string oldFile = exePath + "config.ini";
    const std::string newFile = prefPath + "config.ini";
    logLine("ini path: " + oldFile);
    logLine("ini copy path: " + newFile);
    if (exists(oldFile) && copyMissing(oldFile, newFile))
        remove(oldFile);
    if (!exists(newFile))
        copyMissing(exePath + "data//" + "config.ini_", newFile);
}

void removeStaleReplacements(const std::string& prefPath)
{
    platform::removeStaleReplacement(prefPath + "config.ini");
    platform::removeStaleReplacement(prefPath + "high.scores");
}
