#include "world/PathMath.h"

#include <OgreMatrix3.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float degreesToRadians = 0.017453292f;

} // namespace

double smoothstep(double x)
{
    return (3.0 - 2.0 * x) * x * x;
}

double clampedProgress(double done, double total)
{
    if (done == 0.0)
        return 0.0;
    const double x = done / total;
    if (!std::isfinite(x))
        return x > 0.0 ? 1.0 : 0.0;
    return std::clamp(x, 0.0, 1.0);
}

Ogre::Vector3 flattened(const Ogre::Vector3& direction)
{
    Ogre::Vector3 level(direction.x, 0.0f, direction.z);
    if (level.length() > 0.0f)
        level.normalise();
    return level;
}

Ogre::Quaternion rotationFacing(const Ogre::Vector3& direction)
{
    return Ogre::Vector3::NEGATIVE_UNIT_Z.getRotationTo(direction, Ogre::Vector3::UNIT_Y);
}

Ogre::Quaternion waypointOrientation(const Ogre::Vector3& degrees)
{
    Ogre::Matrix3 rotation;
    rotation.FromEulerAnglesXYZ(Ogre::Radian(degrees.x * degreesToRadians), Ogre::Radian(degrees.y * degreesToRadians),
                                Ogre::Radian(degrees.z * degreesToRadians));
    return Ogre::Quaternion(rotation);
}
