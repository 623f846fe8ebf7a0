// The settings and high-score writers put their data on the disk before the
// new file takes the old one's name. The test binary's own fsync and rename
// stand in front of the C library's and note each call.
#include "core/GameTestSupport.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
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

} // namespace
