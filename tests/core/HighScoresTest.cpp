// The high-score table: insertion, the rank a score would take, and the
// exact bytes of "high.scores".
#include "GameTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const char* const defaultFile =
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"100\" />\n"
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"90\" />\n"
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"80\" />\n"
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"70\" />\n"
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"60\" />\n"
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"50\" />\n"
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"40\" />\n"
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"30\" />\n"
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"20\" />\n"
    "<SCORE name = \"KOVA\" lastLevel=\"0\" score=\"10\" />\n"
    "<PREFS lasName = \"\" />\n";

class HighScoreTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        gametest::cleanGame();
        game.highScores = highScoreTable();
        game.preferenceFolder = preferences.path();
    }
    void TearDown() override
    {
        game.highScores = highScoreTable();
        gametest::cleanGame();
    }
    // The table filled with the ten default rows, 100 down to 10.
    void defaults()
    {
        game.saveHighScores();
        ASSERT_EQ(game.highScores.rows.size(), 10u);
    }
    std::vector<std::int64_t> scores() const
    {
        std::vector<std::int64_t> all;
        for (const highScoreRow& row : game.highScores.rows)
            all.push_back(row.score);
        return all;
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> all;
        for (const highScoreRow& row : game.highScores.rows)
            all.push_back(row.name);
        return all;
    }

    Game& game = *Game::getSingletonPtr();
    TempFolder preferences;
};

TEST_F(HighScoreTable, SavingAnEmptyTableWritesAndKeepsTheTenDefaultRows)
{
    game.saveHighScores();
    EXPECT_EQ(preferences.read("high.scores"), defaultFile);
    EXPECT_EQ(scores(), (std::vector<std::int64_t>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10}));
    EXPECT_FALSE(preferences.exists("high.scores.tmp"));
}

TEST_F(HighScoreTable, RowsAreWrittenHighestFirstWithTheLastName)
{
    game.highScores.rows.insert({"ZED", 3000000000LL, 4});
    game.highScores.rows.insert({"AMY", 7, -1});
    game.highScores.lastEnteredName = "AMY";
    preferences.write("high.scores", "an older, longer table that the new one replaces whole\n");
    game.saveHighScores();
    EXPECT_EQ(preferences.read("high.scores"), "<SCORE name = \"ZED\" lastLevel=\"4\" score=\"3000000000\" />\n"
                                               "<SCORE name = \"AMY\" lastLevel=\"-1\" score=\"7\" />\n"
                                               "<PREFS lasName = \"AMY\" />\n");
}

TEST_F(HighScoreTable, QuotesAndAmpersandsAreEscapedInNamesAndTheLastName)
{
    game.highScores.rows.insert({"A\"B&C<D>", 5, 0});
    game.highScores.lastEnteredName = "\"Q\"";
    game.saveHighScores();
    EXPECT_EQ(preferences.read("high.scores"), "<SCORE name = \"A&quot;B&amp;C<D>\" lastLevel=\"0\" score=\"5\" />\n"
                                               "<PREFS lasName = \"&quot;Q&quot;\" />\n");
}

TEST_F(HighScoreTable, AFolderThatCannotBeWrittenLeavesTheTableAlone)
{
    game.preferenceFolder = preferences.path() + "missing/";
    game.saveHighScores();
    EXPECT_TRUE(game.highScores.rows.empty());
    game.preferenceFolder.clear();
    game.saveHighScores();
    EXPECT_TRUE(game.highScores.rows.empty());
}

TEST_F(HighScoreTable, AHigherScoreMovesEveryRowDownAndDropsTheLowest)
{
    defaults();
    game.addHighScore("NEW", 150, 2);
    EXPECT_EQ(scores(), (std::vector<std::int64_t>{150, 100, 90, 80, 70, 60, 50, 40, 30, 20}));
    EXPECT_EQ(game.highScores.lastEnteredName, "NEW");
}

TEST_F(HighScoreTable, AnEqualScoreGoesAfterTheRowsItEquals)
{
    defaults();
    game.addHighScore("TIE", 50, 1);
    EXPECT_EQ(scores(), (std::vector<std::int64_t>{100, 90, 80, 70, 60, 50, 50, 40, 30, 20}));
    EXPECT_EQ(names()[5], "KOVA");
    EXPECT_EQ(names()[6], "TIE");
}

TEST_F(HighScoreTable, AScoreEqualToTheLowestIsDropped)
{
    defaults();
    game.addHighScore("LOW", 10, 1);
    EXPECT_EQ(scores(), (std::vector<std::int64_t>{100, 90, 80, 70, 60, 50, 40, 30, 20, 10}));
    EXPECT_EQ(names().back(), "KOVA");
    EXPECT_EQ(game.highScores.lastEnteredName, "LOW");
}

TEST_F(HighScoreTable, TheRankCountsTheRowsStrictlyAbove)
{
    EXPECT_EQ(game.highScoreRank(), 1); // an empty table
    defaults();
    const std::vector<std::pair<std::int64_t, int>> ranks = {
        {1000, 1}, {100, 1}, {99, 2}, {50, 6}, {11, 10}, {10, 10}, {9, 0}, {0, 0}};
    for (const auto& [total, rank] : ranks) {
        game.totalScore = total;
        EXPECT_EQ(game.highScoreRank(), rank) << total;
    }
}

} // namespace
