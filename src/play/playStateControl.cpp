// The ship's control step of each frame: it steers the ship inside the
// screen, lets its body touch enemies and walls, has the camera follow it,
// poses it, sets the bomb off from its button, runs a scripted move and
// hands the ship its own state step.
#include "play/playState.h"

#include "app/CameraProjection.h"
#include "app/Interpolation.h"
#include "combat/Player.h"
#include "combat/PlayerControl.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "play/PlayerSteering.h"
#include "play/playStateControlSteps.h"
#include "world/GameCamera.h"
#include "world/Obb.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>
#include <OgreViewport.h>

#include <cmath>

namespace {

SteeringInput currentInput(const Game& game)
{
    return {game.moveLeft, game.moveRight, game.moveUp, game.moveDown, game.stickMoved,
            game.stickNormalisation != 0.0f};
}

float cameraHeading(const GameCamera* camera)
{
    return camera && !camera->headings.empty() ? camera->headings.front() : 0.0f;
}

// With the flatten flag the ship never climbs or dives along its own axes.
Ogre::Vector3 flattenedToShip(const Ogre::Vector3& direction, const Ogre::SceneNode& node)
{
    const Ogre::Quaternion orientation = node._getDerivedOrientation();
    Ogre::Vector3 local = orientation.Inverse() * direction;
    local.y = 0.0f;
    return orientation * local;
}

Ogre::Vector3 shipDirection(const Game& game, const GameCamera* camera, const Player& ship)
{
    // The crosshair and second-stick modes steer relative to the camera.
    const bool isCameraRelative = ship.type == Player::rotationCrosshair || ship.type == Player::rotationButton8Fires;
    const Ogre::Vector3 direction = steeringDirection(currentInput(game), isCameraRelative, cameraHeading(camera));
    return ship.isOnlyLateral ? flattenedToShip(direction, *ship.sceneNode) : direction;
}

// The mouse moves the ship by the ground its movement of this frame covers.
Ogre::Vector3 mouseMove(const Game& game, const GameCamera* camera, const Player& ship)
{
    const Ogre::Camera* view = camera ? camera->playCamera : nullptr;
    const Ogre::Viewport* viewport = view ? view->getViewport() : nullptr;
    if (!viewport || viewport->getActualWidth() <= 0 || viewport->getActualHeight() <= 0)
        return Ogre::Vector3::ZERO;
    const float height = ship.sceneNode->_getDerivedPosition().y;
    const Ogre::Vector2 moved(static_cast<float>(game.mouseRelX) / static_cast<float>(viewport->getActualWidth()),
                              static_cast<float>(game.mouseRelY) / static_cast<float>(viewport->getActualHeight()));
    Ogre::Vector3 to;
    Ogre::Vector3 from;
    screenToPlaneY(to, moved, height, *view);
    screenToPlaneY(from, Ogre::Vector2::ZERO, height, *view);
    Ogre::Vector3 velocity = to - from;
    velocity.y = 0.0f;
    return velocity;
}

void moveShip(const Game& game, const GameCamera* camera, Player& ship, const Ogre::Vector3& direction, double dt)
{
    ship.isSteering = direction.squaredLength() >= 1e-12f;
    const SteeringSettings settings{ship.currentSpeed, ship.usePhysics != 0, ship.Acceleration, ship.Braking,
                                    ship.gravity};
    ship.steerVelocity = steeringVelocity(ship.steerVelocity, direction, settings, dt);
    ship.updateObbs();
    Ogre::Vector3 move;
    if (ship.isMouseMovePlayer) {
        ship.steerVelocity = mouseMove(game, camera, ship);
        move = ship.steerVelocity;
    } else {
        move = ship.steerVelocity * static_cast<float>(dt);
    }
    ship.isInsideScreen(move);
    move.x += ship.screenCorrection.x;
    move.z += ship.screenCorrection.y;
    ship.sceneNode->translate(move + ship.moveOffset, Ogre::Node::TS_PARENT);
    ship.sceneNode->_update(true, false);
    ship.updateObbs();
}

// The bomb button: a bomb goes off when the ship, the triggers, the game
// and the timers all allow one and bombs are left.
bool isBombAllowed(const Game& game, const Player& ship)
{
    return !ship.isFrozen && !ship.isNoSmartBomb && !ship.isSmartBombHeld && game.smartBombCoolDown == 0.0f
           && game.smartBombTime == 0.0f && game.currentBombs != 0 && isShootButtonHeld(game, game.smartBombButton)
           && game.isSmartbombUseButton && !game.isSmartBombForbidden;
}

// While the ship is away or held, a camera that follows it glides back to
// the centre with the ship's intro flight.
void returnCameraToCentre(GameCamera& camera, const Player& ship)
{
    camera.panVelocity = Ogre::Vector3::ZERO;
    Ogre::SceneNode* node = followNodeOf(camera);
    const bool isComingIn = ship.status == Player::statusWaiting || ship.status == Player::statusIntro;
    if (!node || !isComingIn || !camera.isFollow || camera.isDeadZone || !camera.isReturnToCentre)
        return;
    double t = ship.introElapsed / static_cast<double>(ship.introDuration);
    if (!std::isfinite(t))
        t = 1.0;
    const double s = (3.0 - 2.0 * t) * t * t;
    Ogre::Vector3 placed;
    lerpClamped(placed, camera.savedFollowPosition, Ogre::Vector3::ZERO, s);
    node->setPosition(placed);
}

// The frame's move and velocity count from where the ship stands now, after
// the camera rig moved on; a scenery contact must be found again by this
// frame's physics step.
void beginShipStep(Player& ship)
{
    ship.isTouched = false;
    ship.sceneNode->_update(true, false);
    ship.previousLocalPosition = ship.sceneNode->getPosition();
    ship.previousPosition = ship.sceneNode->_getDerivedPosition();
}

void publishPositions(Player& ship, const Ogre::Camera* view)
{
    ship.sceneNode->_update(true, false);
    ship.worldPosition = ship.sceneNode->_getDerivedPosition();
    // A ship without outlines aims from its own node.
    const Obb* first = ship.outlines.empty() ? nullptr : ship.outlines.front();
    ship.aimPosition = first && first->sceneNode ? first->sceneNode->_getDerivedPosition() : ship.worldPosition;
    if (view)
        worldToScreen(ship.screenPosition, ship.worldPosition, *view);
}

} // namespace

