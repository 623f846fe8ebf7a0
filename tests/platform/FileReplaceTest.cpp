// The settings and high-score writers put their data on the disk before the
// new file takes the old one's name. The test binary's own fsync and rename
// stand in front of the C library's and note each call; its own write can
// find the disk full.
#include "Main/FirstRun.h"
#include "core/GameTestSupport.h"
#include "support/LogCapture.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <cerrno>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace {

// Never destroyed: the calls may come until the process ends.
std::vector<std::string>& fileCalls()
{
    static auto* calls = new std::vector<std::string>;
    return *calls;
}

std::string pathOf(int fd)
{
    char path[PATH_MAX] = {};
    const ssize_t length = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
    return std::string(path, static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
}

} // namespace

extern "C" int fsync(int fd)
{
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    fileCalls().push_back("fsync " + pathOf(fd));
    return real(fd);
}

namespace {

// While set, writes into temporary files of a replacement fail as on a full disk.
bool isDiskFull = false;

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size)
{
    static const auto real = reinterpret_cast<ssize_t (*)(int, const void*, size_t)>(dlsym(RTLD_NEXT, "write"));
    if (isDiskFull && endsWith(pathOf(fd), ".tmp")) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, data, size);
}

extern "C" int rename(const char* from, const char* to) noexcept
{
    static const auto real = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    fileCalls().push_back(std::string("rename ") + from + " " + to);
    return real(from, to);
}

namespace {

// The data synced, then renamed by the writer's own spelling of the path, then the folder synced.
std::vector<std::string> syncedReplacement(const std::string& target)
{
    const boost::filesystem::path file = boost::filesystem::path(target).lexically_normal();
    return {"fsync " + file.string() + ".tmp", "rename " + target + ".tmp " + target,
            "fsync " + file.parent_path().string()};
}

TEST(FileReplace, BothWritersSyncTheDataThenRenameThenSyncTheFolder)
{
    const std::string oldConfig = "[preferences] \nlanguage = old \n";
    gametest::IniFolder ini(&oldConfig);
    const std::string folder = boost::filesystem::canonical(ini.folder.path()).string() + "/";
    Game& game = gametest::cleanGame();
    game.preferenceFolder = folder;
    fileCalls().clear();
    game.saveConfig();
    game.saveHighScores();

    std::vector<std::string> expected = syncedReplacement(folder + "/config.ini");
    const std::vector<std::string> scores = syncedReplacement(folder + "high.scores");
    expected.insert(expected.end(), scores.begin(), scores.end());
    EXPECT_EQ(fileCalls(), expected);
    EXPECT_NE(ini.folder.read("config.ini").find("\n upKey = 17 \n"), std::string::npos);
    EXPECT_NE(ini.folder.read("high.scores").find("<PREFS lasName"), std::string::npos);
    game.highScores = highScoreTable();
}

// Each writer on a full disk, or without its folder, keeps what was there,
// leaves no temporary file and says which file failed and why.
TEST(FileReplace, AFailedSaveOrFirstCopyLeavesTheOldStateAndSaysWhy)
{
    const std::string oldConfig = "[preferences] \nlanguage = old \n";
    gametest::IniFolder ini(&oldConfig);
    const std::string folder = ini.folder.path();
    ini.folder.write("program/data/config.ini_", "[preferences] \nlanguage = template \n");
    Game& game = gametest::cleanGame();
    const struct {
        const char* name;
        bool isDiskFull;
        std::string preferenceFolder;
        std::function<void()> save;
        std::string expectedLine;
        const char* keptFile;
        std::string keptText;
    } table[] = {
        {"settings, disk full", true, folder, [&] { game.saveConfig(); },
         "[ERROR] Couldn't write config.ini file: " + folder + "/config.ini.tmp: No space left on device", "config.ini",
         oldConfig},
        {"high scores, disk full", true, folder, [&] { game.saveHighScores(); },
         "[ERROR] couldn't write high.scores: " + folder + "high.scores.tmp: No space left on device", "high.scores",
         ""},
        {"high scores, no folder", false, folder + "gone/", [&] { game.saveHighScores(); },
         "[ERROR] couldn't write high.scores: " + folder + "gone/high.scores.tmp: No such file or directory",
         "high.scores", ""},
        {"first start, disk full", true, folder + "first/", [&] { moveOldSettings(folder + "program/", folder + "first/"); },
         "[ERROR] couldn't copy " + folder + "program/data//config.ini_ to " + folder +
             "first/config.ini: " + folder + "first/config.ini.tmp: No space left on device",
         "first/config.ini", ""},
    };
    ini.folder.write("first/placeholder", "");
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        game.preferenceFolder = row.preferenceFolder;
        LogCapture log;
        isDiskFull = row.isDiskFull;
        row.save();
        isDiskFull = false;
        EXPECT_TRUE(log.contains(row.expectedLine)) << testing::PrintToString(log.lines);
        EXPECT_EQ(ini.folder.read(row.keptFile), row.keptText);
        EXPECT_EQ(ini.folder.exists(row.keptFile), !row.keptText.empty());
        EXPECT_FALSE(ini.folder.exists(std::string(row.keptFile) + ".tmp"));
    }
    game.highScores = highScoreTable();
}

TEST(FileReplace, TheTemporaryFilesOfAKilledSaveGoAtTheNextStart)
{
    TempFolder preferences;
    for (const char* file : {"config.ini.tmp", "high.scores.tmp", "config.ini"})
        preferences.write(file, "cut");
    removeStaleReplacements(preferences.path());
    EXPECT_FALSE(preferences.exists("config.ini.tmp"));
    EXPECT_FALSE(preferences.exists("high.scores.tmp"));
    EXPECT_EQ(preferences.read("config.ini"), "cut");
}

} // namespace
