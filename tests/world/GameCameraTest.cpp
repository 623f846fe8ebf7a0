// The camera rig on its path: travel and waits along four waypoints, long
// frames, shake, checkpoints, jumps along the path, the head's camera shot
// and the movement reported to the Game and the level layers.
#include "world/GameCamera.h"

#include "world/WorldTestScene.h"
#include "support/FrameStep.h"
#include "support/LogCapture.h"

#include "core/Game.h"
#include "platform/Random.h"
#include "play/Level.h"
#include "world/PathFollower.h"
#include "world/Waypoint.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class GameCameraRig : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.sceneManager = world.scene;
        game.aspectRatio = 16.0f / 9.0f;
        camera.setupScene();
    }
    void TearDown() override { game.sceneManager = nullptr; }

    // The level path: speeds 10, 20, 20 (waiting 1 s) and 10; a looping
    // path returns to the first, whose copy the reader's closing point becomes.
    void addFourWaypoints(bool isLooping = true)
    {
        camera.addWaypoint(10.0f, Ogre::Vector3(0, 0, 0), Ogre::Vector3::ZERO, rotTypeFaceTravel, 0.0f);
        camera.addWaypoint(20.0f, Ogre::Vector3(0, 0, -60), Ogre::Vector3::ZERO, rotTypeFaceTravel, 0.0f);
        camera.addWaypoint(20.0f, Ogre::Vector3(40, 0, -120), Ogre::Vector3::ZERO, rotTypeFaceTravel, 1.0f);
        camera.addWaypoint(10.0f, Ogre::Vector3(40, 0, -200), Ogre::Vector3::ZERO, rotTypeFaceTravel, 0.0f);
        if (isLooping) {
            camera.addWaypoint(10.0f, Ogre::Vector3(0, 0, -200), Ogre::Vector3::ZERO, rotTypeFaceTravel, 0.0f);
            camera.levelPath.front()->isLoop = 1;
            camera.closeLoop();
        }
        camera.createDefaultWaypoints();
    }
    // Frames until the follower heads past the waypoint, with the time taken.
    double secondsUntilCurrent(int index, int limit = 6000)
    {
        double seconds = 0.0;
        for (int i = 0; i < limit && camera.follower->currentIndex != index; ++i) {
            camera.update(frame);
            seconds += frame;
        }
        return seconds;
    }

    Game& game = *Game::getSingletonPtr();
    WorldTestScene world;
    GameCamera camera;
};

TEST_F(GameCameraRig, TheRigIsBuiltUnderTheNamedNodes)
{
    EXPECT_EQ(camera.kind, kindGameCamera);
    EXPECT_EQ(camera.name, "camera");
    EXPECT_EQ(camera.clone(), nullptr);
    EXPECT_EQ(camera.sceneNode->getName(), "CamNode1");
    EXPECT_EQ(camera.headNode->getParent(), camera.sceneNode);
    EXPECT_EQ(camera.panNode->getName(), "CamPan");
    EXPECT_EQ(camera.panheadGizmos, camera.panNode->getChild("panheadGizmos"));
    EXPECT_EQ(camera.debugPanhead->getName(), "debugPanhead");
    EXPECT_EQ(camera.playerDummy->getParent(), camera.sceneNode);
    EXPECT_EQ(camera.playCamera->getParentSceneNode(), camera.panNode);
    EXPECT_EQ(camera.collisionCamera->getParentSceneNode(), camera.panNode);
    EXPECT_FLOAT_EQ(camera.playCamera->getNearClipDistance(), 1.1f);
    EXPECT_FLOAT_EQ(camera.playCamera->getFarClipDistance(), 1000.0f);
    EXPECT_EQ(camera.skyLayers[0].textureName, "Space.jpg");
    EXPECT_EQ(camera.skyLayers[0].speed, Ogre::Vector2(6.0f, 1.0f));
    EXPECT_EQ(camera.placedPosition, Ogre::Vector3(0.0f, 180.0f, 0.0f));
}

