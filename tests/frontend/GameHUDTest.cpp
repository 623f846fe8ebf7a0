// The HUD's rules: what its lines read for the game's counters, which of them
// show, how an element formats and eases its number and follows an enemy,
// and how a bar of stacked layers fills and takes its colours.
#include "core/GameTestSupport.h"

#include "app/OverlayWidget.h"
#include "combat/Enemy.h"
#include "frontend/GameHUD.h"
#include "frontend/HUDElement.h"
#include "frontend/HudLines.h"
#include "play/Level.h"
#include "play/LifeBarLook.h"
#include "support/OgreTestRoot.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayContainer.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <OgreStringConverter.h>

#include <gtest/gtest.h>

namespace {

class GameHUDTest : public ::testing::Test {
protected:
    GameHUDTest()
    {
        sharedTestOverlaySystem();
        // Shown text areas make their vertex buffers.
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
    }
    ~GameHUDTest() override
    {
        game.level = nullptr;
        gametest::cleanGame();
    }

    Game& game = gametest::cleanGame();
};

std::string uvCoords(const Ogre::OverlayContainer& panel)
{
    std::string span = const_cast<Ogre::OverlayContainer&>(panel).getParameter("uv_coords");
    Ogre::StringUtil::trim(span);
    return span;
}

TEST_F(GameHUDTest, TheMultiplierShowsDecimalsOnlyForAChainOfFractions)
{
    const struct {
        double multiplier, chainAddedPoints;
        unsigned medals;
        const char* shown;
    } cases[] = {
        {2.5, 0.5, 0, "2.5"}, {3.0, 1.0, 1, "6"}, {2.0, 1.0, 0, "2"}, {0.0, 0.5, 2, "0"}, {1.25, 0.25, 3, "1.2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(multiplierShown(c.multiplier, c.chainAddedPoints, c.medals), c.shown) << c.multiplier;
    EXPECT_DOUBLE_EQ(frameRateShown(59.999), 59.99);
}

TEST_F(GameHUDTest, TheLinesReadTheCountersAndShowAsTheSettingsSay)
{
    game.currentLives = 3;
    game.currentBombs = 2;
    game.currentLife = 7;
    game.displayedScore = 12345;
    game.scoreFormating = 1;
    game.chainAddedPoints = 1.0;
    game.multiplier = 3.0;
    game.medalType = 1;
    game.HUD_chainsShow = false;
    game.HUD_chainsTimerShow = true;
    game.HUD_livesShow = true;
    GameHUD hud;
    hud.create();
    hud.layout();
    EXPECT_EQ(hud.livesText->text, "LIVES:3"); // the count as it is, no blank
    hud.updateTexts();
    EXPECT_EQ(hud.livesText->text, "LIVES: 2");
    EXPECT_EQ(hud.scoreText->text, "SCORE: 12,345");
    EXPECT_EQ(hud.bombsText->text, "BOMBS: 2");
    EXPECT_EQ(hud.hpText->text, "HP: 7");
    EXPECT_EQ(hud.multiplierText->text, "MULTIPLIER: 6");
    EXPECT_EQ(hud.medalsText->text, "MEDALS: 1");
    EXPECT_EQ(hud.scoreText->overlay->getZOrder(), 646);

    hud.setVisible(true);
    EXPECT_TRUE(hud.livesText->overlay->isVisible());
    EXPECT_TRUE(hud.scoreText->overlay->isVisible());
    EXPECT_FALSE(hud.medalsText->overlay->isVisible()); // the chains setting, not the timer's
    hud.setVisible(false);
    EXPECT_FALSE(hud.scoreText->overlay->isVisible());

    game.currentLives = 0;
    game.scoreFormating = 3;
    hud.updateTexts();
    EXPECT_EQ(hud.livesText->text, "LIVES: 0");
    EXPECT_EQ(hud.scoreText->text, "SCORE: 12345");
    hud.destroy();
    EXPECT_EQ(hud.scoreText, nullptr);
}

TEST_F(GameHUDTest, AnElementFormatsItsNumberByItsFlags)
{
    game.displayedScore = 12345;
    game.scoreFormating = 1;
    const struct {
        double value;
        bool isTime, isInternal, isThousands;
        const char* shown;
    } cases[] = {
        {0.25, false, false, false, "0.2"},        {12.5, false, false, false, "12.5"},
        {-3.75, false, false, false, "-3.7"},      {125.0, true, false, false, "02:05"},
        {0.5, false, true, false, "12,345"},       {1234567.5, false, false, true, "1,234,567.5"},
        {7.0, true, true, true, "00:07"},
    };
    for (const auto& c : cases) {
        HUDElement element;
        element.isTimeFormating = c.isTime;
        element.isInternalVariable = c.isInternal;
        element.isThousandsFormating = c.isThousands;
        EXPECT_EQ(element.formatValue(c.value), c.shown) << c.value;
    }
}

TEST_F(GameHUDTest, AnElementFollowsItsEnemyAndEasesItsNumber)
{
    Level level;
    Enemy boss;
    boss.life = 10;
    boss.currentLife = 5;
    game.level = &level;
    HUDElement element;
    element.isBossLifeBar = true;
    EXPECT_EQ(element.lifeFraction(), 0.0); // no boss yet
    level.bossBarEnemy = &boss;
    EXPECT_DOUBLE_EQ(element.lifeFraction(), 0.5);
    boss.currentLife = -4;
    EXPECT_EQ(element.lifeFraction(), 0.0);
    boss.life = 1;
    EXPECT_EQ(element.lifeFraction(), 0.0); // no share of a single hit point

    element.isBossLifeBar = false;
    element.isEnemyHPLifeBar = true;
    boss.life = 4;
    boss.currentLife = 1;
    level.lastHitEnemy = &boss;
    EXPECT_DOUBLE_EQ(element.lifeFraction(), 0.25);
    boss.isBigLifebar = 1;
    EXPECT_EQ(element.lifeFraction(), 0.0);

    boss.isBigLifebar = 0;
    element.text = "HP ";
    element.isDisplayVariable = true;
    element.isInternalVariable = false;
    element.updateNumberAnimationSpeed = 12.0f;
    element.create();
    game.frameTime = 0.016;
    const char* const eased[] = {"HP 0.0", "HP 0.0", "HP 0.0", "HP 0.1", "HP 0.1"};
    for (const char* shown : eased) {
        element.updateText();
        EXPECT_EQ(element.widget->text, shown);
    }
    element.updateNumberAnimationSpeed = 0.0f;
    boss.currentLife = 3;
    element.updateText();
    EXPECT_EQ(element.widget->text, "HP 0.7");
}

TEST_F(GameHUDTest, ABarFillsItsTopLayerAndTakesItsColoursByLayer)
{
    const struct {
        int layers;
        float value;
        bool isHorizontal;
        const char* lifeSpan;
        const char* life2Span;
    } cases[] = {
        {1, 0.5f, true, "0 0 0.5 1", "0.5 0 1 1"},
        {3, 1.0f, true, "0 0 1 1", "1 0 1 1"},
        {2, 0.25f, false, "0 0.5 1 1", "0 0 1 0.5"},
        {9, 0.0f, true, "0 0 0 1", "0 0 1 1"},
    };
    for (const auto& c : cases) {
        HUDElement bar;
        bar.type = hudElementBar;
        bar.createBar("", "", "");
        bar.layerNumber = c.layers;
        bar.barValue = c.value;
        bar.isHorizontal = c.isHorizontal;
        bar.updateBar();
        EXPECT_EQ(uvCoords(*bar.lifeLayer), c.lifeSpan) << c.layers;
        EXPECT_EQ(uvCoords(*bar.life2Layer), c.life2Span) << c.layers;
        EXPECT_EQ(bar.life2Layer->isVisible(), c.layers > 1) << c.layers;
    }

    const Ogre::ColourValue c1(1, 0, 0), c2(0, 1, 0), c3(0, 0, 1), c4(1, 1, 1);
    const struct {
        int layers;
        float fill;
        Ogre::ColourValue life, life2;
        bool isLife2Shown;
    } colours[] = {
        {3, 3.0f, c1, c2, true},  {3, 1.5f, c2, c3, true}, {3, 0.5f, c3, Ogre::ColourValue::White, false},
        {1, 1.0f, c1, Ogre::ColourValue::White, false},    {2, 2.0f, c1, c2, true},
        {0, 0.5f, c1, Ogre::ColourValue::White, false},    {9, 3.5f, c1, c2, true},
    };
    for (const auto& c : colours) {
        const LifeBarColours shown = layeredBarColours({c1, c2, c3, c4}, c.layers, c.fill);
        EXPECT_EQ(shown.life, c.life) << c.layers << " " << c.fill;
        EXPECT_EQ(shown.isLife2Shown, c.isLife2Shown) << c.layers << " " << c.fill;
        if (c.isLife2Shown) {
            EXPECT_EQ(shown.life2, c.life2) << c.layers << " " << c.fill;
        }
    }
}

} // namespace
