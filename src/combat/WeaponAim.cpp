// Where an enemy gun looks: the yaw toward its target as the player sees it
// on screen, the turn toward it within the gun's aim limit, and the swing or
// sweep of the weapon animation.
#include "combat/Weapon.h"

#include "app/CameraProjection.h"

#include <OgreSceneNode.h>

#include <cmath>

namespace {

constexpr float radiansPerDegree = 0.017453292f;
// Half of a limit in degrees, in radians.
constexpr float halfRadiansPerDegree = 0.008726646f;
constexpr float fullCircle = 360.0f;
constexpr float targetSeenDegrees = 7.0f;
constexpr float sweepRate = 15.0f;
constexpr float swingPeriodScale = 31.415926f;
constexpr float quarterTurn = 1.5707964f;

float wrapped(float angle)
{
    EulerAngles angles;
    angles.yaw = angle;
    angles.wrap();
    return angles.yaw;
}

} // namespace

float Weapon::yawToward(const Ogre::Vector3& target) const
{
    const Ogre::Vector3 gunWorld = sceneNode->_getDerivedPosition();
    Ogre::Vector3 onPlane = target;
    if (collisionCamera) {
        Ogre::Vector2 screen;
        worldToScreen(screen, target, *collisionCamera);
        screenToPlaneY(onPlane, screen, gunWorld.y, *collisionCamera);
    }
    Ogre::Vector3 toward =
        parentNode->convertWorldToLocalPosition(onPlane) - parentNode->convertWorldToLocalPosition(gunWorld);
    if (toward.length() > 0.0f)
        toward.normalise();
    return std::atan2(-toward.x, -toward.z);
}

bool Weapon::isAimedWithin(const Ogre::Vector3& target) const
{
    const float degrees = wrapped(yawToward(target) - aim.yaw) / radiansPerDegree;
    return degrees > -targetSeenDegrees && degrees < targetSeenDegrees;
}

void Weapon::turnToward(const Ogre::Vector3& target)
{
    EulerAngles turn;
    turn.yaw = yawToward(target) - aim.yaw;
    turn.pitch = -aim.pitch;
    turn.roll = -aim.roll;
    turn.wrap();
    const EulerAngles before = aim;
    aim.yaw += turn.yaw;
    aim.pitch += turn.pitch;
    aim.roll += turn.roll;
    aim.dirty = 1;
    aim.wrap();
    if (aimLimit_angle != fullCircle && aimLimit_angle != 0.0f) {
        const float fromRest = wrapped(aim.yaw - restYaw);
        const float halfLimit = aimLimit_angle * halfRadiansPerDegree;
        if (fromRest < -halfLimit || fromRest > halfLimit)
            aim = before;
    }
    sceneNode->setOrientation(aim.getOrientation());
    sceneNode->_update(true, false);
}

void Weapon::animate(double dt)
{
    const float amplitude = WeaAnimRotAngle;
    const float rate = WeaAnimRotSpeed;
    const float t = !canRotate && blockRotationWhenShooting ? 0.0f : static_cast<float>(dt);
    if (!WeaAnimRotPing) {
        animAngle += t * rate * sweepRate;
        if (rate > 0.0f && animAngle > amplitude)
            animAngle -= 2.0f * amplitude;
        if (rate < 0.0f && animAngle < -amplitude)
            animAngle += 2.0f * amplitude;
    } else {
        animClock += t;
        float phase = rate * animClock * (swingPeriodScale / amplitude);
        if (!WeaAnimRotMiddle)
            phase -= quarterTurn;
        animAngle = amplitude * std::sin(phase);
    }
    if (!std::isfinite(animAngle))
        animAngle = 0.0f;
    rotationNode->setOrientation(
        Ogre::Quaternion(Ogre::Radian(animAngle * radiansPerDegree), Ogre::Vector3::NEGATIVE_UNIT_Y));
    rotationNode->_update(false, false);
}
