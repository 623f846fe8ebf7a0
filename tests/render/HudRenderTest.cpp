// The HUD over the sample game's first level: the score, lives and bombs
// lines show what the game counts, the score line reaches the total after a
// kill, the strip behind the lines, the layout's elements and the gauges show
// (clear of the lines and of each other), and the pause text comes and goes
// with a pause. Real frames on both renderers; the frame kept for the eye
// shows the HUD over the level.
#include "support/DrawnText.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"
#include "support/SampleGame.h"
#include "support/WindowManager.h"

#include "app/OverlayWidget.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameState.h"
#include "data/GameFileReader.h"
#include "frontend/GameHUD.h"
#include "frontend/HUDElement.h"
#include "frontend/HudLines.h"
#include "play/Level.h"
#include "play/playState.h"
#include "platform/Random.h"

#include <Overlay/OgreOverlay.h>
#include <OgreFontManager.h>
#include <OgreRenderWindow.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace {

constexpr double frameStep = 1.0 / 30.0;
constexpr unsigned visitSeed = 7;
constexpr int stageFrames = 20 * 30;
// Frames without a new point after which the display has caught up.
constexpr int quietFrames = 15;
constexpr int killingDamage = 100000;

class OutsidePlay : public GameState {};

bool isShown(const OverlayWidget* widget) { return widget && widget->overlay && widget->overlay->isVisible(); }

// The spread of the colours along the top of the screen, where the lines
// and their strip are: a flat band drew nothing.
float topSpread(const RenderScene& scene)
{
    constexpr int columns = 64;
    constexpr int rows = 6;
    Ogre::ColourValue low(1, 1, 1), high(0, 0, 0);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const Ogre::ColourValue c = scene.colourOnScreen((column + 0.5f) / columns, 0.01f + 0.015f * row);
            low = Ogre::ColourValue(std::min(low.r, c.r), std::min(low.g, c.g), std::min(low.b, c.b));
            high = Ogre::ColourValue(std::max(high.r, c.r), std::max(high.g, c.g), std::max(high.b, c.b));
        }
    return colourDistance(high, low);
}

class HudInPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        // The program's start makes the one HUD of the run.
        game.hud = new GameHUD();
        samplegame::load(game);
        manager = windowmanager::start(game);
        manager->changeState(&play);
        platform::seedRandom(visitSeed);
    }

    void TearDown() override
    {
        if (!manager)
            return;
        samplegame::unload(game, manager, outside);
        delete game.hud;
        game.hud = nullptr;
        scene.reset();
    }

    bool playUntil(const std::function<bool()>& done)
    {
        for (int frame = 0; frame < stageFrames; ++frame) {
            play.player->invincibilityTime = 1.0f;
            manager->update(frameStep);
            scene->renderFrame();
            if (done())
                return true;
        }
        return false;
    }

    std::string scoreLine() const
    {
        return game.getText("SCORE: ") + scoreShown(game.displayedScore, game.scoreFormating);
    }

    Game& game = *Game::getSingletonPtr();
    playState& play = *playState::getInstance();
    OutsidePlay outside;
    std::unique_ptr<RenderScene> scene;
    std::unique_ptr<GameManager> manager;
};

TEST_F(HudInPlay, TheLinesFollowThePlayAndTheScoreReachesTheTotalAfterAKill)
{
    ASSERT_EQ(manager->currentState(), &play);
    GameHUD& hud = *game.hud;
    ASSERT_TRUE(playUntil([&] { return !play.onScreenEnemies.empty(); }));

    EXPECT_EQ(hud.livesText->text, game.getText("LIVES: ") + std::to_string(spareLives(game.currentLives)));
    EXPECT_EQ(hud.bombsText->text, game.getText("BOMBS: ") + std::to_string(game.currentBombs));
    EXPECT_EQ(hud.scoreText->text, scoreLine());
    for (const OverlayWidget* line : {hud.scoreText, hud.livesText, hud.bombsText})
        EXPECT_TRUE(isShown(line)) << line->text;
    EXPECT_FALSE(isShown(hud.hpText)); // the game does not show it
    ASSERT_NE(hud.backgroundOverlay, nullptr);
    EXPECT_TRUE(hud.backgroundOverlay->isVisible());
    // The player mark and the emblem; no bar, which would stand full with
    // no boss in sight.
    ASSERT_EQ(hud.elements.size(), 2u);
    for (const HUDElement* element : hud.elements)
        EXPECT_TRUE(isShown(element->widget)) << element->screenName;
    EXPECT_TRUE(play.level->gaugeEmptyOverlay->isVisible());

    const std::string elementText = hud.elements[1]->widget->text;
    const std::int64_t before = game.totalScore;
    play.hitOnScreenEnemies(killingDamage);
    ASSERT_TRUE(playUntil([&] { return game.totalScore > before; }));
    std::int64_t total = game.totalScore;
    int quiet = 0;
    ASSERT_TRUE(playUntil([&] {
        quiet = game.totalScore == total ? quiet + 1 : 0;
        total = game.totalScore;
        return quiet >= quietFrames;
    }));
    ASSERT_EQ(game.displayedScore, game.totalScore);
    EXPECT_EQ(hud.scoreText->text, game.getText("SCORE: ") + scoreShown(game.totalScore, game.scoreFormating));
    // The layout's own elements keep what they showed when they were built.
    EXPECT_EQ(hud.elements[1]->widget->text, elementText);
    scene->keepFrame("Hud-level1");
    EXPECT_GT(topSpread(*scene), 0.25f);
    // The gauge and, with the kill's chain running, the chain gauge stand
    // clear of the lives line and of each other.
    const drawntext::ScreenBox lives = drawntext::inkBand(drawntext::drawnBox(*hud.livesText));
    const drawntext::ScreenBox gauge = drawntext::drawnBox(*play.level->gaugeEmptyPanel, *play.level->gaugeEmptyOverlay);
    const drawntext::ScreenBox chain = drawntext::drawnBox(*play.level->chainEmptyPanel, *play.level->chainEmptyOverlay);
    ASSERT_FALSE(lives.isEmpty() || gauge.isEmpty() || chain.isEmpty()) << lives << gauge << chain;
    for (const auto& [a, b] : {std::pair(lives, gauge), std::pair(lives, chain), std::pair(gauge, chain)})
        EXPECT_FALSE(drawntext::overlap(a, b)) << a << " " << b;

    play.setGamePaused(true);
    EXPECT_TRUE(isShown(hud.pauseText));
    play.setGamePaused(false);
    EXPECT_FALSE(isShown(hud.pauseText));
}

} // namespace
