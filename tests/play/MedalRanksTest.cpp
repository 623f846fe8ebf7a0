// Medals: their ranks by score, and the medal dropped in place of a medal
// item as the chain climbs.
#include "core/GameTestSupport.h"

#include "play/Level.h"
#include "world/Item.h"

#include <gtest/gtest.h>

namespace {

class Medals : public ::testing::Test {
protected:
    void SetUp() override
    {
        gametest::cleanGame();
        game.level = &level;
        bronze = add("A_Bronze", itemKindMedal, 100);
        silver = add("B_Silver", itemKindMedal, 200);
        gold = add("C_Gold", itemKindMedal, 300);
        coin = add("D_Coin", itemKindCounter, 50);
        level.resetItemMap();
        game.isChainingMedalIncrementMedailType = true;
        game.isChainingMedalIncrementMedailScore = true;
    }
    void TearDown() override
    {
        game.level = nullptr;
        gametest::cleanGame();
    }
    Item* add(const std::string& key, int kind, int score)
    {
        auto* item = new Item();
        item->itemKind = kind;
        item->Score = score;
        game.itemLibrary[key] = item;
        return item;
    }

    Game& game = *Game::getSingletonPtr();
    Level level;

public: // named by the cases' member pointers
    Item* bronze = nullptr;
    Item* silver = nullptr;
    Item* gold = nullptr;
    Item* coin = nullptr;
};

TEST_F(Medals, RankByAscendingScoreLeavingOthersAndSwitchedOffOnesOut)
{
    Item* hidden = add("E_Hidden", itemKindMedal, 150);
    hidden->isDisabled = 1;
    hidden->medalType = 9;
    level.resetItemMap();
    EXPECT_EQ(bronze->medalType, 1);
    EXPECT_EQ(silver->medalType, 2);
    EXPECT_EQ(gold->medalType, 3);
    EXPECT_EQ(hidden->medalType, 9);
    EXPECT_EQ(coin->medalType, 0);
    ASSERT_EQ(level.medalRanks.size(), 3u);
    EXPECT_EQ(level.medalRanks.at(200), silver);
}

TEST_F(Medals, OfTwoWithOneScoreTheLaterKeyTakesTheRank)
{
    Item* twin = add("Z_Twin", itemKindMedal, 200);
    silver->medalType = 7;
    level.resetItemMap();
    EXPECT_EQ(level.medalRanks.at(200), twin);
    EXPECT_EQ(twin->medalType, 2);
    EXPECT_EQ(silver->medalType, 7);
}

TEST_F(Medals, TheDroppedMedalFollowsTheChain)
{
    struct Case {
        const char* what;
        Item* Medals::*dropped;
        int chainType;
        int counter;    // of the chain's medal
        bool byType;    // "isChainingMedalIncrementMedailType"
        bool byScore;   // "isChainingMedalIncrementMedailScore"
        Item* Medals::*expected;
    };
    const Case cases[] = {
        {"not a medal", &Medals::coin, 1, 1, true, true, &Medals::coin},
        {"types not chained", &Medals::bronze, 1, 1, false, true, &Medals::bronze},
        {"ahead of the chain", &Medals::silver, 1, 1, true, true, &Medals::silver},
        {"below the next rank's score", &Medals::bronze, 1, 1, true, true, &Medals::bronze},
        {"count reaches the next rank's score", &Medals::bronze, 1, 2, true, true, &Medals::silver},
        {"scores not chained", &Medals::bronze, 1, 1, true, false, &Medals::silver},
        {"behind the chain, its medal still below", &Medals::bronze, 2, 1, true, true, &Medals::silver},
        {"top rank stays", &Medals::gold, 3, 5, true, true, &Medals::gold},
    };
    for (const Case& c : cases) {
        level.flagAllItemDefinitions();
        game.medalType = c.chainType;
        game.isChainingMedalIncrementMedailType = c.byType;
        game.isChainingMedalIncrementMedailScore = c.byScore;
        for (const auto& entry : game.itemLibrary)
            if (entry.second->medalType == c.chainType)
                entry.second->medalCounter = c.counter;
        EXPECT_EQ(game.selectLeveledItem(this->*c.dropped), this->*c.expected) << c.what;
    }
}

} // namespace
