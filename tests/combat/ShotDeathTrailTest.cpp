// A shot's trail over launches and deaths: reused and rebuilt by template,
// kept within the Level's counts, scaled from the template's cached values.
#include "combat/ShotDeathScene.h"
#include "combat/bulletEffects.h"

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
    trail->setQueryFlags(7); // a mark that a system made anew lacks
    launched(shot);
    EXPECT_EQ(shot.trailParticles->getQueryFlags(), 7u);
    EXPECT_TRUE(shot.trailParticles->getEmitting() && shot.trailParticles->getEmitter(0)->getEnabled());
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

TEST_F(ShotDeathTrailTest, TrailCountsFollowTheCountedTrailsWithinTheCapOverManyLaunchesAndDeaths)
{
    constexpr std::uint32_t records = 1300;
    for (std::uint32_t i = 0; i < records; ++i)
        record();
    const auto counted = [this] {
        std::int32_t sum = 0;
        for (const auto& shot : shots)
            sum += shot->isTrailEmitting + shot->isRibbonCounted;
        return sum;
    };
    for (const char* kind : {"shotDeath_trailA", "Bullet_Trail"}) {
        SCOPED_TRACE(kind);
        gun.sfxType = kind;
        const std::int32_t& count = gun.sfxType == "Bullet_Trail" ? level.ribbonTrailCount : level.trailParticleCount;
        std::uint32_t seed = 1;
        int launches = 0, deaths = 0;
        std::int32_t highest = 0;
        while (launches < 3000 || deaths < 3000) {
            seed = seed * 1103515245u + 12345u;
            bullet& shot = *shots[(seed >> 8) % records];
            // A flying shot picked dies one time in four: about 1040 fly.
            if (shot.state != bullet::stateFlying)
                launched(shot), ++launches;
            else if ((seed >> 4) % 4 == 0)
                shot.die(true, false), ++deaths;
            ASSERT_EQ(count, counted());
            ASSERT_LE(count, Level::maxShotTrails);
            highest = std::max(highest, count);
        }
        EXPECT_EQ(highest, Level::maxShotTrails);
        for (const auto& shot : shots)
            shot->die(false, false);
        EXPECT_EQ(count, 0);
    }
}

TEST_F(ShotDeathTrailTest, TheFirstScalingOfATemplateStoresItsValuesAndLaterOnesStartFromThem)
{
    // Two emitters; the second moves at 50. Other tests make systems of
    // this template too, and the cache lasts the whole run.
    game.particleTemplateValues.erase("fx_burst");
    Ogre::ParticleSystem* system = effects.scene->createParticleSystem("shotDeathScaled", "fx_burst");
    scaleShotEffect(system, "fx_burst", 2.0f);
    const std::array<float, 8> stored{4.0f, 2.0f, 1.0f, 2.0f, 3.0f, 2.0f, 2.0f, 6.0f};
    EXPECT_EQ(game.particleTemplateValues.at("fx_burst"), stored);
    EXPECT_FLOAT_EQ(system->getDefaultWidth(), 8.0f);
    EXPECT_EQ(system->getEmitter(0)->getPosition(), Ogre::Vector3(2.0f, 4.0f, 6.0f));
    EXPECT_FLOAT_EQ(system->getEmitter(1)->getMaxParticleVelocity(), 100.0f);

    scaleShotEffect(system, "fx_burst", 3.0f);
    EXPECT_EQ(game.particleTemplateValues.at("fx_burst"), stored);
    EXPECT_FLOAT_EQ(system->getDefaultHeight(), 6.0f);
    for (unsigned short i = 0; i < 2; ++i) {
        EXPECT_EQ(system->getEmitter(i)->getPosition(), Ogre::Vector3(3.0f, 6.0f, 9.0f));
        EXPECT_FLOAT_EQ(system->getEmitter(i)->getMinParticleVelocity(), 6.0f);
        EXPECT_FLOAT_EQ(system->getEmitter(i)->getMaxParticleVelocity(), 18.0f);
    }
}

} // namespace