TEST_F(GameCameraRig, ACameraOnFourWaypointsEasesWaitsAndLoops)
{
    addFourWaypoints();
    const double first = camera.levelPath[1]->curveDistance;
    ASSERT_GT(first, 0.0);
    // From speed 10 to 20 over the first segment at 0.2 x 5 units per speed
    // and second: t = L / (20 - 10) * ln 2.
    EXPECT_NEAR(secondsUntilCurrent(1), first / 10.0 * std::log(2.0), 0.05);
    EXPECT_NEAR(camera.follower->currentSpeed, 20.0f, 0.5f);

    // The waiting waypoint holds the rig for its second.
    secondsUntilCurrent(2);
    const double at = camera.follower->distance;
    int stillFrames = 0;
    for (int i = 0; i < 120; ++i) {
        camera.update(frame);
        if (camera.follower->distance == at)
            ++stillFrames;
    }
    EXPECT_NEAR(stillFrames, 60, 2);
    EXPECT_GT(camera.follower->distance, at);

    // The looping path starts over and never ends.
    EXPECT_EQ(camera.levelPath.back()->position, camera.levelPath.front()->position);
    secondsUntilCurrent(3);
    secondsUntilCurrent(0);
    EXPECT_EQ(camera.follower->currentIndex, 0);
    EXPECT_LT(camera.follower->distance, first);
    EXPECT_EQ(camera.follower->isEnded, 0);
}

TEST_F(GameCameraRig, ALongFrameAdvancesInTwoHalves)
{
    addFourWaypoints();
    PathFollower halves = *camera.follower;
    PathFollower whole = *camera.follower;
    camera.update(0.03);
    halves.update(0.015, Ogre::Vector3::ZERO, camera.pathCurve, false);
    halves.update(0.015, Ogre::Vector3::ZERO, camera.pathCurve, false);
    whole.update(0.03, Ogre::Vector3::ZERO, camera.pathCurve, false);
    EXPECT_DOUBLE_EQ(camera.follower->distance, halves.distance);
    EXPECT_NE(camera.follower->distance, whole.distance);

    // 0.02 s is one step.
    PathFollower single = *camera.follower;
    camera.update(0.02);
    single.update(0.02, Ogre::Vector3::ZERO, camera.pathCurve, false);
    EXPECT_DOUBLE_EQ(camera.follower->distance, single.distance);
}

