// Damage an enemy takes: which hits count, what a hit gives (life bar,
// flash, score, chain) and the beam and contact cool-downs.
#include "combat/EnemyScene.h"

#include "combat/Weapon.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const Ogre::Vector3 hitPosition(1.0f, 0.0f, 2.0f);

// A placed enemy of 10 life that can be hurt.
Enemy& vulnerableEnemy(EnemyScene& scene)
{
    Enemy& enemy = scene.place();
    enemy.reset();
    enemy.life = enemy.currentLife = enemy.previousLife = 10;
    enemy.isOutsideInvincibilityLimits = 0;
    return enemy;
}

struct HitCase {
    const char* what;
    std::function<void(Enemy&)> setUp;
    std::int32_t damage;
    bool isBeam;
    std::int32_t kind;
    bool isContact;
    std::int32_t expectedLife;
};

TEST(EnemyHit, OnlyHitsTheRulesAllowTakeLife)
{
    const auto none = [](Enemy&) {};
    const HitCase cases[] = {
        {"a shot takes its damage", none, 3, false, Enemy::hitShot, false, 7},
        {"no damage takes nothing", none, 0, false, Enemy::hitShot, false, 10},
        {"negative damage takes nothing", none, -4, false, Enemy::hitShot, false, 10},
        {"more damage than life left stops at 0", none, 25, false, Enemy::hitShot, false, 0},
        {"nothing while the start invincibility runs", [](Enemy& e) { e.invincibilityTimer = 0.1; }, 3, false,
         Enemy::hitShot, false, 10},
        {"nothing outside the invincibility limits", [](Enemy& e) { e.isOutsideInvincibilityLimits = 1; }, 3, false,
         Enemy::hitShot, false, 10},
        {"a beam inside its cool-down", [](Enemy& e) { e.laserHitCooldown = 0.03; }, 3, true, Enemy::hitShot, false,
         10},
        {"a bomb inside the beam cool-down", [](Enemy& e) { e.laserHitCooldown = 0.03; }, 3, true, Enemy::hitBomb,
         false, 7},
        {"a shot inside the beam cool-down", [](Enemy& e) { e.laserHitCooldown = 0.03; }, 3, false, Enemy::hitShot,
         false, 7},
        {"a contact inside its cool-down", [](Enemy& e) { e.contactHitCooldown = 0.1; }, 3, false, Enemy::hitRam, true,
         10},
    };
    for (const HitCase& c : cases) {
        EnemyScene scene;
        Enemy& enemy = vulnerableEnemy(scene);
        c.setUp(enemy);
        Weapon beam;
        beam.isLaser = 1;
        enemy.hit(c.damage, c.isBeam ? &beam : nullptr, c.kind, hitPosition, c.isContact);
        EXPECT_EQ(enemy.currentLife, c.expectedLife) << c.what;
    }
}

TEST(EnemyHit, AHitShowsTheBarFlashesScoresAndStartsItsCoolDowns)
{
    EnemyScene scene;
    Game& game = scene.game;
    game.multiplier = 1.0;
    game.enemyHitByPlayerInvincibilityDuration = 0.5f;
    game.isOnlyBossLifebar = false;
    game.isEnemyBars = true;
    game.minHpShowLifeBar = 0;
    game.enemyLifebarTextureBack = "enemyBar_back.png";
    Enemy& enemy = vulnerableEnemy(scene);
    enemy.scoreWhenHit = 25;
    const std::int64_t scoreBefore = game.totalScore;
    Weapon beam;
    beam.isLaser = 1;

    enemy.hit(3, &beam, Enemy::hitShot, hitPosition, false);
    EXPECT_EQ(enemy.currentLife, 7);
    EXPECT_EQ(enemy.previousLife, 10);
    const Level& level = scene.ship.level;
    EXPECT_EQ(level.barEnemy, &enemy);
    EXPECT_EQ(std::vector<float>({static_cast<float>(level.barMaxHp), level.barTarget, level.barShown}),
              std::vector<float>({10.0f, 0.7f, 1.0f}));
    EXPECT_EQ(scene.ship.level.lastHitEnemy, &enemy);
    EXPECT_FLOAT_EQ(enemy.hitFlashTimer, 1.0f / 60.0f);
    EXPECT_EQ(game.totalScore, scoreBefore + 25);

    // Two beam hits 0.05 s apart count once; 0.07 s apart twice.
    enemy.update(0.05, nullptr, {});
    enemy.hit(3, &beam, Enemy::hitShot, hitPosition, false);
    EXPECT_EQ(enemy.currentLife, 7);
    enemy.update(0.02, nullptr, {});
    enemy.hit(3, &beam, Enemy::hitShot, hitPosition, false);
    EXPECT_EQ(enemy.currentLife, 4);

    // A contact blocks further contacts for the Game's 0.5 s, less the time
    // the last cool-down has run over (0.07 s here).
    enemy.hit(1, nullptr, Enemy::hitRam, hitPosition, true);
    EXPECT_EQ(enemy.currentLife, 3);
    EXPECT_NEAR(enemy.contactHitCooldown, 0.43, 1e-6);
    enemy.update(0.4, nullptr, {});
    enemy.hit(1, nullptr, Enemy::hitRam, hitPosition, true);
    EXPECT_EQ(enemy.currentLife, 3);
    enemy.update(0.1, nullptr, {});
    enemy.hit(1, nullptr, Enemy::hitRam, hitPosition, true);
    EXPECT_EQ(enemy.currentLife, 2);
}

TEST(EnemyHit, HitsKeepAChainOfKillsAliveOnceTheyDoEnoughDamage)
{
    EnemyScene scene;
    Game& game = scene.game;
    game.isChainingKillsOnly = true;
    game.isHitKeepChain = true;
    game.isHitChainHP = 4.0f;
    game.chainDamage = 0.0f;
    game.timeBetweenChains = 2.0f;
    game.chainTimer = 0.3f;
    Enemy& enemy = vulnerableEnemy(scene);

    enemy.hit(3, nullptr, Enemy::hitShot, hitPosition, false);
    EXPECT_FLOAT_EQ(game.chainDamage, 3.0f);
    EXPECT_FLOAT_EQ(game.chainTimer, 0.3f);
    // Damage to another enemy in the middle of the count does not add up.
    Enemy other;
    scene.ship.level.lastHitEnemy = &other;
    enemy.hit(1, nullptr, Enemy::hitShot, hitPosition, false);
    EXPECT_FLOAT_EQ(game.chainDamage, 3.0f);
    enemy.hit(2, nullptr, Enemy::hitShot, hitPosition, false);
    EXPECT_FLOAT_EQ(game.chainDamage, 0.0f);
    EXPECT_FLOAT_EQ(game.chainTimer, 2.0f);
}

} // namespace
