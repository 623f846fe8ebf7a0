#include "combat/EnemyMotion.h"

#include <OgreMath.h>
#include <OgreSceneNode.h>

namespace {

// AnimRot is ten degrees per second per unit.
constexpr float animRotRadiansPerUnit = 0.17453292f;
// Phase of the vertical wobble.
constexpr float verticalWobblePhase = 0.5f;

float tableSin(float angle)
{
    return Ogre::Math::Sin(angle, true);
}

float tableCos(float angle)
{
    return Ogre::Math::Cos(angle, true);
}

} // namespace

namespace enemymotion {

void spin(Ogre::SceneNode& node, const Ogre::Vector3& animRot, double dt, float yawSign)
{
    const float step = static_cast<float>(dt) * animRotRadiansPerUnit;
    node.pitch(Ogre::Radian(step * animRot.x), Ogre::Node::TS_LOCAL);
    node.yaw(Ogre::Radian(step * animRot.y * yawSign), Ogre::Node::TS_LOCAL);
    node.roll(Ogre::Radian(step * animRot.z), Ogre::Node::TS_LOCAL);
}

Ogre::Vector3 headWobble(float t, const Ogre::Vector3& sinSpeed, const Ogre::Vector3& sindistance)
{
    return {sindistance.x != 0.0f ? tableSin(t * sinSpeed.x) : 0.0f,
            sindistance.y != 0.0f ? tableCos(t * sinSpeed.y + verticalWobblePhase) : 0.0f,
            sindistance.z != 0.0f ? tableCos(t * sinSpeed.z) : 0.0f};
}

Ogre::Vector3 segmentWobble(float t, float spawnDelay, const Ogre::Vector3& sinSpeed)
{
    return {sinSpeed.x != 0.0f ? tableSin((t - spawnDelay) * sinSpeed.x) : 0.0f,
            sinSpeed.y != 0.0f ? tableCos(sinSpeed.y * t + verticalWobblePhase) : 0.0f,
            sinSpeed.z != 0.0f ? tableCos(sinSpeed.z * t) : 0.0f};
}

} // namespace enemymotion
