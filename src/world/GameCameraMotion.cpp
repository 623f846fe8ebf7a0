// The rig's travel along its path: the per-frame update with its shake and
// reported movement, jumps along the path, and restarts.
#include "world/GameCamera.h"

#include "app/Log.h"
#include "core/Game.h"
#include "platform/Random.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/PathFollower.h"
#include "world/Waypoint.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// Longest time step the follower takes at once; a longer frame goes in two halves.
constexpr double longestFollowerStep = 0.02;
// Frustum offset of the shake per second left, in steps of rand().
constexpr float shakeStep = 0.004f;
constexpr float degreesToRadians = 0.017453292f;
// The camera shot of a path without waypoints: looking straight down.
const Ogre::Vector3 defaultCamShot(180.0f, 0.0f, 0.0f);

// A waypoint's rotation as an orientation: about X, then Y, then Z.
Ogre::Quaternion waypointOrientation(const Waypoint& waypoint)
{
    const Ogre::Vector3 r = waypoint.rotation * degreesToRadians;
    return Ogre::Quaternion(Ogre::Radian(r.x), Ogre::Vector3::UNIT_X) *
           Ogre::Quaternion(Ogre::Radian(r.y), Ogre::Vector3::UNIT_Y) *
           Ogre::Quaternion(Ogre::Radian(r.z), Ogre::Vector3::UNIT_Z);
}

// Share of the way from start over length, within 0 to 1; 0 without a length.
double progressOf(double travelled, double length)
{
    if (length == 0.0)
        return 0.0;
    return std::clamp(travelled / length, 0.0, 1.0);
}

} // namespace

void GameCamera::update(double dt)
{
    if (!sceneNode || !follower)
        return;
    if (targetNode)
        playerDummy->_setDerivedPosition(targetNode->_getDerivedPosition());
    const Ogre::Vector3 dummyBefore = playerDummy->_getDerivedPosition();

    const int steps = dt > longestFollowerStep ? 2 : 1;
    for (int i = 0; i < steps; ++i)
        follower->update(dt / steps, Ogre::Vector3::ZERO, pathCurve, false);

    sceneNode->_update(true, false);
    const Ogre::Vector3 now = sceneNode->_getDerivedPosition();
    frameMovement = previousPosition - now;
    previousPosition = now;
    Game::getSingletonPtr()->cameraMovement = frameMovement;

    if (level)
        level->translateLayers(dummyBefore - playerDummy->_getDerivedPosition() - layerOffset);

    if (shakeTime > 0.0f) {
        // Drawn one after the other: as two arguments of one call the order
        // of the draws would be the compiler's, and a game replayed from one
        // seed would shake, and play, differently between builds.
        const float down = static_cast<float>(platform::rand() % 2) * shakeTime * shakeStep;
        const float across = static_cast<float>(platform::rand() % 4) * shakeTime * shakeStep;
        playCamera->setFrustumOffset(across, down);
        shakeTime -= static_cast<float>(dt);
        if (shakeTime <= 0.0f) {
            shakeTime = 0.0f;
            playCamera->setFrustumOffset(0.0f, 0.0f);
        }
    }
}

void GameCamera::setPathTime(double d)
{
    if (!follower)
        return;
    follower->isEnded = 0;
    follower->distance = std::max(d, 0.0);
    const std::vector<Waypoint*>& path = *currentPath;
    if (!path.empty() && follower->distance > path.back()->curveDistance) {
        follower->distance = path.back()->curveDistance;
        follower->isEnded = 1;
    }
    reseatPath();
}

