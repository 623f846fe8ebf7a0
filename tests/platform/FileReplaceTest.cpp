// The settings and high-score writers put their data on the disk before the
// new file takes the old one's name. The test binary's own fsync and rename
// stand in front of the C library's (the program's calls bind to them) and
// note each call while a test listens.
#include "core/GameTestSupport.h"

#include "platform/FileReplace.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

namespace {

bool listening = false;
std::vector<std::string> fileCalls;

std::string pathOf(int fd)
{
    char path[PATH_MAX] = {};
    const ssize_t length = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

template <typename Function>
Function libraryFunction(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd)
{
    static const auto real = libraryFunction<int (*)(int)>("fsync");
    if (listening)
        fileCalls.push_back("fsync " + pathOf(fd));
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept
{
    static const auto real = libraryFunction<int (*)(const char*, const char*)>("rename");
    if (listening)
        fileCalls.push_back(std::string("rename ") + from + " " + to);
    return real(from, to);
}

namespace {

class FileReplaceCalls : public ::testing::Test {
protected:
    void SetUp() override
    {
        fileCalls.clear();
        listening = true;
    }
    void TearDown() override { listening = false; }

    // The calls a replacement of the file must make, in order: the writer's
    // own spelling of the path is renamed, the file's real path is synced.
    static std::vector<std::string> syncedReplacement(const std::string& target)
    {
        const boost::filesystem::path file = boost::filesystem::path(target).lexically_normal();
        return {"fsync " + file.string() + ".tmp", "rename " + target + ".tmp " + target,
                "fsync " + file.parent_path().string()};
    }

    const std::string oldConfig = "[preferences] \nlanguage = old \n";
    gametest::IniFolder ini{&oldConfig};
    const std::string folder = boost::filesystem::canonical(ini.folder.path()).string() + "/";
};

TEST_F(FileReplaceCalls, BothWritersSyncTheDataThenRenameThenSyncTheFolder)
{
    Game& game = gametest::cleanGame();
    game.preferenceFolder = folder;
    game.saveConfig();
    game.saveHighScores();
    listening = false;

    std::vector<std::string> expected = syncedReplacement(folder + "/config.ini");
    const std::vector<std::string> scores = syncedReplacement(folder + "high.scores");
    expected.insert(expected.end(), scores.begin(), scores.end());
    EXPECT_EQ(fileCalls, expected);
    EXPECT_NE(ini.folder.read("config.ini").find("[keyboard] \n upKey = 17 \n"), std::string::npos);
    EXPECT_NE(ini.folder.read("high.scores").find("<PREFS lasName"), std::string::npos);
    game.highScores = highScoreTable();
}

TEST_F(FileReplaceCalls, ATemporaryFileThatCannotBeMadeChangesNothing)
{
    EXPECT_EQ(platform::replaceFile(folder + "missing/config.ini", "text"), platform::FileReplace::notOpened);
    EXPECT_TRUE(fileCalls.empty());
}

} // namespace
