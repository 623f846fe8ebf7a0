// The enemy's move: how a frame is cut into path steps, where the path
// aims, the head's spin and wobble, and a steering enemy.
#include "combat/MovingEnemyRig.h"
#include "world/PathTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A straight path along -x whose first leg speeds up: how far the follower
// gets in a frame depends on how the frame is cut into steps.
void buildSlowingPath(PathOfWaypoints& path, std::uint32_t rotType = rotTypeFaceTravel)
{
    path.add({0.0f, 0.0f, 0.0f}, 1.0f).rotType = rotType;
    path.add({-40.0f, 0.0f, 0.0f}, 3.0f).rotType = rotType;
    path.add({-80.0f, 0.0f, 0.0f}, 3.0f).rotType = rotType;
    for (Waypoint* waypoint : path.list)
        waypoint->rotSpeed = 10.0f;
    path.build();
}

// A follower like the enemy's, on a node pair of its own at the same place.
struct ReferenceFollower {
    ReferenceFollower(PlayerScene& scene, PathOfWaypoints& path)
    {
        Ogre::SceneNode* moved = scene.world.addNode();
        follower.init(scene.world.scene, &scene.level, scene.world.scene->getCamera("PlayCam"), &path.list,
                      moved->createChildSceneNode(), moved);
    }
    PathFollower follower;
};

} // namespace

TEST(EnemyMoveTest, AFrameLongerThanTwoHundredthsOfASecondMovesTheFollowerInTwoHalves)
{
    struct Case {
        double dt;
        int steps;
    };
    for (const Case& c : {Case{0.05, 2}, Case{0.02, 1}, Case{0.01, 1}}) {
        SCOPED_TRACE(c.dt);
        PlayerScene scene;
        PathOfWaypoints path;
        buildSlowingPath(path);
        Enemy enemy;
        MovingEnemyRig rig(scene, enemy);
        rig.follow(path.list);
        ReferenceFollower whole(scene, path);
        ReferenceFollower halves(scene, path);
        // Past the first waypoint, where the speed starts to ease.
        enemy.move(0.01, path.table, &scene.player);
        whole.follower.update(0.01, Ogre::Vector3::ZERO, path.table, false);
        halves.follower.update(0.01, Ogre::Vector3::ZERO, path.table, false);
        whole.follower.update(c.dt, Ogre::Vector3::ZERO, path.table, false);
        halves.follower.update(c.dt * 0.5, Ogre::Vector3::ZERO, path.table, false);
        halves.follower.update(c.dt * 0.5, Ogre::Vector3::ZERO, path.table, false);
        ASSERT_NE(whole.follower.distance, halves.follower.distance);

        enemy.move(c.dt, path.table, &scene.player);

        const PathFollower& expected = c.steps == 2 ? halves.follower : whole.follower;
        EXPECT_DOUBLE_EQ(rig.follower.distance, expected.distance);
    }
}

TEST(EnemyMoveTest, TheFollowerAimsAtTheAliveShipElseFiftyUnitsAheadAlongTheLevel)
{
    struct Case {
        int levelTypePreference;
        std::uint32_t shipStatus;
        Ogre::Vector3 deadShipAim;
    };
    const Case cases[] = {{0, Player::statusOut, {-50.0f, 0.0f, 0.0f}},
                          {1, Player::statusDying, {0.0f, 0.0f, 50.0f}},
                          {1, Player::statusPlaying, Ogre::Vector3::ZERO}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.levelTypePreference * 10 + static_cast<int>(c.shipStatus));
        PlayerScene scene;
        scene.game.levelTypePreference = c.levelTypePreference;
        scene.player.status = c.shipStatus;
        scene.player.sceneNode->setPosition(30.0f, 0.0f, -30.0f);
        PathOfWaypoints path;
        buildSlowingPath(path, rotTypeAim);
        Enemy enemy;
        MovingEnemyRig rig(scene, enemy);
        rig.follow(path.list);
        ReferenceFollower reference(scene, path);
        const bool isShipAlive = c.shipStatus == Player::statusPlaying;
        const Ogre::Vector3 aim = isShipAlive ? scene.player.getPosition() : c.deadShipAim;

        enemy.move(0.01, path.table, &scene.player);
        reference.follower.update(0.01, aim, path.table, false);

        EXPECT_TRUE(enemy.sceneNode->getOrientation().equals(reference.follower.node->getOrientation(),
                                                               Ogre::Radian(1e-4f)));
    }
}

TEST(EnemyMoveTest, TheHeadSpinsAndWobblesOnlyOnTermsWithAnAmplitude)
{
    struct Case {
        Ogre::Vector3 sinSpeed;
        Ogre::Vector3 sindistance;
        Ogre::Vector3 offset; // at 1 s after becoming alive
    };
    const Case cases[] = {
        {{2.0f, 2.0f, 2.0f}, Ogre::Vector3::ZERO, {7.0f, 7.0f, 7.0f}}, // left where it was
        {{2.0f, 0.0f, 0.0f}, {1.0f, 3.0f, 2.0f}, {std::sin(2.0f), 3.0f * std::cos(0.5f), 2.0f}},
        {{1.5f, 2.0f, 0.5f}, {2.0f, 0.0f, 0.0f}, {2.0f * std::sin(1.5f), 0.0f, 0.0f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sindistance.x);
        PlayerScene scene;
        Enemy enemy;
        MovingEnemyRig rig(scene, enemy);
        enemy.offsetNode->setPosition(7.0f, 7.0f, 7.0f);
        enemy.sinSpeed = c.sinSpeed;
        enemy.sindistance = c.sindistance;
        enemy.aliveTime = 1.25;
        enemy.spawnDelay = 0.25;
        enemy.hasAnimRot = 1;
        enemy.AnimRot = {1.0f, 2.0f, 3.0f};

        enemy.move(0.5, {}, &scene.player);

        // AnimRot is 10 degrees a second: pitch, then yaw, then roll, each about the turned axes.
        const Ogre::Quaternion spin = Ogre::Quaternion(Ogre::Degree(5.0f), Ogre::Vector3::UNIT_X) *
                                      Ogre::Quaternion(Ogre::Degree(10.0f), Ogre::Vector3::UNIT_Y) *
                                      Ogre::Quaternion(Ogre::Degree(15.0f), Ogre::Vector3::UNIT_Z);
        EXPECT_TRUE(enemy.spinNode->getOrientation().equals(spin, Ogre::Radian(1e-4f)));
        EXPECT_TRUE(enemy.offsetNode->getPosition().positionEquals(c.offset, 0.01f));
    }
}

TEST(EnemyMoveTest, ASteeringEnemyNeverStepsItsFollower)
{
    PlayerScene scene;
    PathOfWaypoints path;
    buildSlowingPath(path);
    Enemy enemy;
    enemy.isSteering = 1;
    MovingEnemyRig rig(scene, enemy);
    rig.follow(path.list);
    enemy.sceneNode->setPosition(3.0f, 0.0f, 4.0f);

    for (int frame = 0; frame < 10; ++frame)
        enemy.move(0.05, path.table, &scene.player);

    EXPECT_EQ(rig.follower.distance, 0.0);
    EXPECT_EQ(enemy.sceneNode->getPosition(), Ogre::Vector3(3.0f, 0.0f, 4.0f));
}
