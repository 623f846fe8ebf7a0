// The tank's move: the enemy's, then the turret turning and the cannon
// tilting toward the player at their limited speeds.
#include "combat/Tank.h"

#include "app/CameraProjection.h"
#include "app/Curves.h"
#include "combat/Player.h"
#include "combat/Wave.h"

#include <OgreSceneNode.h>

#include <algorithm>
#include <cmath>

namespace {

// turSpeed turns the turret by half its value in radians per second.
constexpr double turretRadiansPerSpeed = 0.5;
constexpr float degreesToRadians = 0.017453292f;
// The turret's range is its whole turning range: half of it either way.
constexpr float halfDegreesToRadians = 0.008726646f;
// A turret range of a full turn leaves the turret free.
constexpr float unlimitedTurretRange = 360.0f;

// The value brought within [-most, most]; a negative or NaN bound allows nothing.
float within(float value, double most)
{
    const auto bound = static_cast<float>(std::max(0.0, most));
    return std::max(-bound, std::min(bound, value));
}

// The direction from the node to the point, in the heading node's space.
Ogre::Vector3 directionInHeading(Ogre::SceneNode& heading, Ogre::SceneNode& from, const Ogre::Vector3& point)
{
    return (heading.convertWorldToLocalPosition(point) -
            heading.convertWorldToLocalPosition(from._getDerivedPosition()))
        .normalisedCopy();
}

void turnTurret(Tank& tank, const Ogre::Vector3& aimPoint, double dt)
{
    const Ogre::Vector3 d = directionInHeading(*tank.headingNode, *tank.turretNode, aimPoint);
    if (d.isZeroLength())
        return;
    EulerAngles& angles = tank.turretAngles;
    EulerAngles step;
    step.yaw = std::atan2(-d.x, -d.z) - angles.yaw;
    step.pitch = -angles.pitch;
    step.roll = -angles.roll;
    step.wrap();
    angles.yaw += within(step.yaw, tank.turSpeed * dt * turretRadiansPerSpeed);
    angles.pitch = angles.roll = 0.0f;
    angles.wrap();
    if (tank.turretLimits.y != unlimitedTurretRange)
        angles.yaw = within(angles.yaw, tank.turretLimits.y * halfDegreesToRadians);
    angles.dirty = 1;
    tank.turretNode->setOrientation(angles.getOrientation());
}

void tiltCannon(Tank& tank, const Ogre::Vector3& aimPoint, double dt)
{
    const Ogre::Vector3 d = directionInHeading(*tank.headingNode, *tank.cannonNode, aimPoint);
    if (d.isZeroLength())
        return;
    EulerAngles& angles = tank.cannonAngles;
    const float wanted = std::asin(std::clamp(d.y, -1.0f, 1.0f));
    angles.pitch += within(wanted - angles.pitch, tank.canSpeed * dt);
    angles.yaw = angles.roll = 0.0f;
    angles.pitch = within(angles.pitch, tank.canLimitE * degreesToRadians);
    angles.pitch = std::max(angles.pitch, tank.canLimitS * degreesToRadians);
    angles.dirty = 1;
    tank.cannonNode->setOrientation(angles.getOrientation());
}

} // namespace

// While the ship is not alive the turret and cannon keep their angles.
void Tank::move(double dt, const std::vector<CurveSample>& curvePoints, Player* player)
{
    Enemy::move(dt, curvePoints, player);
    if (!player || !player->meshNode || player->status != Player::statusPlaying)
        return;
    if (!playCamera || !sceneNode || !headingNode || !turretNode || !cannonNode)
        return;
    const bool isSprite = wave && !wave->spriteName.empty();
    if (isSprite && !muzzleNode)
        return;
    // A mesh tank aims halfway between its own height and the ship's.
    const float height = isSprite ? muzzleNode->_getDerivedPosition().y
                                  : 0.5f * (player->meshNode->_getDerivedPosition().y +
                                            sceneNode->_getDerivedPosition().y);
    // The point the ship is seen at, on the horizontal plane of that height.
    Ogre::Vector3 aimPoint;
    screenToPlaneY(aimPoint, player->screenPosition, height, *playCamera);
    if (aimPoint.isNaN())
        return;
    turnTurret(*this, aimPoint, dt);
    if (!isSprite)
        tiltCannon(*this, aimPoint, dt);
}
