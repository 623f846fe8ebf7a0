// Reading "high.scores" back: row order, the last name, where the file is
// taken from, bad files, and the round trip through the writer.
#include "core/Game.h"
#include "data/GameFileReader.h"
#include "data/HighScoreReader.h"
#include "data/NestedXml.h"
#include "support/LogCapture.h"
#include "support/ResourceGroupScope.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const char* const scoresUnusedLine = "[ERROR] high-score file does not parse, nothing of it used: high.scores "
                                     "([DotSceneLoader] Error creating tinyxml2::XMLDocument)";

class HighScoreReader : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.highScores = highScoreTable();
        game.highScores.rows.insert({"OLD", 1, 1});
        game.highScores.lastEnteredName = "OLDNAME";
    }
    void TearDown() override
    {
        game.highScores = highScoreTable();
        game.preferenceFolder.clear();
        // What the game file's test leaves.
        for (gameFileEntry* entry : game.levels)
            delete entry;
        game.levels.clear();
        game.gameName.clear();
        game.levelName.clear();
    }
    // The folders as the only locations of their groups, made after the files.
    void registerGroups()
    {
        ResourceGroupScope::addFolder(media.path(), "Media");
        ResourceGroupScope::addFolder(gamersc.path(), "GAMERSC");
    }
    void read(const std::string& text)
    {
        gamersc.write("high.scores", text);
        registerGroups();
        readHighScores(game);
    }
    std::vector<highScoreRow> rows() const { return {game.highScores.rows.begin(), game.highScores.rows.end()}; }

    Game& game = *Game::getSingletonPtr();
    TempFolder media;
    TempFolder gamersc;
    ResourceGroupScope groups{{"Media", "GAMERSC"}};
    LogCapture log;
};

TEST_F(HighScoreReader, RowsTakeTheirPlaceByScoreEqualOnesInFileOrder)
{
    read("<SCORE name = \"A\" lastLevel=\"1\" score=\"50\" />\n"
         "<SCORE name = \"B\" lastLevel=\"2\" score=\"120\" />\n"
         "<SCORE score=\"50\" lastLevel=\"3\" name=\"A\" />\n"
         "<PREFS lasName = \"B\" />\n");
    const std::vector<highScoreRow> table = rows();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].name, "B");
    EXPECT_EQ(table[0].score, 120);
    EXPECT_EQ(table[1].lastLevel, 1);
    EXPECT_EQ(table[2].lastLevel, 3);
    EXPECT_EQ(table[2].name, "A");
    EXPECT_EQ(game.highScores.lastEnteredName, "B");
}

TEST_F(HighScoreReader, AbsentAttributesReadAsZeroAndEmpty)
{
    read("<SCORE />\n<SCORE score=\"many\" lastLevel=\"x\" />\n<PREFS />\n");
    for (const highScoreRow& row : rows()) {
        EXPECT_EQ(row.name, "");
        EXPECT_EQ(row.score, 0);
        EXPECT_EQ(row.lastLevel, 0);
    }
    EXPECT_EQ(rows().size(), 2u);
    EXPECT_EQ(game.highScores.lastEnteredName, "OLDNAME");
}

TEST_F(HighScoreReader, OnlyScoreElementsBecomeRowsWhereverPrefsStands)
{
    read("<PREFS lasName = \"P\" />\n<OTHER score=\"9\" />\n<SCORE name = \"S\" lastLevel=\"0\" score=\"7\" />\n");
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0].name, "S");
    EXPECT_EQ(game.highScores.lastEnteredName, "P");
}

TEST_F(HighScoreReader, AnEmptyFileEmptiesTheTableButKeepsTheLastName)
{
    read("");
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(game.highScores.lastEnteredName, "OLDNAME");
}

TEST_F(HighScoreReader, AMalformedFileIsLoggedAndLeavesTheTable)
{
    read("<SCORE name = \"A\" lastLevel=\"1\" score=\"5\" />\n<SCORE name = \"B");
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0].name, "OLD");
    EXPECT_TRUE(log.contains(scoresUnusedLine));
}

TEST_F(HighScoreReader, AFileNestedFarTooDeepIsAMalformedFile)
{
    read(deeplyNested("SCORE"));
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0].name, "OLD");
    EXPECT_TRUE(log.contains(scoresUnusedLine));
}

TEST_F(HighScoreReader, WithoutTheFileNothingChangesAndNothingIsLogged)
{
    registerGroups();
    readHighScores(game);
    EXPECT_EQ(rows().size(), 1u);
    EXPECT_FALSE(log.containsPrefix("[DotSceneLoader]"));
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(HighScoreReader, TheCopyInMediaComesFirst)
{
    media.write("high.scores", "<SCORE name = \"MEDIA\" lastLevel=\"0\" score=\"1\" />\n");
    read("<SCORE name = \"GAME\" lastLevel=\"0\" score=\"1\" />\n");
    ASSERT_EQ(rows().size(), 1u);
    EXPECT_EQ(rows()[0].name, "MEDIA");
}

TEST_F(HighScoreReader, WhatTheWriterWritesReadsBackTheSame)
{
    const std::vector<std::string> hostile = {"QU\"OTE", "A&B", "<TAG>", "&quot;", "&amp;lt;", "'", "&#65;", "X > Y"};
    highScoreTable written;
    std::int64_t score = 3000000000LL;
    for (const std::string& name : hostile)
        written.rows.insert({name, score--, 7});
    written.lastEnteredName = "\"L&<\"";
    game.highScores = written;
    game.preferenceFolder = gamersc.path();
    game.saveHighScores();
    game.highScores = highScoreTable();
    registerGroups();

    readHighScores(game);

    const std::vector<highScoreRow> table = rows();
    ASSERT_EQ(table.size(), hostile.size());
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        EXPECT_EQ(table[i].name, hostile[i]);
        EXPECT_EQ(table[i].score, 3000000000LL - static_cast<std::int64_t>(i));
        EXPECT_EQ(table[i].lastLevel, 7);
    }
    EXPECT_EQ(game.highScores.lastEnteredName, "\"L&<\"");
}

TEST_F(HighScoreReader, TheGameFileReadsTheScoresOnlyForAGameWithLevels)
{
    gamersc.write("high.scores", "<SCORE name = \"KEPT\" lastLevel=\"0\" score=\"1\" />\n");
    gamersc.write("Skies.game", "<GAMEFILE><LEVEL name=\"gone\"/></GAMEFILE>");
    registerGroups();
    readGameFile(game);
    EXPECT_EQ(rows()[0].name, "OLD");

    gamersc.write("one.level", "<LEVEL/>");
    gamersc.write("Skies.game", "<GAMEFILE><LEVEL name=\"one\"/></GAMEFILE>");
    Ogre::ResourceGroupManager::getSingleton().destroyResourceGroup("GAMERSC");
    ResourceGroupScope::addFolder(gamersc.path(), "GAMERSC");
    readGameFile(game);
    EXPECT_EQ(rows()[0].name, "KEPT");
}

} // namespace
