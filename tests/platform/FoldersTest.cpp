#include "platform/Folders.h"

#include "ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <stdlib.h>

namespace fs = std::filesystem;

namespace {

TEST(ExecutablePathTest, NamesTheRunningProgram)
{
    const std::string path = platform::executablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_TRUE(fs::equivalent(path, "/proc/self/exe"));
}

class DocumentsFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "zarnith-home-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home = pattern;
        environment.set("HOME", home.string());
        environment.unset("XDG_CONFIG_HOME");
    }

    void TearDown() override { fs::remove_all(home); }

    void writeUserDirs(const fs::path& configFolder, const std::string& text)
    {
        fs::create_directories(configFolder);
        std::ofstream(configFolder / "user-dirs.dirs") << text;
    }

    fs::path home;
    ScopedEnvironment environment;
};

TEST_F(DocumentsFolderTest, WithoutHomeIsEmpty)
{
    environment.unset("HOME");
    EXPECT_EQ(platform::documentsFolder(), "");
    environment.set("HOME", "");
    EXPECT_EQ(platform::documentsFolder(), "");
}

TEST_F(DocumentsFolderTest, ReadsTheEntryOfUserDirs)
{
    EXPECT_EQ(platform::documentsFolder(), home.string() + "/Documents");
    writeUserDirs(home / ".config",
                  "# This file is written by xdg-user-dirs-update\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                  "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                  "XDG_MUSIC_DIR=\"$HOME/Musik\"\n");
    EXPECT_EQ(platform::documentsFolder(), home.string() + "/Dokumente");
}

TEST_F(DocumentsFolderTest, AcceptsAbsolutePathsAndEscapes)
{
    writeUserDirs(home / ".config", "  XDG_DOCUMENTS_DIR = \"/srv/My \\\"Docs\\\"\"\n");
    EXPECT_EQ(platform::documentsFolder(), "/srv/My \"Docs\"");
}

TEST_F(DocumentsFolderTest, IgnoresMalformedEntries)
{
    writeUserDirs(home / ".config",
                  "#XDG_DOCUMENTS_DIR=\"$HOME/Commented\"\n"
                  "XDG_DOCUMENTS_DIR=\"relative/path\"\n"
                  "XDG_DOCUMENTS_DIR=$HOME/Unquoted\n"
                  "XDG_DOCUMENTS_DIRECTORY=\"$HOME/OtherKey\"\n");
    EXPECT_EQ(platform::documentsFolder(), home.string() + "/Documents");
}

TEST_F(DocumentsFolderTest, ConfigHomeReplacesDotConfig)
{
    writeUserDirs(home / ".config", "XDG_DOCUMENTS_DIR=\"$HOME/FromDotConfig\"\n");
    writeUserDirs(home / "elsewhere", "XDG_DOCUMENTS_DIR=\"$HOME/FromConfigHome\"\n");
    environment.set("XDG_CONFIG_HOME", (home / "elsewhere").string());
    EXPECT_EQ(platform::documentsFolder(), home.string() + "/FromConfigHome");
}

} // namespace
