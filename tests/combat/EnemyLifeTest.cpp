// The enemy's statuses frame by frame, leaving the screen, and its reset.
#include "combat/EnemyScene.h"

#include "world/Obb.h"

#include <OgreSubEntity.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

void run(Enemy& enemy, int frames, double frame)
{
    for (int i = 0; i < frames; ++i)
        enemy.update(frame, nullptr, {});
}

struct StatusCase {
    const char* what;
    std::function<void(Enemy&)> setUp;
    int frames;
    double frame;
    std::uint32_t expected;
};

TEST(EnemyLife, TheStatusesFollowTheirTable)
{
    const auto starting = [](double delay) {
        return [delay](Enemy& e) {
            e.status = Enemy::statusStarting;
            e.spawnDelay = delay;
        };
    };
    const auto dying = [](float destructionTime) {
        return [destructionTime](Enemy& e) {
            e.status = Enemy::statusAlive;
            e.destructionTime = destructionTime;
            e.die(false);
        };
    };
    const StatusCase cases[] = {
        {"an inactive enemy waits for its wave", [](Enemy&) {}, 4, 0.5, Enemy::statusInactive},
        {"a copy waits out its spawn delay", starting(1.5), 2, 0.5, Enemy::statusStarting},
        {"and is alive on the frame its life time reaches it", starting(1.5), 3, 0.5, Enemy::statusAlive},
        {"an enemy on screen stays alive", starting(0.0), 20, 0.25, Enemy::statusAlive},
        {"a plain enemy dies over its destruction time and 0.04 s", dying(0.25f), 1, 0.28, Enemy::statusDying},
        {"and is dead once they are over", dying(0.25f), 1, 0.3, Enemy::statusDead},
        {"a dead enemy stays dead", [](Enemy& e) { e.die(true); }, 3, 0.5, Enemy::statusDead},
        {"a paused enemy back on screen is alive",
         [](Enemy& e) { e.status = Enemy::statusPausedOffScreen; }, 1, 0.1, Enemy::statusAlive},
    };
    for (const StatusCase& c : cases) {
        EnemyScene scene;
        Enemy& enemy = scene.place();
        enemy.reset();
        c.setUp(enemy);
        run(enemy, c.frames, c.frame);
        EXPECT_EQ(enemy.status, c.expected) << c.what;
    }
}

TEST(EnemyLife, AliveEnemiesShowStartAndFlash)
{
    EnemyScene scene;
    Enemy& enemy = scene.place();
    enemy.reset();
    enemy.status = Enemy::statusStarting;
    enemy.setVisible(false);
    run(enemy, 1, 0.1);
    EXPECT_TRUE(enemy.movableObject->getVisible());
    EXPECT_NEAR(enemy.invincibilityTimer, 0.1, 1e-9) << "0.2 s of start invincibility, less this frame";
    EXPECT_TRUE(enemy.isOnScreen);

    scene.game.enemyHitColor = Ogre::Vector4(0.5f, 0.25f, 0.0f, 0.0f);
    enemy.hitFlashTimer = 0.01f;
    run(enemy, 1, 1.0 / 60.0);
    EXPECT_EQ(scene.mainEntity()->getSubEntity(0)->getCustomParameter(1), Ogre::Vector4(0.5f, 0.25f, 0.0f, 1.0f));
    run(enemy, 1, 1.0 / 60.0);
    EXPECT_EQ(scene.mainEntity()->getSubEntity(0)->getCustomParameter(1), Ogre::Vector4::ZERO);
}

struct OffScreenCase {
    const char* what;
    std::function<void(EnemyScene&)> setUp;
    int quarterSeconds;
    std::uint32_t expected;
};

