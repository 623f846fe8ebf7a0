// The shot pools over many flights: records taken from the Level's free
// stacks, flown by the play state's steps until they die and come back,
// each exactly once, to the stack of the pool they belong to.
#include "ShotFlightScene.h"

#include "play/playState.h"

#include <OgreRibbonTrail.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class ShotPools : public ::testing::Test {
protected:
    ShotPools()
    {
        scene.level.create(scene.world.scene);
        scene.level.resetShotPools();
    }

    // Takes and launches a shot that lives the given time, straight ahead.
    bullet* fire(bool isPlayerPool, double timeToLive)
    {
        bullet* shot = scene.level.takeBullet(isPlayerPool);
        if (!shot)
            return nullptr;
        shot->timeToLive = timeToLive;
        shot->changeDirectionType = 1;
        ShotFlightScene::launch(*shot, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z, 10.0f);
        return shot;
    }

    void stepBoth(int steps)
    {
        for (int i = 0; i < steps; ++i) {
            state.updateEnemyBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
            state.updatePlayerBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
        }
    }

    static void expectDistinctWithin(const std::vector<std::int32_t>& free, std::size_t poolSize)
    {
        EXPECT_LE(free.size(), poolSize);
        EXPECT_EQ(std::set<std::int32_t>(free.begin(), free.end()).size(), free.size());
    }

    ShotFlightScene scene;
    playState state;
};

TEST_F(ShotPools, TheHighestIndexIsTakenFirstAndAFullPoolRefuses)
{
    EXPECT_EQ(fire(false, 10.0)->index, 7999);
    EXPECT_EQ(fire(false, 10.0)->index, 7998);
    EXPECT_EQ(fire(true, 10.0)->index, 2999);
    EXPECT_EQ(fire(true, 10.0)->index, 2998);
    for (int i = 2; i < 8000; ++i)
        ASSERT_NE(fire(false, 10.0), nullptr);
    for (int i = 2; i < 3000; ++i)
        ASSERT_NE(fire(true, 10.0), nullptr);
    EXPECT_EQ(fire(false, 10.0), nullptr);
    EXPECT_EQ(fire(true, 10.0), nullptr);
    scene.level.resetShotPools();
    EXPECT_EQ(fire(false, 10.0)->index, 7999);
    EXPECT_EQ(fire(true, 10.0)->index, 2999);
}

TEST_F(ShotPools, ADyingShotIsFreeAfterItsDyingTimeAndComesBackOnce)
{
    bullet* shot = fire(false, 0.5);
    // Dies on the step after 0.5 s; free once 0.1 s of dying is over.
    stepBoth(33);
    EXPECT_EQ(shot->state, bullet::stateDying);
    stepBoth(5);
    EXPECT_EQ(shot->state, bullet::stateDying);
    EXPECT_EQ(scene.level.freeEnemyBullets.size(), 7999u);
    stepBoth(1);
    EXPECT_EQ(shot->state, bullet::stateFree);
    EXPECT_EQ(scene.level.freeEnemyBullets.back(), 7999);
    EXPECT_TRUE(scene.level.liveEnemyBullets.empty());
    EXPECT_EQ(shot->node->getParent(), nullptr);
    double dt = ShotFlightScene::step;
    shot->update(dt, Ogre::Vector3::ZERO);
    EXPECT_EQ(scene.level.freeEnemyBullets.size(), 8000u);
}

TEST(ShotDying, ADyingShotFadesItsRibbonTrailEachStep)
{
    ShotFlightScene scene;
    bullet& shot = scene.looseRecord();
    shot.ribbonTrail = scene.world.scene->createRibbonTrail();
    shot.ribbonTrail->setInitialColour(0, Ogre::ColourValue(1.0f, 0.5f, 1.0f, 1.0f));
    shot.ribbonTrail->setInitialWidth(0, 2.0f);
    shot.ribbonTrail->setTrailLength(100.0f);
    shot.state = bullet::stateDying;
    shot.dyingTime = 1.0;
    ShotFlightScene::fly(shot, ShotFlightScene::step);
    // 1 - 10 dt of its colour and length, 0.99 - dt of its width.
    EXPECT_EQ(shot.ribbonTrail->getInitialColour(0), Ogre::ColourValue(0.84375f, 0.421875f, 0.84375f, 0.84375f));
    EXPECT_FLOAT_EQ(shot.ribbonTrail->getTrailLength(), 84.375f);
    EXPECT_FLOAT_EQ(shot.ribbonTrail->getInitialWidth(0), 1.94875f);
}

TEST_F(ShotPools, ManyFlightsDeathsAndResetsKeepEachIndexOnceInItsOwnStack)
{
    for (int round = 0; round < 3; ++round) {
        for (int wave = 0; wave < 40; ++wave) {
            for (int i = 0; i < 150; ++i)
                fire(i % 3 == 0, 0.05 * (i % 7));
            // A player gun firing enemy-pool records: they go back to the enemy stack.
            if (bullet* borrowed = fire(false, 0.1))
                borrowed->isPlayerBullet = 1;
            stepBoth(3);
            expectDistinctWithin(scene.level.freeEnemyBullets, 8000);
            expectDistinctWithin(scene.level.freePlayerBullets, 3000);
        }
        stepBoth(60);
        EXPECT_EQ(scene.level.freeEnemyBullets.size() + scene.level.liveEnemyBullets.size(), 8000u);
        EXPECT_EQ(scene.level.freePlayerBullets.size() + scene.level.livePlayerBullets.size(), 3000u);
        if (round == 1)
            scene.level.resetShotPools();
    }
    stepBoth(120);
    EXPECT_EQ(scene.level.freeEnemyBullets.size(), 8000u);
    EXPECT_EQ(scene.level.freePlayerBullets.size(), 3000u);
    expectDistinctWithin(scene.level.freeEnemyBullets, 8000);
}

TEST_F(ShotPools, ABeamRecordNeverGoesToAStack)
{
    bullet& beam = scene.looseRecord();
    beam.isLaser = 1;
    ShotFlightScene::launch(beam, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z, 10.0f);
    beam.die(false, false);
    ShotFlightScene::fly(beam, 0.5);
    EXPECT_EQ(beam.state, bullet::stateFree);
    EXPECT_EQ(beam.isLaser, 0);
    EXPECT_EQ(scene.level.freeEnemyBullets.size(), 8000u);
    EXPECT_EQ(scene.level.freePlayerBullets.size(), 3000u);
}

} // namespace
