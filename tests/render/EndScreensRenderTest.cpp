// The end of a level and the end of the game in the sample game: after the
// first level the level-complete message, then the stage scores counted up to
// the level's and the game's score, then the second level; in it, after the
// last life, the game-over picture, its scores and the high-score entry. Real
// frames on both renderers, kept for the eye.
#include "support/RenderScene.h"
#include "support/SampleGame.h"
#include "support/WindowManager.h"

#include "app/OverlayWidget.h"
#include "app/TextUtils.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameMode.h"
#include "core/GameState.h"
#include "data/GameFileReader.h"
#include "frontend/GameEndScreen.h"
#include "frontend/ScoreMenu.h"
#include "frontend/menuButton.h"
#include "play/playState.h"

#include <Overlay/OgreOverlay.h>
#include <OgreFontManager.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double frameStep = 1.0 / 30.0;
// The longest a stage of the run may take, in frames.
constexpr int stageFrames = 40 * 30;
// Only every few frames is drawn: the screens run on frames, not pictures.
constexpr int drawEvery = 4;

class OutsidePlay : public GameState {};

float brightness(const Ogre::ColourValue& colour) { return (colour.r + colour.g + colour.b) / 3.0f; }

// The spread of brightness along a row of the screen between two x.
float rowSpread(const RenderScene& scene, float y, float fromX, float toX)
{
    constexpr int samples = 64;
    float low = 1.0f, high = 0.0f;
    for (int i = 0; i < samples; ++i) {
        const float b = brightness(scene.colourOnScreen(fromX + (toX - fromX) * (i + 0.5f) / samples, y));
        low = std::min(low, b);
        high = std::max(high, b);
    }
    return high - low;
}

// The spread of brightness over the middle of the screen.
float middleSpread(const RenderScene& scene)
{
    float spread = 0.0f;
    for (float y = 0.3f; y < 0.71f; y += 0.02f)
        spread = std::max(spread, rowSpread(scene, y, 0.3f, 0.7f));
    return spread;
}

class EndScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        samplegame::load(game);
        game.levelIndex = 0;
        // As the program starts: a level change goes through the level list.
        game.isStartMenuPresent = true;
        manager = windowmanager::start(game);
        manager->changeState(&play);
        runUntil([] { return true; });
    }

    void TearDown() override
    {
        if (!manager)
            return;
        samplegame::unload(game, manager, outside);
        game.isEndOfLevelShowMessage = false;
        game.isStartMenuPresent = false;
        scene.reset();
    }

    // Frames until the condition holds after one; false when the stage ran
    // out of frames. The ship is kept out of harm's way.
    bool runUntil(const std::function<bool()>& done)
    {
        for (int frame = 0; frame < stageFrames; ++frame) {
            if (play.player)
                play.player->invincibilityTime = 1.0f;
            manager->update(frameStep);
            if (frame % drawEvery == 0)
                scene->renderFrame();
            if (done())
                return true;
        }
        return false;
    }

    void draw()
    {
        manager->update(frameStep);
        scene->renderFrame();
    }

    Game& game = *Game::getSingletonPtr();
    playState& play = *playState::getInstance();
    OutsidePlay outside;
    std::unique_ptr<RenderScene> scene;
    std::unique_ptr<GameManager> manager;
};

