// The enemy life bar: which reports it takes, how its fill falls, a boss
// bar's layers and colours, and when it goes.
#include "core/GameTestSupport.h"

#include "combat/Enemy.h"
#include "play/Level.h"
#include "play/LifeBarLook.h"

#include <gtest/gtest.h>

namespace {

class EnemyLifeBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        gametest::cleanGame();
        game.isEnemyBars = true;
        game.isOnlyBossLifebar = false;
        game.enemyLifebarTextureBack = game.enemyBossLifebarTextureBack = "enemyBar_back.png";
        game.minHpShowLifeBar = 5;
        game.barAnimationSpeed = 1.0f;
        game.enemyLifeBarBossLayerNumber = 3;
    }
    void TearDown() override { gametest::cleanGame(); }

    Game& game = *Game::getSingletonPtr();
    Level level;
    Enemy enemy;
};

TEST_F(EnemyLifeBar, ReportsTheBarTakesOrIgnores)
{
    struct Case {
        const char* what;
        bool onlyBoss;
        float maxHp, currentHp, previousHp;
        bool isBoss, taken;
        float target, shown;
        bool bossBar;
    };
    const Case cases[] = {
        {"below the least hit points", false, 4.0f, 2.0f, 4.0f, false, false, 1.0f, 1.0f, false},
        {"a normal hit", false, 10.0f, 7.0f, 10.0f, false, true, 0.7f, 1.0f, false},
        {"a boss flag without boss-only bars", false, 10.0f, 5.0f, 6.0f, true, true, 0.5f, 0.6f, false},
        {"a normal hit with boss-only bars", true, 10.0f, 7.0f, 10.0f, false, false, 1.0f, 1.0f, false},
        {"a boss with boss-only bars", true, 10.0f, 5.0f, 10.0f, true, true, 0.5f, 1.0f, true},
        {"the killing hit", false, 10.0f, -3.0f, 2.0f, false, true, 0.0f, 0.2f, false},
    };
    for (const Case& c : cases) {
        Level fresh;
        game.isOnlyBossLifebar = c.onlyBoss;
        fresh.showEnemyLifeBar(c.maxHp, c.currentHp, c.previousHp, &enemy, c.isBoss);
        EXPECT_EQ(fresh.barEnemy, c.taken ? &enemy : nullptr) << c.what;
        EXPECT_FLOAT_EQ(fresh.barTarget, c.target) << c.what;
        EXPECT_FLOAT_EQ(fresh.barShown, c.shown) << c.what;
        EXPECT_EQ(fresh.barIsBoss, c.bossBar) << c.what;
    }
}

TEST_F(EnemyLifeBar, TheFillFallsTowardTheHitPointsLeftAndAnEmptyBarSkipsItsHold)
{
    level.showEnemyLifeBar(10.0f, 5.0f, 10.0f, &enemy, false);
    EXPECT_FLOAT_EQ(level.barFallStep, 0.05f);
    level.updateEnemyLifeBar(0.1);
    EXPECT_FLOAT_EQ(level.barShown, 0.95f);
    for (int frame = 0; frame < 20; ++frame)
        level.updateEnemyLifeBar(0.01);
    EXPECT_FLOAT_EQ(level.barShown, 0.5f);

    level.showEnemyLifeBar(10.0f, 0.0f, 5.0f, &enemy, false);
    level.barFallStep = 1.0f;
    level.updateEnemyLifeBar(0.1);
    EXPECT_EQ(level.barShown, 0.0f);
    EXPECT_FLOAT_EQ(level.barTime, 2.001f);
}

TEST_F(EnemyLifeBar, ABossOfThreeLayersAtHalfHisHitPointsShowsHalfOfHisSecondLayer)
{
    const float fill = bossBarFill(game.enemyLifeBarBossLayerNumber, 0.5f);
    EXPECT_FLOAT_EQ(fill, 1.5f);
    EXPECT_FLOAT_EQ(topLayerShare(fill), 0.5f);
    const LifeBarColours colours = lifeBarColours(game, true, fill);
    const Ogre::Vector4& c2 = game.EnemyBossLifeBar_color2;
    const Ogre::Vector4& c3 = game.EnemyBossLifeBar_color3;
    EXPECT_EQ(colours.life, Ogre::ColourValue(c2.x, c2.y, c2.z, c2.w));
    EXPECT_EQ(colours.life2, Ogre::ColourValue(c3.x, c3.y, c3.z, c3.w));
    EXPECT_TRUE(colours.isLife2Shown);

    // Whole layers are full, not empty; layer numbers are kept within 1 to 4.
    EXPECT_FLOAT_EQ(topLayerShare(2.0f), 1.0f);
    EXPECT_FLOAT_EQ(topLayerShare(0.0f), 0.0f);
    EXPECT_FLOAT_EQ(bossBarFill(9, 1.0f), 4.0f);
    EXPECT_FLOAT_EQ(bossBarFill(0, 0.5f), 0.5f);
    const Ogre::Vector4& c1 = game.EnemyBossLifeBar_color1;
    EXPECT_EQ(lifeBarColours(game, true, 0.9f).life, Ogre::ColourValue(c3.x, c3.y, c3.z, c3.w));
    EXPECT_FALSE(lifeBarColours(game, true, 0.9f).isLife2Shown);
    EXPECT_EQ(lifeBarColours(game, true, 2.5f).life, Ogre::ColourValue(c1.x, c1.y, c1.z, c1.w));
}

TEST_F(EnemyLifeBar, ABossBarStaysWhileItsBossLivesAndGoesAQuarterSecondAfterTheHold)
{
    game.isOnlyBossLifebar = true;
    enemy.status = Enemy::statusAlive;
    level.showEnemyLifeBar(100.0f, 60.0f, 100.0f, &enemy, true);
    EXPECT_FLOAT_EQ(level.barIntro, 1.0f);
    for (int frame = 0; frame < 50; ++frame)
        level.updateEnemyLifeBar(0.1);
    EXPECT_TRUE(level.barIsBoss);
    EXPECT_EQ(level.barIntro, 0.0f);

    level.showEnemyLifeBar(100.0f, 50.0f, 60.0f, &enemy, true);
    enemy.status = Enemy::statusDying;
    level.updateEnemyLifeBar(2.2);
    EXPECT_TRUE(level.barIsBoss);
    level.updateEnemyLifeBar(0.1);
    EXPECT_FALSE(level.barIsBoss);
    EXPECT_FLOAT_EQ(smoothStep(1.0f - (2.125f - 2.0f) * 4.0f), 0.5f);
}

} // namespace
