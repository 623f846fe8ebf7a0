// Scoring: the multiplier to hundredths, the clamp, the count-up of the
// displayed score and the extra lives by score.
#include "core/GameTestSupport.h"

#include "play/Level.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

class Scoring : public ::testing::Test {
protected:
    void SetUp() override
    {
        gametest::cleanGame();
        game.level = &level;
        game.scoreGameSpeed = 1.0f;
        game.maximumScore = 999999999999999;
        game.Sound1up.clear();
        game.multiplier = 1.0;
        game.totalScore = game.levelScore = game.displayedScore = 0;
    }
    void TearDown() override
    {
        game.level = nullptr;
        gametest::cleanGame();
    }
    // The displayed score after each of `frames` count-up steps.
    std::vector<std::int64_t> countUp(int frames, double dt)
    {
        std::vector<std::int64_t> shown;
        for (int frame = 0; frame < frames; ++frame) {
            level.updateDisplayedScore(dt);
            shown.push_back(game.displayedScore);
        }
        return shown;
    }

    Game& game = *Game::getSingletonPtr();
    Level level;
};

TEST_F(Scoring, PointsTimesTheMultiplierToHundredthsAreClampedIntoBothScores)
{
    struct Case {
        double multiplier;
        std::int64_t before, points, maximum, after;
    };
    const Case cases[] = {
        {1.234, 0, 100, 999999999999999, 123},
        {2.5, 0, 3, 999999999999999, 7},
        {1.16, 0, 100, 999999999999999, 116},
        {1.0, 900, 500, 1000, 1000},
        {1.0, 50, -80, 1000, 0},
        {1e300, 0, 1, 1000, 1000},
    };
    for (const Case& c : cases) {
        game.multiplier = c.multiplier;
        game.maximumScore = c.maximum;
        game.totalScore = game.levelScore = c.before;
        level.addScore(c.points);
        EXPECT_EQ(game.totalScore, c.after) << c.multiplier << " x " << c.points;
        EXPECT_EQ(game.levelScore, c.after) << c.multiplier << " x " << c.points;
    }
    level.isScoring = false;
    level.addScore(5);
    EXPECT_EQ(game.totalScore, 1000);
}

TEST_F(Scoring, TheDisplayCountsTowardsTheTotalByFrameTimeAndStopsThere)
{
    level.addScore(250);
    EXPECT_EQ(level.scoreCountUpStep, 25);
    EXPECT_EQ(countUp(11, 0.016), (std::vector<std::int64_t>{25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 250}));
    game.displayedScore = 0;
    EXPECT_EQ(countUp(2, 0.032), (std::vector<std::int64_t>{50, 100}));
    game.displayedScore = 0;
    EXPECT_EQ(countUp(2, 0.008), (std::vector<std::int64_t>{12, 24}));

    // A total past a billion is reached exactly by steps of ten.
    game.totalScore = 1000000090;
    game.displayedScore = 1000000000;
    level.addScore(10);
    EXPECT_EQ(level.scoreCountUpStep, 10);
    EXPECT_EQ(countUp(11, 0.016).back(), 1000000100);

    // A step scaled below one by the speed leaves the display where it is.
    game.totalScore = 0;
    game.displayedScore = 0;
    game.scoreGameSpeed = 0.5f;
    level.addScore(5);
    EXPECT_EQ(countUp(3, 0.016).back(), 0);
}

TEST_F(Scoring, AFallingDisplayStopsAtTheTotal)
{
    game.totalScore = game.displayedScore = 50;
    level.addScore(-50);
    EXPECT_EQ(level.scoreCountUpStep, -5);
    EXPECT_EQ(countUp(11, 0.016).back(), 0);

    game.totalScore = game.displayedScore = 100;
    level.addScore(-20);
    EXPECT_EQ(countUp(11, 0.016).back(), 80);
}

TEST_F(Scoring, ExtraLivesByIntervalOrByTheTwoFixedScores)
{
    struct Case {
        int type, first, second, every;
        std::vector<std::int64_t> gains;
        int lives;
        std::int64_t next;
    };
    const Case cases[] = {
        {0, 0, 0, 100000, {90000, 160000}, 1, 300000},
        {0, 0, 0, 100000, {100000, 1, 99999, 1}, 2, 300000},
        {1, 100000, 500000, 0, {100000, 400000, 500000}, 2, 0},
        {1, 100000, 0, 0, {100000, 500000}, 1, 0},
        {0, 0, 0, 0, {100, 100}, 0, 0},
        {0, 0, 0, -100, {100, 100}, 0, 0},
    };
    for (const Case& c : cases) {
        game.extendType = c.type;
        game.extendScore1 = c.first;
        game.extendScore2 = c.second;
        game.extendEvery = c.every;
        game.lives = 3;
        game.resetGame();
        game.level = &level;
        for (std::int64_t gain : c.gains)
            level.addScore(gain);
        EXPECT_EQ(game.currentLives, 3 + c.lives) << "type " << c.type << " every " << c.every;
        EXPECT_EQ(game.nextExtendScore, c.next) << "type " << c.type << " every " << c.every;
    }
}

} // namespace