// One run of the game: the first level won, the second lost.
TEST_F(EndScreens, ALevelWonThenTheGameLost)
{
    ASSERT_EQ(game.gameMode, gameModePlaying);
    ASSERT_NE(play.endScreen, nullptr);
    ASSERT_NE(play.scoreMenu, nullptr);
    // The points of a level played, then the level's end as its trigger
    // sets it: the message and the scores, no high scores, more levels.
    game.levelScore = 12340;
    game.totalScore = 56780;
    game.isEndOfLevelShowMessage = true;
    game.isEndOfLevelShowScoreScreen = true;
    game.isEndOfLevelShowHighScoreScreen = false;
    game.isLastLevel = false;
    game.nextLevelName.clear();
    game.setGameState(gameModeLevelComplete);

    OverlayWidget& message = *play.endScreen->gameWinWidget;
    ASSERT_TRUE(runUntil([&] {
        return play.endScreen->phase == GameEndScreen::phaseShown && message.appearTime >= message.appearDuration;
    }));
    draw();
    scene->keepFrame("EndScreens-level-complete");
    EXPECT_TRUE(message.overlay->isVisible());
    EXPECT_FALSE(play.endScreen->gameOverWidget->overlay->isVisible());
    EXPECT_EQ(game.gameMode, gameModeLevelComplete);
    EXPECT_GT(middleSpread(*scene), 0.4f) << "the message's letters over the darkened level";

    // The stage scores: the level's points counted up, then the game's.
    ASSERT_TRUE(runUntil([&] { return game.gameMode == gameModeLevelScores; }));
    ScoreMenu& scores = *play.scoreMenu;
    std::vector<std::int64_t> counted;
    ASSERT_TRUE(runUntil([&] {
        if (scores.phase == ScoreMenu::phaseLevelCount)
            counted.push_back(scores.shownValue);
        return scores.phase == ScoreMenu::phaseTotalCount;
    }));
    ASSERT_GE(counted.size(), 3u);
    EXPECT_TRUE(std::is_sorted(counted.begin(), counted.end()));
    EXPECT_LT(counted.front(), game.levelScore);
    EXPECT_EQ(scores.levelScoreEntry->label, formatThousands("12340", game.scoreFormating));
    ASSERT_TRUE(runUntil([&] { return scores.phase == ScoreMenu::phaseHold; }));
    draw();
    scene->keepFrame("EndScreens-stage-scores");
    EXPECT_TRUE(scores.overlay->isVisible());
    EXPECT_EQ(scores.totalScoreEntry->label, formatThousands("56780", game.scoreFormating));
    // The level's build made the titles and the level's number again, below
    // the total's number; all stand centred on their places.
    for (const menuButton* line : {scores.titleEntry.get(), scores.levelTitleEntry.get(),
                                   scores.levelScoreEntry.get(), scores.totalTitleEntry.get(),
                                   scores.totalScoreEntry.get()}) {
        EXPECT_EQ(line->labelText->overlay->getZOrder(), line == scores.totalScoreEntry.get() ? 650 : 649)
            << line->text;
        EXPECT_EQ(line->labelText->verticalAlignment, 0u) << line->text;
    }
    EXPECT_GT(middleSpread(*scene), 0.4f) << "the scores' digits on the panel";

    // Then the second level is asked for.
    ASSERT_TRUE(runUntil([&] { return game.gameMode != gameModeLevelScores; }));
    EXPECT_EQ(game.gameMode, gameModeNextLevel);
    EXPECT_EQ(game.levelName, "Level02");
    EXPECT_FALSE(scores.overlay->isVisible());

    // In the second level the last life is lost with no continue left; the
    // first level's end asked for messages.
    ASSERT_TRUE(runUntil([&] { return game.gameMode == gameModePlaying; }));
    ASSERT_EQ(game.levelName, "Level02");
    game.isEndOfLevelShowHighScoreScreen = true;
    game.currentLives = 0;
    game.currentContinues = 0;
    game.setGameState(gameModeContinueOffer);
    ASSERT_EQ(game.gameMode, gameModeGameOver);

    OverlayWidget& gameOver = *play.endScreen->gameOverWidget;
    ASSERT_FALSE(gameOver.isText);
    ASSERT_TRUE(runUntil([&] {
        return play.endScreen->phase == GameEndScreen::phaseShown && gameOver.appearTime >= gameOver.appearDuration;
    }));
    draw();
    scene->keepFrame("EndScreens-game-over");
    EXPECT_TRUE(gameOver.overlay->isVisible());
    EXPECT_GT(rowSpread(*scene, 0.5f, 0.15f, 0.85f), 0.4f) << "white letters on the picture's black";

    ASSERT_TRUE(runUntil([&] { return game.gameMode == gameModeGameOverScores; }));
    ASSERT_TRUE(runUntil([&] { return game.gameMode != gameModeGameOverScores; }));
    EXPECT_EQ(game.gameMode, gameModeHighScoreEntry);
}

} // namespace
