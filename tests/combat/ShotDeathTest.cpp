// A shot's death: the effect it shows, how long it stays dying, a second
// death, a template that cannot be made, and hits on destructible shots.
#include "combat/ShotDeathScene.h"

#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace {

class ShotDeathTest : public ::testing::Test, public ShotDeathScene {};

TEST_F(ShotDeathTest, TheImpactSystemIsMadeOncePerTemplateOnTheShooterSideLayer)
{
    gun.impactSfxName = "shotDeath_impactA";
    level.topWaveLayerIndex = 3;
    bullet& shot = launched(record());
    shot.die(true, false);
    Ogre::ParticleSystem* impact = shot.impactParticles;
    ASSERT_NE(impact, nullptr);
    EXPECT_TRUE(impact->getEmitting() && impact->getParentSceneNode() == shot.effectNode);
    EXPECT_EQ(impact->getRenderQueueGroup(), 43);
    impact->setQueryFlags(7); // a mark that a system made anew lacks
    launched(shot).die(true, false);
    EXPECT_EQ(shot.impactParticles->getQueryFlags(), 7u);

    gun.impactSfxName = "shotDeath_impactB";
    shot.isPlayerBullet = 1;
    level.playerLayerIndex = 200;
    launched(shot).die(true, false);
    EXPECT_FLOAT_EQ(shot.impactParticles->getEmitter(0)->getMaxTimeToLive(), 0.3f);
    EXPECT_EQ(shot.impactParticles->getRenderQueueGroup(), 105);
    EXPECT_EQ(systemCount(), 1u);
}

TEST_F(ShotDeathTest, TheKindOfDeathChoosesImpactCancelOrNothing)
{
    struct Case {
        bool withImpact, cancelled, visible, ofAge, ageSpawns, impact, cancel;
    };
    const Case cases[] = {{true, false, true, false, true, true, false},   {false, true, true, false, true, false, true},
                          {false, false, true, false, true, false, false}, {true, false, false, false, true, false, false},
                          {true, false, true, true, true, true, false},    {true, false, true, true, false, false, false}};
    gun.impactSfxName = "shotDeath_impactA";
    game.cancelSfxName = "shotDeath_cancel";
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        game.isBulletDeadAfterLifeSpawnSfx = c.ageSpawns;
        bullet& shot = record();
        shot.spawnCancelParticles();
        ASSERT_TRUE(shot.cancelParticles && !shot.cancelParticles->isAttached());
        launched(shot).isVisible = c.visible;
        shot.elapsed = c.ofAge ? shot.timeToLive + 1.0 : 0.5;
        shot.die(c.withImpact, c.cancelled);
        EXPECT_EQ(shot.impactParticles != nullptr, c.impact);
        EXPECT_EQ(shot.cancelParticles->getEmitting(), c.cancel);
        EXPECT_EQ(shot.cancelParticles->getEmitter(0)->getEnabled(), c.cancel);
    }
}

TEST_F(ShotDeathTest, DyingLastsUntilTheEffectsHaveFadedWithinBounds)
{
    struct Case {
        const char *impact, *trail;
        bool cancelled;
        double expected;
    };
    const Case cases[] = {{"none", "", false, 0.1},
                          {"shotDeath_impactA", "", false, 2.1}, // duration + life + 0.1
                          {"shotDeath_impactB", "", false, 0.4}, // endless emitter: life + 0.1
                          {"shotDeath_long", "", false, 4.0},
                          {"", "shotDeath_trailA", false, 0.8},
                          {"shotDeath_impactB", "shotDeath_trailB", false, 0.4},
                          {"", "Bullet_Trail", false, 0.2},
                          {"", "", true, 0.6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        gun.impactSfxName = c.impact;
        gun.sfxType = c.trail;
        game.cancelSfxName = c.cancelled ? "shotDeath_cancel" : "";
        bullet& shot = record();
        shot.spawnCancelParticles();
        launched(shot).die(!c.cancelled, c.cancelled);
        EXPECT_NEAR(shot.dyingTime, c.expected, 1e-5);
    }
}

TEST_F(ShotDeathTest, OnlyAFlyingShotDies)
{
    bullet& dying = launched(record());
    dying.die(true, false);
    dying.dyingTime = 0.05;
    dying.die(true, false);
    EXPECT_EQ(dying.dyingTime, 0.05);
    bullet& idle = record();
    idle.die(true, false);
    EXPECT_EQ(idle.state, bullet::stateFree);
}

TEST_F(ShotDeathTest, ATemplateThatCannotBeMadeLeavesTheShotWithoutThatEffect)
{
    for (const char* name : {"shotDeath_untemplated", "shotDeath_notInTheLibrary"}) {
        gun.impactSfxName = gun.sfxType = game.cancelSfxName = name;
        bullet& shot = record();
        shot.spawnCancelParticles();
        launched(shot).die(true, false);
        EXPECT_EQ(shot.state, bullet::stateDying);
    }
    EXPECT_EQ(systemCount(), 0u);
    EXPECT_EQ(level.trailParticleCount, 0);
}

TEST_F(ShotDeathTest, HitsWearDownDestructibleShotsAndADestroyedOneIsScored)
{
    struct Case {
        std::int32_t hitPoints;
        bool invincible;
        int hits;
        std::int32_t left;
        bool dead;
    };
    const Case cases[] = {{1, false, 1, 0, true}, {3, false, 2, 1, false}, {3, false, 3, 0, true}, {1, true, 5, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        bullet& shot = launched(record());
        shot.isDestructible = 1;
        shot.isInvincible = c.invincible;
        shot.hitPoints = c.hitPoints;
        // Scoring keeps the total within range: one left below 0 shows no score call.
        game.totalScore = -5;
        for (int i = 0; i < c.hits; ++i)
            shot.hit();
        EXPECT_EQ(shot.hitPoints, c.left);
        EXPECT_EQ(shot.state, c.dead ? bullet::stateDying : bullet::stateFlying);
        EXPECT_EQ(game.totalScore, c.dead ? 0 : -5);
    }
    game.totalScore = 0;
}

} // namespace
