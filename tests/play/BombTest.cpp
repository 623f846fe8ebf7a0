// The bomb: what it sets in the Game, the enemy shots it cancels, the
// invincibility it grants, its timer and the enemies its direct hit reaches.
#include "combat/EnemyScene.h"
#include "combat/ShotFlightScene.h"

#include "combat/Player.h"
#include "play/playState.h"
#include "world/Obb.h"

#include <gtest/gtest.h>

namespace {

class Bombs : public ::testing::Test {
protected:
    Bombs()
    {
        scene.level.create(scene.world.scene);
        scene.level.resetShotPools();
        game.player = &player;
        game.smartBombSfx = "none";
        game.smartBombDuration = 1.0;
        game.smartBombCoolDownDuration = 3.0f;
        game.smartBombNoShootTime = 2.0f;
        game.smartBombInvincibleTime = 2.0;
    }
    ~Bombs() override { game.player = nullptr; }

    bullet* fire(bool isCancellable)
    {
        bullet* shot = scene.level.takeBullet(false);
        shot->timeToLive = 10.0;
        shot->changeDirectionType = 1;
        ShotFlightScene::launch(*shot, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z, 10.0f);
        shot->isCancellable = isCancellable;
        return shot;
    }

    int flying() const
    {
        int count = 0;
        for (const bullet* record : game.enemyBullets)
            count += record && record->state == bullet::stateFlying ? 1 : 0;
        return count;
    }

    ShotFlightScene scene;
    Game& game = scene.game;
    Player player;
    playState state;
};

} // namespace

TEST_F(Bombs, ABombCancelsTheCancellableShotsThenAllAndSetsItsTimers)
{
    for (int i = 0; i < 5; ++i)
        fire(true);
    for (int i = 0; i < 3; ++i)
        fire(false);
    ASSERT_EQ(flying(), 8);

    state.damageAllEnemies(true, false, "", 7, false, false);
    EXPECT_EQ(flying(), 3);
    EXPECT_FLOAT_EQ(game.smartBombTime, 1.0f);
    EXPECT_FLOAT_EQ(game.smartBombCoolDown, 3.0f);
    EXPECT_TRUE(game.isBombCancelling);
    EXPECT_EQ(game.bombDamage, 7);
    // Without the effect the enemies hold fire only for the cancel's moment.
    EXPECT_FLOAT_EQ(game.enemyFirePause, 0.05f);

    state.damageAllEnemies(true, true, "", 7, false, true);
    EXPECT_EQ(flying(), 0);
    EXPECT_FLOAT_EQ(game.smartBombCoolDown, 0.0f);

    // A bomb that does not cancel leaves the shots flying.
    fire(true);
    state.damageAllEnemies(false, true, "", 7, true, false);
    EXPECT_EQ(flying(), 1);
}

TEST_F(Bombs, TheEffectGrantsInvincibilityOnlyWhenLonger)
{
    player.invincibilityTime = 3.0f;
    state.damageAllEnemies(true, false, "", 1, true, false);
    EXPECT_FLOAT_EQ(player.invincibilityTime, 3.0f);
    EXPECT_FLOAT_EQ(game.enemyFirePause, 2.0f);
    player.invincibilityTime = 1.0f;
    state.damageAllEnemies(false, false, "", 1, true, false);
    EXPECT_FLOAT_EQ(player.invincibilityTime, 2.0f);
}

TEST_F(Bombs, TheTimerEndsTheBombAndHoldsTheMultiplierWhileItRuns)
{
    game.isSmartBombsBreakMultiplier = true;
    state.damageAllEnemies(true, false, "", 1, false, false);
    game.multiplier = 2.5;
    game.chainScoreCounters = {4, 5};
    state.updateBombTimer(0.4);
    EXPECT_FLOAT_EQ(game.smartBombTime, 0.6f);
    EXPECT_TRUE(game.isBombCancelling);
    EXPECT_DOUBLE_EQ(game.multiplier, 1.0);
    EXPECT_EQ(game.chainScoreCounters[0] + game.chainScoreCounters[1], 0);
    state.updateBombTimer(0.7);
    EXPECT_FLOAT_EQ(game.smartBombTime, 0.0f);
    EXPECT_FALSE(game.isBombCancelling);

    // Bombs that keep the multiplier leave the chain alone.
    game.isSmartBombsBreakMultiplier = false;
    game.multiplier = 2.5;
    state.damageAllEnemies(false, false, "", 1, false, false);
    state.updateBombTimer(0.1);
    EXPECT_DOUBLE_EQ(game.multiplier, 2.5);
}

TEST(BombHits, OnlyEnemiesOnScreenWithANormalOutlineAreHit)
{
    struct Case {
        const char* what;
        bool isOnScreen;
        bool hasOutline;
        bool isArmoured;
        std::int32_t expectedLife;
    };
    const Case cases[] = {
        {"on screen", true, true, false, 7},
        {"off screen", false, true, false, 10},
        {"without outlines", true, false, false, 10},
        {"every outline armour", true, true, true, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EnemyScene scene;
        Enemy& enemy = scene.place();
        enemy.reset();
        enemy.life = enemy.currentLife = enemy.previousLife = 10;
        enemy.isOutsideInvincibilityLimits = 0;
        enemy.status = Enemy::statusAlive;
        enemy.isOnScreen = c.isOnScreen;
        if (c.hasOutline)
            enemy.outlines.push_back(new Obb);
        enemy.isAllOutlinesInvincible = c.isArmoured;
        scene.wave.status = Wave::statusRunning;
        scene.ship.state.hitOnScreenEnemies(3);
        EXPECT_EQ(enemy.currentLife, c.expectedLife);
    }
}
