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
  <GAME parentPlayerName="Kite" gameScreenName="Trial"/>
  <GAMEMODE screenName="Nameless"/>
  <LEVEL name="A" screenName="First" thumbnail="a.png"/>
  <GAMEMODE modeName="1" screenName="Easy"><DIFFICULTY screenName="Calm"/></GAMEMODE>
  <LEVEL name="B" screenName="Second" thumbnail="b.png"/>
  <LEVEL name="C" screenName="Third" thumbnail="c.png" isIncludedInBuild="false"/>
  <GAMEMODE modeName="1" screenName="Hard" maxDifficulties="3"/>
  <GAMEMODE modeName="2" screenName="Boss"><DIFFICULTY screenName="Mean"/><DIFFICULTY screenName="Cruel"/></GAMEMODE>
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
    EXPECT_EQ(game.levels[0]->thumbnail, "a.png");
    EXPECT_TRUE(game.levels[0]->isGameplayLevel);
    const std::vector<std::string> listLines = {"will read the level list", "added A", "levelBdo not exist", "added C"};
    const auto first = std::find(log.lines.begin(), log.lines.end(), listLines[0]);
    ASSERT_GE(std::distance(first, log.lines.end()), 4);
    EXPECT_TRUE(std::equal(listLines.begin(), listLines.end(), first));
    EXPECT_EQ(log.lines.back(), "game read");
}

TEST_F(GameFileReaderTest, ModesExtensionsAndPlayersFollowTheDocument)
{
    folder.write("Trial.game", threeLevels);
    read();
    ASSERT_EQ(game.gameModes.size(), 2u);
    EXPECT_EQ(game.gameModes.at(1).screenName, "Hard"); // the later mode replaces the earlier
    EXPECT_EQ(game.gameModes.at(1).maxDifficulties, 3);
    EXPECT_TRUE(game.gameModes.at(1).difficulties.empty());
    EXPECT_EQ(game.gameModes.at(2).maxDifficulties, 0);
    EXPECT_EQ(game.gameModes.at(2).difficulties, (std::vector<std::string>{"Mean", "Cruel"}));
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "[ERROR] Trial.game: GAMEMODE without attribute: modeName"), 1);
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

// A broken file, an empty one and one of comments only: the reader frame's
// one line naming the file and ending with that line, and nothing of the
// game changes, not even its texts.
TEST_F(GameFileReaderTest, AnUnusableFileLogsOneLineAndKeepsTheGame)
{
    folder.write("english.localization", R"(<L><string name="KEY_00000">new</string></L>)");
    for (const std::string& text : {std::string("<GAMEFILE><LEVEL name=\"A\"></GAMEFILE"), std::string(),
                                    std::string("<!-- nothing yet -->"), deeplyNested("LEVEL")}) {
        folder.write("Trial.game", text);
        game.gameName = "Before";
        game.lives = 9;
        game.defaultTexts = {{"KEY_00000", textEntry{"old", "old", 3, 0}}};
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
        log.levels.clear();
        game.reportedLines.clear(); // each text a run of its own
        readGameFile(game);
        EXPECT_EQ(log.lines, (std::vector<std::string>{"[ERROR] game file does not parse, nothing of it used: "
                                                       "Trial.game (Error creating tinyxml2::XMLDocument)"}))
            << text.substr(0, 40);
        EXPECT_EQ(log.levels, std::vector<Ogre::LogMessageLevel>{Ogre::LML_CRITICAL});
        EXPECT_EQ(game.gameName, "Before");
        EXPECT_EQ(game.lives, 9);
        EXPECT_EQ(game.defaultTexts.at("KEY_00000").text, "old");
        Ogre::ResourceGroupManager::getSingleton().destroyResourceGroup("GAMERSC");
    }
}

TEST_F(GameFileReaderTest, NoGameFileDoesNothing)
{
    folder.write("notes.txt", "nothing");
    read();
    EXPECT_FALSE(log.contains("will read the level list"));
    EXPECT_FALSE(log.contains("game read"));
    EXPECT_TRUE(game.gameName.empty());
}

// Of several game files the first by name is the game, however the folder
// lists them; play's list of game files agrees.
TEST_F(GameFileReaderTest, OfTwoGameFilesTheFirstByNameIsRead)
{
    const struct {
        std::vector<std::string> written; // in this order
        const char* read;
    } cases[] = {
        {{"Beta", "Alpha"}, "Alpha"},
        {{"Alpha", "Beta"}, "Alpha"},
        {{"Trial2", "Trial"}, "Trial"},
        {{"Skyward", "Afterglow"}, "Afterglow"},
        {{"Afterglow", "Skyward"}, "Afterglow"},
    };
    for (const auto& c : cases) {
        TempFolder files;
        for (const std::string& name : c.written) {
            files.write(name + ".game", "<G><LEVEL name=\"" + name + "\" screenName=\"\" thumbnail=\"\"/></G>");
            files.write(name + ".level", "<L/>");
        }
        ResourceGroupScope::addFolder(files.path(), "GAMERSC");
        readGameFile(game);
        EXPECT_EQ(game.gameName, c.read) << c.written.front();
        ASSERT_EQ(game.levels.size(), 1u) << c.written.front();
        EXPECT_EQ(game.levels[0]->name, c.read) << c.written.front();
        game.listGameFiles();
        EXPECT_EQ(game.gameFiles.front(), std::string(c.read) + ".game") << c.written.front();
        Ogre::ResourceGroupManager::getSingleton().destroyResourceGroup("GAMERSC");
    }
}
