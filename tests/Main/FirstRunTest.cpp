#include "Main/FirstRun.h"

#include "support/LogCapture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class FirstRunTest : public ::testing::Test {
protected:
    TempFolder program;
    TempFolder preferences;
    LogCapture log;

    std::string exePath() const { return program.path() + "/"; }
};

} // namespace

TEST_F(FirstRunTest, FirstOldHighScoreFileWinsAndBothAreRemoved)
{
    program.write("data/zarnith.scores", "first");
    program.write("data/high.scores", "second");
    moveOldHighScores(exePath(), "zarnith", preferences.path());

    EXPECT_EQ(preferences.read("high.scores"), "first");
    EXPECT_FALSE(program.exists("data/zarnith.scores"));
    EXPECT_FALSE(program.exists("data/high.scores"));
    const std::vector<std::string> expected = {
        "Will copy missing high.score.",
        "copied high.score.",
        "Will remove unused high.score in " + exePath() + "data//zarnith.scores",
        "Removed unused high.score.",
        "Will remove unused high.score in " + exePath() + "data//high.scores",
        "Removed unused high.score.",
    };
    EXPECT_EQ(log.lines, expected);
}

TEST_F(FirstRunTest, ExistingPreferenceScoresAreKeptAndOldFilesRemoved)
{
    preferences.write("high.scores", "mine");
    program.write("data/high.scores", "old");
    moveOldHighScores(exePath(), "zarnith", preferences.path());
    EXPECT_EQ(preferences.read("high.scores"), "mine");
    EXPECT_FALSE(program.exists("data/high.scores"));
}

TEST_F(FirstRunTest, NoOldFilesMeansNothingHappensAndNothingIsLogged)
{
    moveOldHighScores(exePath(), "zarnith", preferences.path());
    EXPECT_TRUE(log.lines.empty());
    EXPECT_FALSE(preferences.exists("high.scores"));
}

TEST_F(FirstRunTest, AFailedCopyKeepsTheOldFile)
{
    program.write("data/high.scores", "only copy");
    moveOldHighScores(exePath(), "zarnith", preferences.path() + "missing-folder/");
    EXPECT_TRUE(program.exists("data/high.scores"));
    EXPECT_TRUE(log.containsPrefix("[ERROR] couldn't copy "));
    EXPECT_FALSE(log.contains("Removed unused high.score."));
    preferences.write("high.scores/x", ""); // a folder in the scores' place keeps it too
    moveOldHighScores(exePath(), "zarnith", preferences.path());
    EXPECT_TRUE(program.exists("data/high.scores"));
}

TEST_F(FirstRunTest, OldSettingsMoveAndTheTemplateIsNotUsed)
{
    program.write("config.ini", "old settings");
    program.write("data/config.ini_", "template");
    moveOldSettings(exePath(), preferences.path());
    EXPECT_EQ(preferences.read("config.ini"), "old settings");
    EXPECT_FALSE(program.exists("config.ini"));
    EXPECT_EQ(log.lines.front(), "ini path: " + exePath() + "config.ini");
    EXPECT_EQ(log.lines.at(1), "ini copy path: " + preferences.path() + "config.ini");
}

TEST_F(FirstRunTest, TemplateIsCopiedWhenNoSettingsExist)
{
    program.write("data/config.ini_", "template");
    moveOldSettings(exePath(), preferences.path());
    EXPECT_EQ(preferences.read("config.ini"), "template");
    EXPECT_TRUE(program.exists("data/config.ini_"));
}

TEST_F(FirstRunTest, ExistingPreferenceSettingsAreNeverReplaced)
{
    preferences.write("config.ini", "mine");
    program.write("config.ini", "old settings");
    program.write("data/config.ini_", "template");
    moveOldSettings(exePath(), preferences.path());
    EXPECT_EQ(preferences.read("config.ini"), "mine");
    EXPECT_FALSE(program.exists("config.ini"));
}