TEST(EnemyLife, EnemiesLongOffScreenEndOrPause)
{
    const auto finishedWave = [](EnemyScene& s) { s.wave.status = Wave::statusFinished; };
    const OffScreenCase cases[] = {
        {"a member of a finished wave stays 5 s and one more", finishedWave, 23, Enemy::statusAlive},
        {"and then ends", finishedWave, 24, Enemy::statusInactive},
        {"a member of a running wave never times out",
         [](EnemyScene& s) { s.wave.status = Wave::statusRunning; }, 80, Enemy::statusAlive},
        {"unless every member of that wave sleeps",
         [](EnemyScene& s) {
             s.wave.status = Wave::statusRunning;
             s.wave.allMembersIdle = 1;
         },
         24, Enemy::statusInactive},
        {"the Game may pause it off screen instead",
         [&](EnemyScene& s) {
             finishedWave(s);
             s.game.isPauseWhenUnseen = true;
         },
         24, Enemy::statusPausedOffScreen},
        {"an enemy of no wave gets no extra second", [](EnemyScene& s) { s.member().wave = nullptr; }, 20,
         Enemy::statusInactive},
        {"an enemy never seen stays",
         [&](EnemyScene& s) {
             finishedWave(s);
             s.game.isTestOffScreenEnemies = false;
         },
         80, Enemy::statusAlive},
    };
    for (const OffScreenCase& c : cases) {
        EnemyScene scene;
        scene.game.waveLifeOutsideScreenTime = 5.0f;
        scene.game.isTestOffScreenEnemies = true;
        scene.moveParent(scene.outOfView());
        Enemy& enemy = scene.place();
        enemy.reset();
        enemy.status = Enemy::statusAlive;
        c.setUp(scene);
        run(enemy, c.quarterSeconds, 0.25);
        EXPECT_EQ(enemy.status, c.expected) << c.what;
        if (c.expected != Enemy::statusAlive) {
            EXPECT_FALSE(enemy.movableObject->getVisible()) << c.what;
        }
    }

    // A paused enemy wakes once it is back in view.
    EnemyScene scene;
    scene.game.isPauseWhenUnseen = true;
    scene.moveParent(scene.inView());
    Enemy& enemy = scene.place();
    enemy.status = Enemy::statusPausedOffScreen;
    run(enemy, 1, 0.25);
    EXPECT_EQ(enemy.status, Enemy::statusAlive);
    EXPECT_TRUE(enemy.movableObject->getVisible());
}

TEST(EnemyLife, ResetRestoresLifeAndFindsOutlineAndLimitFlags)
{
    struct ResetCase {
        const char* what;
        std::vector<std::uint8_t> outlineInvincibility;
        bool isLimits;
        Ogre::Vector4 limits;
        std::uint8_t expectedAll, expectedAny, expectedOutside;
    };
    const Ogre::Vector4 wholeScreen(0.0f, 1.0f, 0.0f, 1.0f);
    const Ogre::Vector4 inner(0.1f, 0.9f, 0.1f, 0.9f);
    const ResetCase cases[] = {
        {"no outlines", {}, false, wholeScreen, 0, 0, 0},
        {"one armoured outline of two", {1, 0}, false, wholeScreen, 0, 1, 0},
        {"every outline armoured", {1, 1}, false, wholeScreen, 1, 1, 0},
        {"limits of the whole screen hold nothing back", {0}, true, wholeScreen, 0, 0, 0},
        {"narrower limits keep the enemy unhurt", {0}, true, inner, 0, 0, 1},
        {"limits switched off", {0}, false, inner, 0, 0, 0},
    };
    for (const ResetCase& c : cases) {
        EnemyScene scene;
        scene.game.isInvincibilityLimits = c.isLimits;
        scene.game.invincibilityLimits = c.limits;
        Enemy definition;
        for (std::uint8_t flag : c.outlineInvincibility) {
            auto* outline = new Obb();
            outline->isInvicible = flag;
            definition.outlines.push_back(outline);
        }
        Enemy& enemy = scene.place();
        enemy.setupFromDefinition(definition, false);
        enemy.life = 12;
        enemy.currentLife = 3;
        enemy.AnimRot = Ogre::Vector3(0.0f, 2.0f, 0.0f);
        enemy.reset();
        EXPECT_EQ(enemy.currentLife, 12) << c.what;
        EXPECT_EQ(enemy.previousLife, 12) << c.what;
        EXPECT_EQ(enemy.status, Enemy::statusInactive) << c.what;
        EXPECT_EQ(enemy.hasAnimRot, 1) << c.what;
        EXPECT_EQ(enemy.isAllOutlinesInvincible, c.expectedAll) << c.what;
        EXPECT_EQ(enemy.hasInvincibleOutline, c.expectedAny) << c.what;
        EXPECT_EQ(enemy.isOutsideInvincibilityLimits, c.expectedOutside) << c.what;
    }
}

} // namespace
