// A shot's trail over launches and deaths: reused and rebuilt by template,
// kept within the Level's counts, scaled from the template's cached values.
#include "combat/ShotDeathScene.h"

#include <OgreParticleSystem.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace {

class ShotDeathTrailTest : public ::testing::Test, public ShotDeathScene {};

TEST_F(ShotDeathTrailTest, ATrailIsReusedForItsTemplateRebuiltForAnotherAndARibbonForBulletTrail)
{
    level.playerLayerIndex = 2;
    level.topWaveLayerIndex = 5;
    gun.sfxType = "shotDeath_trailA";
    bullet& shot = launched(record());
    Ogre::ParticleSystem* trail = shot.trailParticles;
    ASSERT_NE(trail, nullptr);
    EXPECT_EQ(trail->getRenderQueueGroup(), 45); // the higher layer
    EXPECT_EQ(level.trailParticleCount, 1);
    shot.die(true, false);
    EXPECT_FALSE(trail->getEmitter(0)->getEnabled());
    EXPECT_EQ(level.trailParticleCount, 0);
    launched(shot);
    EXPECT_EQ(shot.trailParticles, trail);
    EXPECT_TRUE(trail->getEmitting() && trail->getEmitter(0)->getEnabled());
    EXPECT_EQ(level.trailParticleCount, 1);

    shot.die(true, false);
    gun.sfxType = "shotDeath_trailB";
    shot.isPlayerBullet = 1;
    launched(shot);
    ASSERT_NE(shot.trailParticles, nullptr);
    EXPECT_FLOAT_EQ(shot.trailParticles->getEmitter(0)->getMaxTimeToLive(), 0.05f);
    EXPECT_EQ(shot.trailParticles->getRenderQueueGroup(), 42); // the player's layer
    EXPECT_EQ(systemCount(), 1u);

    shot.die(true, false);
    gun.sfxType = "Bullet_Trail";
    gun.trailName = "shotDeath_ribbon";
    shot.speed = 20.0f;
    for (int flight = 0; flight < 2; ++flight) {
        launched(shot);
        ASSERT_NE(shot.ribbonTrail, nullptr);
        EXPECT_EQ(shot.ribbonTrail->getParentSceneNode(), effects.scene->getRootSceneNode());
        EXPECT_EQ(shot.ribbonTrail->getMaterialName(), "shotDeath_ribbon");
        EXPECT_FLOAT_EQ(shot.ribbonTrail->getWidthChange(0), 0.6f);
        EXPECT_EQ(level.ribbonTrailCount, 1);
        shot.die(true, false);
        EXPECT_FLOAT_EQ(shot.ribbonTrail->getWidthChange(0), 10.0f); // narrows away
        EXPECT_EQ(level.ribbonTrailCount, 0);
    }
    gun.sfxType = "none";
    launched(shot);
    EXPECT_EQ(shot.ribbonTrail, nullptr);
    EXPECT_EQ(systemCount(), 0u);
}

TEST_F(ShotDeathTrailTest, TrailCountsStayWithinTheirCapOverManyLaunchesAndDeaths)
{
    constexpr int records = 1100;
    for (int i = 0; i < records; ++i)
        record();
    for (const char* kind : {"shotDeath_trailA", "Bullet_Trail"}) {
        SCOPED_TRACE(kind);
        gun.sfxType = kind;
        const std::int32_t& count = gun.sfxType == "Bullet_Trail" ? level.ribbonTrailCount : level.trailParticleCount;
        std::int32_t highest = 0;
        for (int i = 0; i < 3000; ++i) {
            bullet& shot = *shots[i % records];
            shot.die(true, false);
            launched(shot);
            ASSERT_GE(count, 0);
            highest = std::max(highest, count);
        }
        EXPECT_EQ(highest, Level::maxShotTrails);
        int counted = 0;
        for (const auto& shot : shots)
            counted += shot->isTrailEmitting + shot->isRibbonCounted;
        EXPECT_EQ(count, counted);
        for (const auto& shot : shots)
            shot->die(false, false);
        EXPECT_EQ(count, 0);
    }
}

TEST_F(ShotDeathTrailTest, TheFirstScalingOfATemplateStoresItsValuesAndLaterOnesStartFromThem)
{
    // Two emitters; the second moves at 50.
    bullet shot;
    shot.scale = 2.0f;
    Ogre::ParticleSystem* system = effects.scene->createParticleSystem("shotDeathScaled", "fx_burst");
    shot.scaleParticles(system, "fx_burst");
    const std::array<float, 8> stored{4.0f, 2.0f, 1.0f, 2.0f, 3.0f, 2.0f, 2.0f, 6.0f};
    EXPECT_EQ(game.particleTemplateValues.at("fx_burst"), stored);
    EXPECT_FLOAT_EQ(system->getDefaultWidth(), 8.0f);
    EXPECT_EQ(system->getEmitter(0)->getPosition(), Ogre::Vector3(2.0f, 4.0f, 6.0f));
    EXPECT_FLOAT_EQ(system->getEmitter(1)->getMaxParticleVelocity(), 100.0f);

    shot.scale = 3.0f;
    shot.scaleParticles(system, "fx_burst");
    EXPECT_EQ(game.particleTemplateValues.at("fx_burst"), stored);
    EXPECT_FLOAT_EQ(system->getDefaultHeight(), 6.0f);
    for (unsigned short i = 0; i < 2; ++i) {
        EXPECT_EQ(system->getEmitter(i)->getPosition(), Ogre::Vector3(3.0f, 6.0f, 9.0f));
        EXPECT_FLOAT_EQ(system->getEmitter(i)->getMinParticleVelocity(), 6.0f);
        EXPECT_FLOAT_EQ(system->getEmitter(i)->getMaxParticleVelocity(), 18.0f);
    }
}

} // namespace
