// The ship's control step in a play scene: speed on the diagonal, the
// screen bounds in every control mode, and the push-out directions of a
// body contact.
#include "combat/PlayerControlScene.h"

#include "play/playStateControlSteps.h"
#include "world/Obb.h"
#include "support/FrameStep.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace {

// A view 160 x 90 units wide straight above the ship, and the ship with a
// 4 x 4 outline that the screen limits keep inside it.
class ControlStep : public ::testing::Test {
protected:
    ControlStep()
    {
        scene.camera.playCamera->setProjectionType(Ogre::PT_ORTHOGRAPHIC);
        scene.camera.playCamera->setOrthoWindow(160.0f, 90.0f);
        auto* outline = new Obb;
        outline->size = Ogre::Vector3(4.0f, 4.0f, 0.0f);
        outline->bindCamera(scene.world.scene, ship.sceneNode);
        outline->init();
        ship.outlines.push_back(outline);
        ship.currentSpeed = 60.0f;
        ship.updateObbs();
        state.game = &scene.game;
        state.player = &ship;
        state.camera = &scene.camera;
        start = ship.sceneNode->getPosition();
    }

    PlayerControlScene scene;
    Player& ship = scene.player;
    Game& game = scene.game;
    playState state;
    Ogre::Vector3 start;
    Kept<float> moveRight{game.moveRight};
    Kept<float> moveLeft{game.moveLeft};
    Kept<float> moveDown{game.moveDown};
    Kept<float> moveUp{game.moveUp};
};

} // namespace

TEST_F(ControlStep, EveryModeKeepsTheShipOnScreenAndMovesAtFullSpeedOnTheDiagonal)
{
    game.moveRight = 1.0f;
    game.moveDown = 1.0f;
    for (std::int32_t mode = 0; mode <= 5; ++mode) {
        SCOPED_TRACE(mode);
        ship.type = mode;
        ship.sceneNode->setPosition(start);
        ship.sceneNode->setOrientation(Ogre::Quaternion::IDENTITY);
        state.updatePlayerControl(frame);
        EXPECT_NEAR(ship.displacement.length(), 1.0f, 1e-3f);
        EXPECT_TRUE(ship.isSteering);
        for (int i = 0; i < 300; ++i)
            state.updatePlayerControl(frame);
        const Ogre::Vector3 moved = ship.sceneNode->getPosition() - start;
        EXPECT_GT(moved.x, 70.0f);
        EXPECT_LE(moved.x, 80.0f);
        EXPECT_GT(moved.z, 35.0f);
        EXPECT_LE(moved.z, 45.0f);
        EXPECT_EQ(ship.status, Player::statusPlaying);
    }
    // The side-facing mode remembers the side of the last sideways move.
    EXPECT_FALSE(state.isFacingFlagged);
    game.moveRight = 0.0f;
    game.moveLeft = 1.0f;
    state.updatePlayerControl(frame);
    EXPECT_FALSE(state.isFacingFlagged);
    ship.type = controlModeSideFacing;
    state.updatePlayerControl(frame);
    game.moveLeft = 0.0f;
    state.updatePlayerControl(frame);
    EXPECT_TRUE(state.isFacingFlagged);
    // Facing vertically, the flag is for the last move down the screen.
    ship.isVerticalFacing = 1;
    game.moveDown = 0.0f;
    game.moveUp = 1.0f;
    state.updatePlayerControl(frame);
    EXPECT_FALSE(state.isFacingFlagged);
}

TEST_F(ControlStep, AHeldShipStaysWhereItIs)
{
    game.moveRight = 1.0f;
    ship.isFrozen = true;
    state.updatePlayerControl(frame);
    EXPECT_EQ(ship.sceneNode->getPosition(), start);
}

TEST_F(ControlStep, PushOutMovesTheShipAlongTheScreenPush)
{
    const Obb& outline = *ship.outlines.front();
    const Ogre::Vector3 at = outline.sceneNode->_getDerivedPosition();
    const std::pair<Ogre::Vector2, Ogre::Vector3> pushes[] = {
        {{0.1f, 0.0f}, {16.0f, 0.0f, 0.0f}},   {{-0.05f, 0.0f}, {-8.0f, 0.0f, 0.0f}},
        {{0.0f, 0.1f}, {0.0f, 0.0f, 9.0f}},    {{0.0f, -0.2f}, {0.0f, 0.0f, -18.0f}},
        {{0.1f, 0.1f}, {16.0f, 0.0f, 9.0f}},   {{0.0f, 0.0f}, Ogre::Vector3::ZERO},
    };
    for (const auto& [push, expected] : pushes) {
        const Ogre::Vector3 move = pushOutMove(*scene.camera.playCamera, outline.centre, push, at);
        EXPECT_TRUE(move.positionEquals(expected, 1e-2f)) << push << " moves " << move;
    }
}

TEST_F(ControlStep, AShipWithoutOutlinesOrCameraHeadingsStillSteersAndAimsFromItsNode)
{
    ASSERT_TRUE(scene.camera.headings.empty());
    for (Obb* outline : ship.outlines)
        delete outline;
    ship.outlines.clear();
    ship.type = 1;
    game.moveRight = 1.0f;
    state.updatePlayerControl(frame);
    EXPECT_NEAR(ship.displacement.x, 1.0f, 1e-3f);
    EXPECT_EQ(ship.aimPosition, ship.sceneNode->_getDerivedPosition());
}

TEST_F(ControlStep, FacingVerticallyTradesTheTwoBankAngles)
{
    game.moveRight = game.moveDown = ship.isBanking = 1;
    Ogre::Quaternion banked[2];
    for (std::uint8_t vertical : {0, 1}) {
        ship.isVerticalFacing = vertical;
        ship.bankLimits = vertical ? Ogre::Vector2(5.0f, 30.0f) : Ogre::Vector2(30.0f, 5.0f);
        ship.tilt = Ogre::Vector2::ZERO;
        for (int i = 0; i < 10; ++i)
            state.updatePlayerControl(frame);
        banked[vertical] = ship.bankNode->getOrientation();
    }
    EXPECT_TRUE(banked[0].equals(banked[1], Ogre::Radian(1e-4f)) && !banked[0].equals({}, Ogre::Radian(0.01f)));
}
