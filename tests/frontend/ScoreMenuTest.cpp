// The stage score screen on real overlays without fonts or pictures: the
// count step, the numbers it ends on, how long it stays and the mode it
// requests after.
#include "frontend/ScoreMenu.h"

#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/menuButton.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class ScoreMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        game.isEndOfLevelShowScoreScreen = true;
        game.isEndOfLevelShowHighScoreScreen = false;
        game.isLastLevel = false;
        game.currentLives = 2;
        game.scoreFormating = 1;
    }
    void TearDown() override
    {
        game.levels.clear();
        game.keyHeld = false;
    }

    // Seconds until the screen hands on, in frames of `dt`.
    double run(ScoreMenu& menu, double dt)
    {
        game.gameMode = gameModeLevelScores;
        menu.open();
        double seconds = 0.0;
        while (!menu.update(dt) && seconds < 20.0)
            seconds += dt;
        return seconds + dt;
    }

    Game& game = *Game::getSingletonPtr();
};

TEST_F(ScoreMenuTest, TheCountStepIsAHundredthOfTheScorePerSixteenMilliseconds)
{
    struct Case {
        std::int64_t score;
        double dt;
        float step;
    };
    const Case cases[] = {
        {12345, 0.016, 123.0f}, {12345, 0.008, 61.5f}, {99, 0.016, 1.0f},
        // Never below one point, or a count on short frames would stand still.
        {150, 0.008, 1.0f}, {100000, 0.0, 1.0f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(ScoreMenu::countStepFor(c.score, c.dt), c.step) << c.score << " in " << c.dt;
}

TEST_F(ScoreMenuTest, BothScoresAreCountedUpThenTheNextModeIsRequested)
{
    struct Case {
        std::int64_t levelScore;
        std::int64_t totalScore;
        float scoreSpeed;
        bool isSkipHeld;
        bool isGameplayLevel;
        bool showScores;
        bool isLastLevel;
        bool showHighScores;
        int lives;
        std::string levelShown;
        std::string totalShown;
        int nextMode;
        double minSeconds;
        double maxSeconds;
    };
    const Case cases[] = {
        // 1 s in, the level count (50 frames), 1 s, the total (100 frames),
        // 3 s held, 1 s out.
        {5000, 10000, 1.0f, false, true, true, false, false, 2, "5,000", "10,000", gameModeNextLevel, 8.3, 8.5},
        // Held keys run three times as fast.
        {5000, 10000, 1.0f, true, true, true, false, false, 2, "5,000", "10,000", gameModeNextLevel, 2.7, 3.0},
        // Speed 0: each number at once.
        {5000, 10000, 0.0f, false, true, true, false, false, 2, "5,000", "10,000", gameModeNextLevel, 6.0, 6.1},
        // No level score, or not a level played for score: the level count is skipped.
        {0, 10000, 1.0f, false, true, true, false, false, 2, "0", "10,000", gameModeNextLevel, 6.6, 6.7},
        {5000, 10000, 1.0f, false, false, true, false, false, 2, "0", "10,000", gameModeNextLevel, 6.6, 6.7},
        // A count that cannot finish ends with the screen at 10 s.
        {5000, 10000, 0.001f, false, true, true, false, false, 2, "0", "0", gameModeNextLevel, 10.0, 10.1},
        // No score screen asked for: gone in the first frame.
        {5000, 10000, 1.0f, false, true, false, false, false, 2, "0", "0", gameModeNextLevel, 0.0, 0.02},
        // After the last level or the last life: the high scores or the start menu.
        {5000, 10000, 0.0f, false, true, true, true, true, 2, "5,000", "10,000", gameModeHighScoreEntry, 6.0, 6.1},
        {5000, 10000, 0.0f, false, true, true, false, false, 0, "5,000", "10,000", gameModeBackToStartMenu, 6.0, 6.1},
    };
    gameFileEntry level;
    game.levels = {&level};
    game.levelIndex = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.levelShown + " " + c.totalShown + " to " + std::to_string(c.nextMode));
        game.levelScore = c.levelScore;
        game.totalScore = c.totalScore;
        game.scoreSpeed = c.scoreSpeed;
        game.keyHeld = c.isSkipHeld;
        level.isGameplayLevel = c.isGameplayLevel;
        game.isEndOfLevelShowScoreScreen = c.showScores;
        game.isLastLevel = c.isLastLevel;
        game.isEndOfLevelShowHighScoreScreen = c.showHighScores;
        game.currentLives = c.lives;
        ScoreMenu menu;
        menu.create(nullptr);
        const double seconds = run(menu, 0.016);
        EXPECT_EQ(game.gameMode, c.nextMode);
        EXPECT_GE(seconds, c.minSeconds);
        EXPECT_LE(seconds, c.maxSeconds);
        EXPECT_EQ(menu.levelScoreEntry->label, c.levelShown);
        EXPECT_EQ(menu.totalScoreEntry->label, c.totalShown);
        EXPECT_FALSE(menu.overlay->isVisible());
    }
}

TEST_F(ScoreMenuTest, SlowFrameRatesReachBothTotalsInTheSameTime)
{
    gameFileEntry level;
    game.levels = {&level};
    game.levelIndex = 0;
    game.levelScore = 2112;
    game.totalScore = 8870;
    game.scoreSpeed = 1.0f;
    for (double dt : {1.0 / 60.0, 1.0 / 29.0, 1.0 / 13.0}) {
        SCOPED_TRACE(dt);
        ScoreMenu menu;
        menu.create(nullptr);
        // 1 s in, 1.6 s per count, 1 s between, 3 s held and 1 s out,
        // give or take a frame at each change of phase.
        EXPECT_NEAR(run(menu, dt), 8.2, 7 * dt);
        EXPECT_EQ(menu.levelScoreEntry->label, "2,112");
        EXPECT_EQ(menu.totalScoreEntry->label, "8,870");
        EXPECT_EQ(game.gameMode, gameModeNextLevel);
    }
}

} // namespace
