// The camera that follows the ship: it pans after the ship's move of the
// frame, smoothly, inside its limits, and, with a dead zone, only once the
// ship leaves the middle of the view.
#include "play/PlayerSteering.h"
#include "play/playStateControlSteps.h"

#include "combat/Player.h"
#include "world/GameCamera.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>

#include <cmath>

namespace {

// Half a degree in radians: the field of view is the full angle.
constexpr float halfDegreeInRadians = 0.00872665f;
constexpr float percent = 0.01f;
// The brake grows with the ship's speed: ten times its move of the frame.
constexpr float brakePerMove = 10.0f;

FollowView viewOf(const GameCamera& camera, const Ogre::SceneNode& node, const Player& ship)
{
    FollowView view;
    const float height =
        std::fabs(camera.playCamera->getDerivedPosition().y - ship.sceneNode->_getDerivedPosition().y);
    view.half.y = std::tan(camera.fovDegrees * halfDegreeInRadians) * height;
    view.half.x = view.half.y * camera.aspectRatio;
    view.centre = Ogre::Vector2(node.getPosition().x, node.getPosition().z);
    view.limits = camera.followLimits;
    return view;
}

// The ship inside the dead zone does not pull the view.
Ogre::Vector3 outsideDeadZone(const GameCamera& camera, const Player& ship, const Ogre::Vector3& wanted)
{
    const Ogre::Camera& view = *camera.playCamera;
    const Ogre::Vector3 seen =
        view.getProjectionMatrix() * (view.getViewMatrix() * ship.sceneNode->_getDerivedPosition());
    const Ogre::Vector2 size = camera.deadZoneSize * percent;
    Ogre::Vector3 pan = wanted;
    if ((pan.x < 0.0f && seen.x > -size.x) || (pan.x > 0.0f && seen.x < size.x))
        pan.x = 0.0f;
    if ((pan.z > 0.0f && seen.y > -size.y) || (pan.z < 0.0f && seen.y < size.y))
        pan.z = 0.0f;
    return pan;
}

} // namespace

Ogre::SceneNode* followNodeOf(const GameCamera& camera)
{
    return camera.followNode ? camera.followNode : camera.panNode;
}

void followShip(GameCamera& camera, const Player& ship, double dt)
{
    Ogre::SceneNode* node = followNodeOf(camera);
    if (!camera.isFollow || !node || !camera.playCamera)
        return;
    const FollowView view = viewOf(camera, *node, ship);
    Ogre::Vector3 wanted = limitedPan(ship.displacement, view);
    if (camera.isDeadZone)
        wanted = outsideDeadZone(camera, ship, wanted);
    if (ship.isBeingMoved)
        wanted = Ogre::Vector3::ZERO;
    const float keep = camera.isDeadZone ? 1.0f : camera.followFactor;
    camera.panVelocity = smoothedPan(camera.panVelocity, wanted, followBlend(camera.followRate, dt), keep);
    camera.panVelocity = brakedPan(camera.panVelocity, view, dt, brakePerMove * ship.displacement.length());
    node->translate(camera.panVelocity, Ogre::Node::TS_PARENT);
}
