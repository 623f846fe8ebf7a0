// The shot pools over many flights: records taken from the Level's free
// stacks, flown by the play state's steps until they die and come back,
// each exactly once, to the stack of the pool they belong to; and the
// fading of a dying shot's ribbon trail.
#include "ShotFlightScene.h"

#include "combat/Weapon.h"
#include "play/playState.h"

#include <OgreRibbonTrail.h>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

class ShotPools : public ::testing::Test {
protected:
    ShotPools()
    {
        scene.level.create(scene.world.scene);
        scene.level.resetShotPools();
    }

    // A straight shot that lives the given time; null when the pool is spent.
    bullet* fire(bool isPlayerPool, double timeToLive = 10.0)
    {
        bullet* shot = scene.level.takeBullet(isPlayerPool);
        if (shot) {
            shot->timeToLive = timeToLive;
            shot->changeDirectionType = 1;
            ShotFlightScene::launch(*shot, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z, 10.0f);
        }
        return shot;
    }

    void stepBoth(int steps)
    {
        for (int i = 0; i < steps; ++i) {
            state.updateEnemyBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
            state.updatePlayerBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
            EXPECT_FLOAT_EQ(scene.game.nearestEnemyShotDistance, std::sqrt(playState::farAwaySquared));
        }
    }

    // Each index at most once, never more than the pool holds, and with the
    // live ones every record of the pool.
    static void expectWhole(const std::vector<std::int32_t>& free, const ShotList& live, std::size_t size)
    {
        EXPECT_LE(free.size(), size);
        EXPECT_EQ(std::set<std::int32_t>(free.begin(), free.end()).size(), free.size());
        EXPECT_EQ(free.size() + live.size(), size);
    }

    ShotFlightScene scene;
    playState state;
};

TEST_F(ShotPools, TheHighestIndexIsTakenFirstAndAFullPoolRefuses)
{
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(fire(false)->index, 7999);
        EXPECT_EQ(fire(false)->index, 7998);
        EXPECT_EQ(fire(true)->index, 2999);
        EXPECT_EQ(fire(true)->index, 2998);
        for (int i = 2; i < 8000; ++i)
            ASSERT_NE(fire(false), nullptr);
        for (int i = 2; i < 3000; ++i)
            ASSERT_NE(fire(true), nullptr);
        EXPECT_EQ(fire(false), nullptr);
        EXPECT_EQ(fire(true), nullptr);
        scene.level.resetShotPools();
    }
}

TEST_F(ShotPools, ADyingShotIsFreeAfterItsDyingTimeAndComesBackOnce)
{
    bullet* shot = fire(false, 0.5);
    // Dies on the step after 0.5 s; free once 0.1 s of dying is over.
    stepBoth(38);
    EXPECT_EQ(shot->state, bullet::stateDying);
    EXPECT_EQ(scene.level.freeEnemyBullets.size(), 7999u);
    stepBoth(1);
    EXPECT_EQ(shot->state, bullet::stateFree);
    EXPECT_EQ(scene.level.freeEnemyBullets.back(), 7999);
    EXPECT_FALSE(shot->isNodePlaced());
    double dt = ShotFlightScene::step;
    shot->update(dt, Ogre::Vector3::ZERO);
    expectWhole(scene.level.freeEnemyBullets, scene.level.liveEnemyBullets, 8000);
}

TEST_F(ShotPools, ManyFlightsDeathsAndResetsKeepEachIndexOnceInItsOwnStack)
{
    for (int wave = 0; wave < 120; ++wave) {
        for (int i = 0; i < 150; ++i)
            fire(i % 3 == 0, 0.05 * (i % 7));
        // A player gun may fire enemy-pool records: they go back to the enemy stack.
        fire(false, 0.1)->isPlayerBullet = 1;
        stepBoth(3);
        expectWhole(scene.level.freeEnemyBullets, scene.level.liveEnemyBullets, 8000);
        expectWhole(scene.level.freePlayerBullets, scene.level.livePlayerBullets, 3000);
        if (wave == 60)
            scene.level.resetShotPools();
    }
    stepBoth(60);
    EXPECT_EQ(scene.level.freeEnemyBullets.size(), 8000u);
    EXPECT_EQ(scene.level.freePlayerBullets.size(), 3000u);
}

TEST_F(ShotPools, AResetTakesEveryShotNodeOutOfTheSceneAndLeavesTheOtherNodes)
{
    Ogre::SceneNode* rig = scene.world.scene->getSceneNode("CamNode1");
    Ogre::SceneNode* root = scene.world.scene->getRootSceneNode();
    const Ogre::Node* otherParent = scene.world.addNode();
    std::set<const Ogre::Node*> kept{rig->createChildSceneNode(), rig->createChildSceneNode()};
    // The level's score pop-ups hang under the camera too.
    for (const std::unique_ptr<ScorePopup>& popup : scene.level.scorePopups)
        kept.insert(popup->node);
    // Shots with a trail place their nodes, under the rig or another parent.
    Weapon trailed;
    trailed.sfxType = "Bullet_Trail";
    for (int i = 0; i < 300; ++i) {
        if (i % 100 == 50)
            kept.insert(rig->createChildSceneNode());
        bullet* shot = fire(i % 4 == 0);
        Ogre::Vector3 direction = Ogre::Vector3::UNIT_Z;
        Ogre::SceneNode* parent = i % 3 == 0 ? (i % 2 ? root : scene.world.addNode()) : nullptr;
        shot->launch(&trailed, Ogre::Vector3::ZERO, 1.0f, direction, parent, nullptr);
        ASSERT_TRUE(shot->isNodePlaced());
    }
    scene.level.resetShotPools();
    for (const bullet* record : scene.game.enemyBullets)
        ASSERT_FALSE(record->isNodePlaced());
    for (const bullet* record : scene.game.playerBullets)
        ASSERT_FALSE(record->isNodePlaced());
    const auto& rigChildren = rig->getChildren();
    EXPECT_EQ(std::set<const Ogre::Node*>(rigChildren.begin(), rigChildren.end()), kept);
    for (const Ogre::Node* node : kept)
        EXPECT_EQ(node->getParent(), rig);
    EXPECT_EQ(rig->getParent(), root);
    EXPECT_EQ(otherParent->getParent(), root);
}

TEST_F(ShotPools, ALevelsEndDestroysTheShotNodesAndLeavesTheOtherNodes)
{
    Ogre::SceneNode* rig = scene.world.scene->getSceneNode("CamNode1");
    Ogre::SceneNode* root = scene.world.scene->getRootSceneNode();
    std::set<const Ogre::Node*> rootChildren(root->getChildren().begin(), root->getChildren().end());
    // The sun's node is the level's own and goes with it.
    rootChildren.erase(scene.level.sunNode);
    std::set<const Ogre::Node*> kept;
    Weapon trailed;
    trailed.sfxType = "Bullet_Trail";
    for (int i = 0; i < 200; ++i) {
        if (i % 50 == 0)
            kept.insert(rig->createChildSceneNode());
        bullet* shot = fire(i % 4 == 0);
        Ogre::Vector3 direction = Ogre::Vector3::UNIT_Z;
        shot->launch(&trailed, Ogre::Vector3::ZERO, 1.0f, direction, i % 3 == 0 ? root : nullptr, nullptr);
    }
    scene.level.destroy();
    EXPECT_EQ(std::set<const Ogre::Node*>(rig->getChildren().begin(), rig->getChildren().end()), kept);
    EXPECT_EQ(std::set<const Ogre::Node*>(root->getChildren().begin(), root->getChildren().end()), rootChildren);
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

} // namespace
