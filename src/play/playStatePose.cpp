// The ship's pose after its move: it tilts with the input, turns by its
// control mode, banks by its tilts, and in crosshair mode its crosshair
// follows the mouse.
#include "play/PlayerSteering.h"
#include "play/playState.h"
#include "play/playStateControlSteps.h"

#include "app/CameraProjection.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "core/materials/SpriteMaterials.h"
#include "world/GameCamera.h"

#include <OgreCamera.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreViewport.h>

#include <algorithm>

namespace {

// The yaws (degrees) at which a ship banks, and how.
constexpr float yawForward = 0.0f;
constexpr float yawBackward = 180.0f;
constexpr float yawRight = 90.0f;
constexpr float yawLeft = -90.0f;
constexpr float yawLeftWrapped = 270.0f;

SteeringInput tiltInput(const Game& game, const Player& ship)
{
    if (ship.isBeingMoved)
        return {};
    return {game.moveLeft, game.moveRight, game.moveUp, game.moveDown, game.stickMoved};
}

float tiltRate(const Player& ship, const SteeringInput& input)
{
    float rate = ship.bankSpeed;
    if (input.isStick) {
        if (input.left > 0.0f)
            rate *= input.left;
        if (input.right > 0.0f)
            rate *= input.right;
    }
    return rate;
}

// The direction the ship wants to face, in the world; zero for none.
Ogre::Vector3 facingWanted(const Game& game, const Player& ship)
{
    switch (ship.type) {
    case Player::rotationCrosshair:
        return ship.aimNode ? ship.aimNode->_getDerivedPosition() - ship.sceneNode->_getDerivedPosition()
                            : Ogre::Vector3::ZERO;
    case Player::rotationButton8Fires: return {game.aimRight - game.aimLeft, 0.0f, game.aimDown - game.aimUp};
    case controlModeAlongMove:
    case controlModeAlongMoveAtOnce: return ship.displacement;
    default: return Ogre::Vector3::ZERO;
    }
}

void turnShip(const Game& game, Player& ship, double dt)
{
    Ogre::Vector3 wanted = facingWanted(game, ship);
    if (wanted.squaredLength() < 1e-12f)
        return;
    wanted.normalise();
    if (const Ogre::SceneNode* rig = ship.sceneNode->getParentSceneNode())
        wanted = rig->_getDerivedOrientation().Inverse() * wanted;
    const Ogre::Quaternion orientation = ship.sceneNode->getOrientation();
    Ogre::Vector3 forward = orientation * Ogre::Vector3::NEGATIVE_UNIT_Z;
    forward.y = 0.0f;
    // A ship pointing straight up or down has no heading to turn from.
    if (forward.squaredLength() < 1e-12f)
        return;
    const Ogre::Quaternion turn = forward.getRotationTo(wanted);
    float rate = ship.rotationSpeed;
    if (ship.type == controlModeAlongMove)
        rate *= ship.displacement.length();
    const float t = ship.type == controlModeAlongMoveAtOnce ? 1.0f : std::min(rate * static_cast<float>(dt), 1.0f);
    ship.sceneNode->setOrientation(Ogre::Quaternion::Slerp(t, orientation, turn * orientation, true));
}

// The side a side-facing ship looks to by its move: -x or +x, or -z or +z
// when it faces vertically; the flag is set for -x and for +z.
void chooseSide(playState& state, const Player& ship, const Ogre::Vector3& direction)
{
    if (ship.isVerticalFacing) {
        if (direction.z != 0.0f)
            state.isFacingFlagged = direction.z > 0.0f;
    } else if (direction.x != 0.0f) {
        state.isFacingFlagged = direction.x < 0.0f;
    }
}

Ogre::Vector3 sideFaced(const playState& state, const Player& ship)
{
    if (ship.isVerticalFacing)
        return state.isFacingFlagged ? Ogre::Vector3::UNIT_Z : Ogre::Vector3::NEGATIVE_UNIT_Z;
    return state.isFacingFlagged ? Ogre::Vector3::NEGATIVE_UNIT_X : Ogre::Vector3::UNIT_X;
}

// A flat ship is mirrored onto the side it faces: its sprite's node flips
// its thin axis and the sprite node turns half round across the facing, so
// the picture shows its other side face up.
void mirrorFlatShip(const playState& state, Player& ship)
{
    if (ship.entityNode) {
        Ogre::Vector3 scale = ship.entityNode->getScale();
        scale.y = static_cast<float>(ship.symmetry) * (state.isFacingFlagged ? -1.0f : 1.0f);
        ship.entityNode->setScale(scale);
    }
    if (!ship.meshNode)
        return;
    const Ogre::Vector3& across = ship.isVerticalFacing ? Ogre::Vector3::UNIT_X : Ogre::Vector3::UNIT_Z;
    const Ogre::Quaternion halfTurn(Ogre::Radian(Ogre::Math::PI), across);
    ship.meshNode->setOrientation(state.isFacingFlagged ? ship.startSpriteOrientation * halfTurn
                                                        : ship.startSpriteOrientation);
}

// A side-facing ship looks to one side by its move; a flat one is mirrored
// onto the side it faces.
void faceSide(playState& state, Player& ship, const Ogre::Vector3& direction)
{
    chooseSide(state, ship, direction);
    // A flat ship set up facing backward snaps round to the side it faces.
    if (ship.isLayered && ship.orient.y == yawBackward) {
        const Ogre::Vector3 facing = sideFaced(state, ship);
        const Ogre::Quaternion orientation = ship.sceneNode->getOrientation();
        Ogre::Vector3 forward = orientation * Ogre::Vector3::NEGATIVE_UNIT_Z;
        forward.y = 0.0f;
        if (forward.squaredLength() >= 1e-12f)
            ship.sceneNode->setOrientation(forward.getRotationTo(facing, Ogre::Vector3::UNIT_Y) * orientation);
    }
    if (ship.isLayered)
        mirrorFlatShip(state, ship);
}

bool isHeading(const Player& ship, float yaw) { return ship.orient == Ogre::Vector3(0.0f, yaw, 0.0f); }

// A flat ship shows the sprite tile of its tilt.
void tileFlatShip(const Player& ship)
{
    const Ogre::Vector2& tilt = ship.tilt;
    if (isHeading(ship, yawForward))
        applyPictureTileParameters(ship.meshEntity, 0.5f - 0.5f * tilt.y);
    else if (isHeading(ship, yawBackward))
        applyPictureTileParameters(ship.meshEntity, (tilt.y + 1.0f) * 0.5f);
    else if (isHeading(ship, yawLeft) || isHeading(ship, yawLeftWrapped))
        applyPictureTileParameters(ship.meshEntity, 0.5f - 0.5f * tilt.x);
    else if (isHeading(ship, yawRight))
        applyPictureTileParameters(ship.meshEntity, (tilt.x + 1.0f) * 0.5f);
}

Ogre::Quaternion about(const Ogre::Vector3& axis, float degrees)
{
    return Ogre::Quaternion(Ogre::Radian(degrees * controlDegreesToRadians), axis);
}

// A 3D ship rolls by its sideways tilt and pitches by its forward tilt,
// about the axes its heading and facing give. A ship facing up or down the
// screen trades its two bank angles.
Ogre::Quaternion bankOf(const Player& ship, bool isFlagged)
{
    const Ogre::Vector2 limits = ship.isVerticalFacing ? Ogre::Vector2(ship.bankLimits.y, ship.bankLimits.x)
                                                       : ship.bankLimits;
    const float p = limits.y * ship.tilt.y;
    const float q = limits.x * ship.tilt.x;
    const bool isForward = isHeading(ship, yawForward);
    const bool isBackward = isHeading(ship, yawBackward);
    const bool isLeft = isHeading(ship, yawLeft) || isHeading(ship, yawLeftWrapped);
    const bool isRight = isHeading(ship, yawRight);
    if ((isForward && !isFlagged) || (isBackward && isFlagged))
        return about(Ogre::Vector3::UNIT_X, -q) * about(Ogre::Vector3::UNIT_Z, p);
    if ((isBackward && !isFlagged) || (isForward && isFlagged))
        return about(Ogre::Vector3::UNIT_X, q) * about(Ogre::Vector3::UNIT_Z, -p);
    if ((isLeft && !isFlagged) || (isRight && isFlagged))
        return about(Ogre::Vector3::UNIT_Z, q) * about(Ogre::Vector3::UNIT_X, p);
    if ((isRight && !isFlagged) || (isLeft && isFlagged))
        return about(Ogre::Vector3::UNIT_Z, -q) * about(Ogre::Vector3::UNIT_X, -p);
    return Ogre::Quaternion::IDENTITY;
}

void bankShip(const playState& state, const Player& ship)
{
    if (ship.isLayered && ship.meshEntity)
        tileFlatShip(ship);
    else if (!ship.isLayered && ship.bankNode)
        ship.bankNode->setOrientation(bankOf(ship, state.isFacingFlagged));
}

// The crosshair sits on the ship's plane under the mouse.
void placeCrosshair(const Game& game, const GameCamera* camera, const Player& ship)
{
    const Ogre::Camera* view = camera ? camera->playCamera : nullptr;
    const Ogre::Viewport* viewport = view ? view->getViewport() : nullptr;
    if (!ship.aimNode || !viewport || viewport->getActualWidth() <= 0 || viewport->getActualHeight() <= 0)
        return;
    const Ogre::Vector2 mouse(
        static_cast<float>(game.mouseX - viewport->getActualLeft()) / static_cast<float>(viewport->getActualWidth()),
        static_cast<float>(game.mouseY - viewport->getActualTop()) / static_cast<float>(viewport->getActualHeight()));
    Ogre::Vector3 aim;
    screenToPlaneY(aim, mouse, ship.sceneNode->_getDerivedPosition().y, *view);
    ship.aimNode->_setDerivedPosition(aim);
}

} // namespace

void poseShip(playState& state, Player& ship, const Ogre::Vector3& direction, double dt)
{
    const Game& game = *Game::getSingletonPtr();
    const SteeringInput input = tiltInput(game, ship);
    ship.tilt = steppedTilt(ship.tilt, input, tiltRate(ship, input), dt);
    if (ship.type == controlModeSideFacing)
        faceSide(state, ship, direction);
    else
        turnShip(game, ship, dt);
    if (ship.isBanking)
        bankShip(state, ship);
    if (ship.type == Player::rotationCrosshair)
        placeCrosshair(game, state.camera, ship);
}
