// The spawner in a level's scene: its nodes carry the wave's placement, also
// while they ride the camera; it builds the copies of member 0 in their
// formation, turns spawns toward the player and keeps path riders on their
// formation spot.
#include "combat/WaveScene.h"

#include "combat/SpawnerPlacement.h"
#include "world/PathFollower.h"

#include <OgreSceneManager.h>

#include <new>
#include <sstream>

namespace wavetest {
namespace {

using SpawnerScene = WaveTest;

TEST_F(SpawnerScene, NodesCarryThePlacementAndKeepItWhileRidingTheCamera)
{
    Spawner spawner;
    spawner.position = Ogre::Vector3(10.0f, 0.0f, -40.0f);
    spawner.scale = Ogre::Vector3(2.0f, 2.0f, 2.0f);
    spawner.orientation = Ogre::Quaternion(Ogre::Degree(90.0f), Ogre::Vector3::UNIT_Y);
    std::vector<Enemy*> members;
    spawner.createNodes(&members, &level, &player);
    std::ostringstream suffix;
    suffix << std::hex << reinterpret_cast<std::uintptr_t>(&spawner);
    EXPECT_EQ(spawner.spawnerLayerNode->getName(), "spawnerLayerNode" + suffix.str());
    EXPECT_EQ(spawner.spawnerNode->getName(), "spawnerNode" + suffix.str());
    EXPECT_EQ(spawner.spawnerNode->getParent(), spawner.spawnerLayerNode);
    EXPECT_EQ(spawner.spawnerLayerNode->getPosition(), spawner.position);
    EXPECT_EQ(spawner.spawnerNode->getScale(), spawner.scale);
    EXPECT_NEAR(spawner.orientationDegrees.y, 90.0f, 1e-3f);

    Ogre::SceneNode* cameraNode = world.scene->getSceneNode("CamNode1");
    cameraNode->setPosition(5.0f, 50.0f, 20.0f);
    cameraNode->yaw(Ogre::Degree(30.0f));
    world.updateTransforms();
    spawner.attachToCamera();
    world.updateTransforms();
    EXPECT_EQ(spawner.spawnerLayerNode->getParent(), cameraNode);
    EXPECT_TRUE(spawner.spawnerLayerNode->_getDerivedPosition().positionEquals(spawner.position, 1e-3f));

    spawner.reset();
    world.updateTransforms();
    EXPECT_EQ(spawner.attachedToCamera, 0);
    EXPECT_EQ(spawner.spawnerLayerNode->getParent(), world.scene->getRootSceneNode());
    EXPECT_TRUE(spawner.spawnerLayerNode->_getDerivedPosition().positionEquals(spawner.position, 1e-3f));
    EXPECT_TRUE(spawner.spawnerNode->_getDerivedOrientation().equals(spawner.orientation, Ogre::Degree(0.01f)));
    spawner.destroyNodes();
    EXPECT_EQ(spawner.spawnerNode, nullptr);
}

TEST_F(SpawnerScene, ANewSpawnerWhereAFreedOneLeftItsNodesMakesItsOwn)
{
    alignas(Spawner) unsigned char place[sizeof(Spawner)];
    std::vector<Enemy*> members;
    (new (place) Spawner())->createNodes(&members, &level, &player);
    auto* second = new (place) Spawner(); // the first is freed without destroyNodes
    EXPECT_NO_THROW(second->createNodes(&members, &level, &player));
    EXPECT_EQ(second->spawnerNode->getParent(), second->spawnerLayerNode);
    second->destroyNodes();
}

TEST_F(SpawnerScene, BuildsTheCopiesOfMemberZeroInTheFormationWaitingToBeReleased)
{
    Wave& single = addWave(1, inView());
    buildCopies(single);
    EXPECT_EQ(single.members.size(), 1u) << "one spawn builds no copy";

    Wave& wave = addWave(4, inView());
    wave.spawner->spawnType = spawnArc;
    wave.spawner->resetCount();
    wave.updateMemberTransforms();
    buildCopies(wave);
    const Ogre::Vector3 arc[] = {{-30, 0, 0}, {0, 0, 30}, {30, 0, 0}, {0, 0, -30}};
    ASSERT_EQ(wave.members.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(wave.members[i]->placedPosition.positionEquals(arc[i], 1e-3f)) << "member " << i;
    for (std::size_t i = 1; i < 4; ++i) {
        const Enemy& copy = *wave.members[i];
        EXPECT_EQ(copy.status, Enemy::statusWaitingCopy);
        EXPECT_EQ(copy.templateObject, wave.members.front());
        EXPECT_TRUE(copy.waveName.empty());
        EXPECT_EQ(copy.wave, &wave);
    }
    EXPECT_EQ(wave.spawner->nextIndex, 1u);
}

TEST_F(SpawnerScene, TurnsASpawnTowardThePlayer)
{
    player.sceneNode = world.addNode(Ogre::Vector3(0.0f, 0.0f, 30.0f));
    world.updateTransforms();
    Wave& wave = addWave(1, Ogre::Vector3::ZERO);
    wave.spawner->OrientationType = orientAtTarget;
    // The rule turns the spawn's +Z from the player to the spawn: its front (-Z) faces the player.
    const Ogre::Quaternion turn = wave.spawner->orientSpawn(Ogre::Vector3(30.0f, 0.0f, 30.0f), Ogre::Vector3::ZERO);
    EXPECT_TRUE((turn * Ogre::Vector3::NEGATIVE_UNIT_Z).positionEquals(Ogre::Vector3::NEGATIVE_UNIT_X, 1e-3f));
    world.scene->destroySceneNode(player.sceneNode);
    player.sceneNode = nullptr;
}

TEST_F(SpawnerScene, PathRidersKeepTheirFormationSpotUnderAnyScale)
{
    const Ogre::Vector3 spot(10.0f, 0.0f, 4.0f);
    const Ogre::Quaternion quarterTurn(Ogre::Degree(90.0f), Ogre::Vector3::UNIT_Y);
    const Ogre::Vector3 back = quarterTurn.Inverse() * spot;
    struct Case {
        bool keepFormation;
        float scale; // 0: a wave placed without a scale
        Ogre::Vector3 mainNode, headingNode, followerOffset;
    };
    const Case cases[] = {{false, 2.0f, back / 2.0f, Ogre::Vector3::ZERO, back},
                          {true, 2.0f, Ogre::Vector3::ZERO, spot / 2.0f, Ogre::Vector3::ZERO},
                          {false, 0.0f, back, Ogre::Vector3::ZERO, back}};
    for (const Case& c : cases) {
        Enemy member;
        PathFollower follower;
        member.pathFollower = &follower;
        member.rootNode = world.addNode();
        member.rootNode->setScale(Ogre::Vector3(c.scale));
        member.sceneNode = member.rootNode->createChildSceneNode();
        member.headingNode = member.sceneNode->createChildSceneNode();
        world.updateTransforms();
        placeOnPath(member, quarterTurn, spot, c.keepFormation);
        EXPECT_TRUE(member.sceneNode->getPosition().positionEquals(c.mainNode, 1e-3f)) << c.scale;
        EXPECT_TRUE(member.headingNode->getPosition().positionEquals(c.headingNode, 1e-3f)) << c.scale;
        EXPECT_TRUE(follower.offset.positionEquals(c.followerOffset, 1e-3f)) << c.scale;
        member.pathFollower = nullptr;
        member.rootNode = member.sceneNode = member.headingNode = nullptr;
    }
}

} // namespace
} // namespace wavetest