void playState::updatePlayerControl(double dt)
{
    if (!game || !player || !player->sceneNode)
        return;
    Player& ship = *player;
    beginShipStep(ship);
    const Ogre::Vector3 direction = shipDirection(*game, camera, ship);
    ship.isTouchingWall = false;
    if (ship.status == Player::statusPlaying && !ship.isFrozen) {
        moveShip(*game, camera, ship, direction, dt);
        bool isLastTouching = false;
        if (game->gameMode == gameModePlaying)
            touchEnemies(*this, ship, isLastTouching);
        touchBackgrounds(*this, ship, isLastTouching);
        ship.sceneNode->_update(true, false);
        ship.displacement = ship.sceneNode->getPosition() - ship.previousLocalPosition;
        if (camera)
            followShip(*camera, ship, dt);
        poseShip(*this, ship, direction, dt);
        if (isBombAllowed(*game, ship)) {
            --game->currentBombs;
            damageAllEnemies(game->isSmartCancelling, false, game->smartItemName, game->smartPower, true, false);
        }
        if (camera && followNodeOf(*camera))
            camera->savedFollowPosition = followNodeOf(*camera)->getPosition();
    } else if (camera) {
        returnCameraToCentre(*camera, ship);
    }
    const bool isTimedMove = ship.isBeingMoved;
    if (isTimedMove)
        ship.updateTimedMove(dt);
    publishPositions(ship, camera ? camera->playCamera : nullptr);
    if (isTimedMove && ship.moveDuration == 0.0f)
        ship.updateObbs();
    ship.updateState(dt);
}
