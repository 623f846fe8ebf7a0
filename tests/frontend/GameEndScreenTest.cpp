// The end-of-game messages on real overlays without fonts or pictures: how
// long each end mode keeps the screen, and which modes it requests after.
#include "frontend/GameEndScreen.h"

#include "app/AudioState.h"
#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <OgreDefaultHardwareBufferManager.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double screenStep = 0.05;

class GameEndScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sharedTestOverlaySystem();
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        // Three levels, the last one being played, and a start menu to go
        // back to: a request of the start menu rewinds the level list.
        for (const char* name : {"One", "Two", "Three"}) {
            levels.push_back(std::make_unique<gameFileEntry>());
            levels.back()->name = name;
            game.levels.push_back(levels.back().get());
        }
        game.isStartMenuPresent = true;
    }
    void TearDown() override
    {
        game.levels.clear();
        game.isStartMenuPresent = false;
    }

    // Seconds until the screen has requested a mode other than `mode`.
    double runUntilHandedOn(GameEndScreen& screen, std::uint32_t mode)
    {
        game.levelIndex = 2;
        game.gameMode = static_cast<int>(mode);
        screen.show(mode);
        double seconds = 0.0;
        while (game.gameMode == static_cast<int>(mode) && seconds < 20.0) {
            screen.update(screenStep);
            seconds += screenStep;
        }
        return seconds;
    }

    Game& game = *Game::getSingletonPtr();
    std::vector<std::unique_ptr<gameFileEntry>> levels;
};

TEST_F(GameEndScreenTest, EachEndModeHoldsItsMessageThenRequestsTheNextMode)
{
    struct Case {
        std::uint32_t mode;
        int display;
        std::string picture;
        bool showMessage;
        bool showScores;
        int nextMode;
        // Seconds the screen stays, and where the level list stands after.
        double seconds;
        int levelIndex;
    };
    const Case cases[] = {
        // Waiting 0.5 s, shown 4 s, leaving 0.4 s.
        {gameModeGameOver, 1, "", true, true, gameModeGameOverScores, 4.9, 2},
        {gameModeLevelComplete, 1, "", true, true, gameModeLevelScores, 4.9, 2},
        {gameModeGameCompleted, 1, "", true, true, gameModeGameScores, 4.9, 2},
        // A picture message shows as long as a text one.
        {gameModeGameOver, 2, "over.png", true, true, gameModeGameOverScores, 4.9, 2},
        // Nothing to show: gone the frame after the wait.
        {gameModeGameOver, 0, "", true, true, gameModeGameOverScores, 0.5, 2},
        {gameModeGameOver, 2, "", true, true, gameModeGameOverScores, 0.5, 2},
        // No end of level asked for a message: gone in the first frame.
        {gameModeGameOver, 1, "", false, true, gameModeGameOverScores, 0.0, 2},
        // No score screen to come: game over and game completed go by the
        // start menu, a completed level keeps its place in the list.
        {gameModeGameOver, 1, "", true, false, gameModeGameOverScores, 4.9, 0},
        {gameModeGameCompleted, 1, "", true, false, gameModeGameScores, 4.9, 0},
        {gameModeLevelComplete, 1, "", true, false, gameModeLevelScores, 4.9, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " display " + std::to_string(c.display) + " " + c.picture);
        game.gameOverDisplay = game.gameWinDisplay = game.gameCompletedDisplay = c.display;
        game.gameOverGfx = c.picture;
        game.isEndOfLevelShowMessage = c.showMessage;
        game.isEndOfLevelShowScoreScreen = c.showScores;
        game.isEndOfLevelShowHighScoreScreen = false;
        game.gameOverMusic = game.gameWonMusic = game.gameCompleteMusic = "end.ogg";
        audio().queuedName.clear();
        GameEndScreen screen;
        screen.init();
        const double seconds = runUntilHandedOn(screen, c.mode);
        EXPECT_EQ(game.gameMode, c.nextMode);
        EXPECT_GE(seconds, c.seconds);
        EXPECT_LE(seconds, c.seconds + 3 * screenStep);
        EXPECT_EQ(game.levelIndex, c.levelIndex);
        EXPECT_EQ(screen.phase, GameEndScreen::phaseWaiting);
        // Every message shown, even a picture missing, plays its music.
        EXPECT_EQ(audio().queuedName, c.showMessage && c.display != 0 ? "end.ogg" : "");
    }
    audio().queuedName.clear();
}

TEST_F(GameEndScreenTest, OnlyTheShownMessageComesOnScreenAndZoomsIn)
{
    game.isEndOfLevelShowMessage = true;
    GameEndScreen screen;
    screen.init();
    screen.show(gameModeLevelComplete);
    for (int i = 0; i < 12; ++i)
        screen.update(screenStep);
    ASSERT_EQ(screen.phase, GameEndScreen::phaseShown);
    ASSERT_TRUE(screen.gameWinWidget && screen.gameWinWidget->overlay);
    EXPECT_TRUE(screen.gameWinWidget->overlay->isVisible());
    EXPECT_FALSE(screen.gameOverWidget->overlay->isVisible());
    EXPECT_FALSE(screen.gameCompletedWidget->overlay->isVisible());
    EXPECT_EQ(screen.gameWinWidget->overlay->getZOrder(), 647);
    EXPECT_EQ(screen.gameWinWidget->text, "LEVEL COMPLETE");
    EXPECT_LT(screen.gameWinWidget->overlay->getScaleX(), 1.0f);
}

} // namespace
