// A shot's death: the effect it shows, how long it stays dying, a second
// death, a template that cannot be made, and hits on destructible shots.
#include "combat/ShotDeathScene.h"

#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ShotDeathTest : public ::testing::Test, public ShotDeathScene {};

TEST_F(ShotDeathTest, ImpactsPlayWhereTheShotEndedFromOnePoolPerTemplateOnTheShooterSideLayer)
{
    gun.impactSfxName = "shotDeath_impactA";
    level.topWaveLayerIndex = 3;
    bullet& shot = launched(record());
    shot.die(true, false);
    const std::vector<Ogre::ParticleSystem*> impacts = playing("particlesImpactBullet");
    ASSERT_EQ(impacts.size(), 1u);
    const Ogre::SceneNode& at = *impacts[0]->getParentSceneNode();
    EXPECT_EQ(at.getParentSceneNode(), shot.parent);
    EXPECT_EQ(at.getPosition(), shot.position);
    EXPECT_EQ(impacts[0]->getRenderQueueGroup(), 43);
    const std::size_t made = systemCount();
    launched(shot).die(true, false);
    EXPECT_EQ(systemCount(), made);

    gun.impactSfxName = "shotDeath_impactB";
    shot.isPlayerBullet = 1;
    level.playerLayerIndex = 200;
    launched(shot).die(true, false);
    const std::vector<Ogre::ParticleSystem*> ofB = playing("particlesImpactBulletshotDeath_impactB");
    ASSERT_EQ(ofB.size(), 1u);
    EXPECT_FLOAT_EQ(ofB[0]->getEmitter(0)->getMaxTimeToLive(), 0.3f);
    EXPECT_EQ(ofB[0]->getRenderQueueGroup(), 105);
    EXPECT_EQ(systemCount(), 2 * ShotDeathEffects::impactBursts);
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
        resetDeathEffects();
        const std::vector<Ogre::ParticleSystem*> cancels = systemsNamed("particlesCancelBullet");
        ASSERT_FALSE(cancels.empty());
        ASSERT_TRUE(std::none_of(cancels.begin(), cancels.end(), [](auto* system) { return system->isAttached(); }));
        bullet& shot = record();
        launched(shot).isVisible = c.visible;
        shot.elapsed = c.ofAge ? shot.timeToLive + 1.0 : 0.5;
        shot.die(c.withImpact, c.cancelled);
        EXPECT_EQ(playing("particlesImpactBullet").size(), c.impact ? 1u : 0u);
        EXPECT_EQ(playing("particlesCancelBullet").size(), c.cancel ? 1u : 0u);
        for (Ogre::ParticleSystem* system : cancels)
            EXPECT_EQ(system->getEmitter(0)->getEnabled(), system->getEmitting());
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
        resetDeathEffects();
        bullet& shot = record();
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
        resetDeathEffects();
        bullet& shot = record();
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