void GameCamera::reseatPath()
{
    const std::vector<Waypoint*>& path = *currentPath;
    PathFollower& f = *follower;
    if (path.empty()) {
        // Nothing to seat on: the rig stays where it is.
        return;
    }
    sceneNode->setOrientation(Ogre::Quaternion::IDENTITY);
    f.curveParamNow = PathFollower::paramFromDistance(pathCurve, f.distance);

    // The segment holding the parameter; past the last waypoint, the last segment.
    const int count = static_cast<int>(path.size());
    int current = std::max(count - 2, 0);
    for (int i = 0; i + 1 < count; ++i)
        if (path[i]->curveParam <= f.curveParamNow && f.curveParamNow < path[i + 1]->curveParam) {
            current = i;
            break;
        }
    f.currentIndex = current;
    f.nextIndex = std::min(current + 1, count - 1);

    const Waypoint& now = *path[current];
    const Waypoint& next = *path[f.nextIndex];
    f.segmentStartDistance = now.curveDistance;
    f.speedChangeDistance = 1.0f;
    f.easingState = PathFollower::easingToTargetSpeed;
    f.currentSpeed = f.startSpeed = f.targetSpeed = 0.0f;
    f.fovMultStart = f.fovMultTarget = 1.0f;
    if (count >= 2 && current < count - 1) {
        f.startSpeed = now.speed;
        f.targetSpeed = next.speed;
        f.rotTypeNow = next.rotType;
        // As the data expects: start from the next waypoint's multiplier.
        f.fovMultStart = next.camShotFovMult;
        f.fovMultTarget = now.camShotFovMult;
        f.speedChangeDistance = static_cast<float>(next.curveDistance - now.curveDistance);
    }
    f.targetOrientation = waypointOrientation(now);
    f.segmentStartOrientation = waypointOrientation(*path[current < 2 ? 0 : current - 1]);

    f.curvePos = curvePointAt(path, f.curveParamNow);
    sceneNode->setPosition(finiteOr(f.curvePos + f.offset, 0.0f));
    Ogre::Vector3 ahead = curvePointAt(path, f.curveParamNow + 0.001) - f.curvePos;
    ahead.y = 0.0f;
    f.direction = ahead.length() > 0.0f ? ahead.normalisedCopy() : ahead;
    f.currentSpeed = f.startSpeed + static_cast<float>(progressOf(f.distance - f.segmentStartDistance,
                                                                   f.speedChangeDistance)) *
                                        (f.targetSpeed - f.startSpeed);
    f.update(0.0, Ogre::Vector3::ZERO, pathCurve, true);
}

void GameCamera::resetPosition()
{
    if (!headNode)
        return;
    headNode->setPosition(Ogre::Vector3::ZERO);
    layerOffset = Ogre::Vector3::ZERO;
    Ogre::Vector3 shot = defaultCamShot;
    if (levelPath.empty())
        logLine("[ERROR] camera path has no waypoint: default camera shot used");
    else
        shot = finiteOr(levelPath.front()->camShotOrientation, 0.0f);
    const Ogre::Vector3 r = shot * degreesToRadians;
    headNode->setOrientation(Ogre::Quaternion(Ogre::Radian(r.x + 90.0f * degreesToRadians), Ogre::Vector3::UNIT_X) *
                             Ogre::Quaternion(Ogre::Radian(-r.y), Ogre::Vector3::UNIT_Y) *
                             Ogre::Quaternion(Ogre::Radian(r.z), Ogre::Vector3::UNIT_Z));
}

void GameCamera::restartPath()
{
    if (!sceneNode || !follower)
        return;
    // A level that named no camera path (no "Level" element) never bound the
    // follower: it flies the default paths, which bind it and restart.
    if (!follower->node) {
        createDefaultWaypoints();
        return;
    }
    checkpointDistance = -1.0;
    shakeTime = 0.0f;
    hasCheckpoint = 0;
    const Ogre::Vector3 start = finiteOr(curvePointAt(*currentPath, 0.0) + placedPosition, 0.0f);
    sceneNode->setPosition(start);
    previousPosition = start;

    resetPosition();
    playCamera->setFrustumOffset(0.0f, 0.0f);

    const double kept = follower->distance;
    follower->start();
    follower->distance = kept;
    reseatPath();
    follower->offset = placedPosition;
    follower->speedMult = speedFactor * 0.2f;
    reseatPath();

    collisionCamera->setAspectRatio(playCamera->getAspectRatio());
    updateShadowDistance();
}
