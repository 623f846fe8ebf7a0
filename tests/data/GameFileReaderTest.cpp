#include "data/GameFileReader.h"

#include "core/Game.h"
#include "data/NestedXml.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class GameFileReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.resetDefaults();
        game.levelName.clear();
        game.levelIndex = 0;
        game.gameName.clear();
        for (gameFileEntry* entry : game.levels)
            delete entry;
        game.levels.clear();
    }
    void read()
    {
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        readGameFile(game);
    }

    ResourceGroupScope groups{{"GAMERSC"}};
    TempFolder folder;
    LogCapture log;
    Game& game = *Game::getSingletonPtr();
};

const char* const threeLevels = R"(<GAMEFILE>
  <STARTMENU splashScreenPicture="none" splashScreenPicture2="logo.png"/>
  <LEVEL name="A" screenName="First" thumbnail="a.png"/>
  <GAMEMODE modeName="1" screenName="Easy"><DIFFICULTY screenName="Calm"/></GAMEMODE>
  <LEVEL name="B" screenName="Second" thumbnail="b.png"/>
  <LEVEL name="C" screenName="Third" thumbnail="c.png" isIncludedInBuild="false"/>
  <GAMEMODE modeName="1" screenName="Hard" maxDifficulties="3"/>
  <Extension name="Rivers"/>
  <PLAYERS name="Kite"/><PLAYERS name="Kite"/>
</GAMEFILE>)";

} // namespace

TEST_F(GameFileReaderTest, LevelListKeepsIncludedLevelsWhoseFilesExist)
{
    folder.write("Trial.game", threeLevels);
    folder.write("A.level", "<LEVEL/>");
    folder.write("C.level", "<LEVEL/>");
    read();

    EXPECT_EQ(game.gameName, "Trial");
    ASSERT_EQ(game.levels.size(), 1u);
    EXPECT_EQ(game.levels[0]->name, "A");
    EXPECT_EQ(game.levels[0]->screenName, "First");
    EXPECT_TRUE(game.levels[0]->isGameplayLevel);
    EXPECT_TRUE(log.contains("added A"));
    EXPECT_TRUE(log.contains("levelBdo not exist"));
    EXPECT_TRUE(log.contains("added C"));
    EXPECT_EQ(log.lines.back(), "game read");
    EXPECT_EQ(game.splashScreenPicture, "none");
    EXPECT_EQ(game.splashScreenPicture2, "logo.png");
}

TEST_F(GameFileReaderTest, ModesExtensionsAndPlayersFollowTheDocument)
{
    folder.write("Trial.game", threeLevels);
    read();
    ASSERT_EQ(game.gameModes.size(), 1u);
    EXPECT_EQ(game.gameModes.at(1).screenName, "Hard"); // the later mode replaces the earlier
    EXPECT_EQ(game.gameModes.at(1).maxDifficulties, 3);
    EXPECT_TRUE(game.gameModes.at(1).difficulties.empty());
    EXPECT_EQ(game.extensions.count("Rivers"), 1u);
    EXPECT_EQ(game.playerNames, (std::vector<std::string>{"Kite", "Kite"}));
}

TEST_F(GameFileReaderTest, LevelIndexFollowsTheCurrentLevelName)
{
    folder.write("Trial.game", R"(<G><LEVEL name="A" screenName="" thumbnail=""/><LEVEL name="B" screenName="" thumbnail=""/></G>)");
    folder.write("A.level", "<L/>");
    folder.write("B.level", "<L/>");
    game.levelName = "B";
    read();
    EXPECT_EQ(game.levelIndex, 1);
}

TEST_F(GameFileReaderTest, BrokenFileLogsOneLineAndKeepsTheGame)
{
    folder.write("Trial.game", "<GAMEFILE><LEVEL name=\"A\"></GAMEFILE");
    game.splashScreenPicture = "kept";
    read();
    EXPECT_TRUE(log.contains("Error creating tinyxml2::XMLDocument"));
    EXPECT_FALSE(log.contains("game read"));
    EXPECT_EQ(game.splashScreenPicture, "kept");
    EXPECT_TRUE(game.levels.empty());
}

TEST_F(GameFileReaderTest, AFileNestedFarTooDeepIsABrokenFile)
{
    folder.write("Trial.game", deeplyNested("LEVEL"));
    read();
    EXPECT_TRUE(log.contains("Error creating tinyxml2::XMLDocument"));
    EXPECT_FALSE(log.contains("game read"));
}

TEST_F(GameFileReaderTest, NoGameFileDoesNothing)
{
    folder.write("notes.txt", "nothing");
    read();
    EXPECT_FALSE(log.contains("will read the level list"));
    EXPECT_FALSE(log.contains("game read"));
    EXPECT_TRUE(game.gameName.empty());
}