TEST_F(GameCameraRig, AShakeOffsetsTheViewAndDecaysToNothing)
{
    addFourWaypoints();
    platform::seedRandom(7);
    camera.shakeTime = 0.5f;
    bool moved = false;
    for (int i = 0; i < 40; ++i) {
        camera.update(frame);
        const Ogre::Vector2 offset = camera.playCamera->getFrustumOffset();
        EXPECT_LE(offset.x, 3.0f * 0.5f * 0.004f + 1e-6f);
        EXPECT_LE(offset.y, 0.5f * 0.004f + 1e-6f);
        EXPECT_GE(offset.x, 0.0f);
        moved = moved || offset != Ogre::Vector2::ZERO;
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ(camera.shakeTime, 0.0f);
    EXPECT_EQ(camera.playCamera->getFrustumOffset(), Ogre::Vector2::ZERO);
}

TEST_F(GameCameraRig, ACheckpointRestoresThePathTimeAndPosition)
{
    addFourWaypoints();
    secondsUntilCurrent(1);
    for (int i = 0; i < 30; ++i)
        camera.update(frame);
    camera.headNode->setPosition(3.0f, 0.0f, -2.0f);
    camera.saveCheckpoint();
    world.updateTransforms();
    const double savedDistance = camera.checkpointDistance;
    const Ogre::Vector3 savedPosition = camera.sceneNode->getPosition();
    const std::int32_t savedIndex = camera.follower->currentIndex;
    ASSERT_GT(savedDistance, 0.0);
    EXPECT_EQ(camera.hasCheckpoint, 1);
    EXPECT_EQ(camera.checkpointHeadPosition, Ogre::Vector3(3.0f, 0.0f, -2.0f));

    for (int i = 0; i < 200; ++i)
        camera.update(frame);
    ASSERT_GT(camera.follower->distance, savedDistance);

    // What the play state does on a respawn.
    camera.setPathTime(camera.checkpointDistance);
    camera.resetPosition();
    camera.headNode->setPosition(camera.checkpointHeadPosition);
    EXPECT_DOUBLE_EQ(camera.follower->distance, savedDistance);
    EXPECT_TRUE(camera.sceneNode->getPosition().positionEquals(savedPosition, 1e-3f));
    EXPECT_EQ(camera.headNode->getPosition(), Ogre::Vector3(3.0f, 0.0f, -2.0f));
    EXPECT_EQ(camera.follower->currentIndex, savedIndex);
}

TEST_F(GameCameraRig, JumpsBeforeTheStartOrPastTheEndStopAtTheEnds)
{
    addFourWaypoints(false);
    camera.setPathTime(-30.0);
    EXPECT_EQ(camera.follower->distance, 0.0);
    EXPECT_EQ(camera.follower->currentIndex, 0);
    EXPECT_EQ(camera.follower->isEnded, 0);

    camera.setPathTime(1e6);
    EXPECT_DOUBLE_EQ(camera.follower->distance, camera.levelPath.back()->curveDistance);
    EXPECT_EQ(camera.follower->isEnded, 1);
    // Past the last waypoint the rig sits on the last segment.
    EXPECT_EQ(camera.follower->currentIndex, 2);
    EXPECT_EQ(camera.follower->nextIndex, 3);
}

TEST_F(GameCameraRig, TheHeadTakesTheFirstWaypointsCameraShot)
{
    addFourWaypoints();
    camera.levelPath.front()->camShotOrientation = Ogre::Vector3(120.0f, 30.0f, 0.0f);
    camera.resetPosition();
    const Ogre::Quaternion expected = Ogre::Quaternion(Ogre::Degree(210.0f), Ogre::Vector3::UNIT_X) *
                                      Ogre::Quaternion(Ogre::Degree(-30.0f), Ogre::Vector3::UNIT_Y);
    EXPECT_TRUE(camera.headNode->getOrientation().equals(expected, Ogre::Degree(0.01f)));
    EXPECT_EQ(camera.layerOffset, Ogre::Vector3::ZERO);
}

TEST_F(GameCameraRig, ALevelWithoutCameraWaypointsIsReportedAndLooksStraightDown)
{
    LogCapture log;
    camera.createDefaultWaypoints();
    EXPECT_TRUE(log.containsPrefix("[ERROR] "));
    const Ogre::Quaternion down(Ogre::Degree(270.0f), Ogre::Vector3::UNIT_X);
    EXPECT_TRUE(camera.headNode->getOrientation().equals(down, Ogre::Degree(0.01f)));
    EXPECT_FLOAT_EQ(camera.follower->fovMult, 1.0f);
    // Frames and jumps on the empty path do nothing harmful.
    camera.update(0.05);
    camera.setPathTime(10.0);
    EXPECT_TRUE(camera.sceneNode->getPosition().isNaN() == false);
}

TEST_F(GameCameraRig, TheFrameMovementReachesTheGameAndTheLayers)
{
    addFourWaypoints();
    Level level;
    camera.level = &level;
    levelLayer& half = level.layers[1];
    half.Y = 50.0f;
    half.sceneNode = world.addNode();
    camera.update(frame);
    const Ogre::Vector3 before = camera.sceneNode->_getDerivedPosition();
    camera.update(frame);
    const Ogre::Vector3 movement = before - camera.sceneNode->_getDerivedPosition();
    EXPECT_TRUE(camera.frameMovement.positionEquals(movement, 1e-4f));
    EXPECT_EQ(game.cameraMovement, camera.frameMovement);
    EXPECT_GT(movement.length(), 0.0f);

    // The layer node went half the way of the rig over both frames.
    half.sceneNode->setPosition(Ogre::Vector3::ZERO);
    camera.update(frame);
    EXPECT_TRUE(half.sceneNode->getPosition().positionEquals(camera.frameMovement * 0.5f, 1e-3f));
    world.scene->destroySceneNode(half.sceneNode);
    half.sceneNode = nullptr;
}

TEST_F(GameCameraRig, APlacedRigKeepsItsPlaceAndCheckpointsClearOnRestart)
{
    addFourWaypoints();
    // Placed in the world, the rig's path is shifted to start there.
    const Ogre::Vector3 place(5.0f, 2.0f, -3.0f);
    camera.setWorldPosition(place);
    EXPECT_EQ(camera.placedPosition, place);
    EXPECT_TRUE(camera.sceneNode->_getDerivedPosition().positionEquals(place, 1e-3f));
    camera.savePosition();
    secondsUntilCurrent(1);
    EXPECT_EQ(camera.savedPosition, place);
    EXPECT_TRUE(camera.savedDerivedPosition.positionEquals(place, 1e-3f));
    camera.saveCheckpoint();
    camera.shakeTime = 1.0f;
    camera.restartPath();
    EXPECT_EQ(camera.hasCheckpoint, 0);
    EXPECT_EQ(camera.checkpointDistance, -1.0);
    EXPECT_EQ(camera.shakeTime, 0.0f);
    EXPECT_FLOAT_EQ(camera.follower->speedMult, 0.2f);
    EXPECT_EQ(camera.follower->offset, camera.placedPosition);
}

} // namespace
