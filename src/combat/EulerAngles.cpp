#include "combat/EulerAngles.h"

#include <OgreVector.h>

#include <cmath>

namespace {

constexpr double pi = 3.141592653589793;
constexpr double turn = 6.283185307179586;
// The remainder is taken of 2 pi as a float holds it, a hair more than the
// turn added or taken off after it.
constexpr double floatTurn = static_cast<double>(static_cast<float>(turn));
// No float is pi itself: the nearest one stands for it, so an angle of
// exactly pi or -pi as stored is already in range.
constexpr float storedPi = static_cast<float>(pi);

// Whether the angle had to be brought into range.
bool wrapAngle(float& angle)
{
    if (!(angle < -storedPi || angle > storedPi))
        return false;
    double wrapped = std::fmod(static_cast<double>(angle), floatTurn);
    if (wrapped < -pi)
        wrapped += turn;
    else if (wrapped > pi)
        wrapped -= turn;
    angle = static_cast<float>(wrapped);
    return true;
}

} // namespace

Ogre::Quaternion EulerAngles::getOrientation()
{
    if (dirty) {
        orientation = Ogre::Quaternion(Ogre::Radian(yaw), Ogre::Vector3::UNIT_Y) *
                      Ogre::Quaternion(Ogre::Radian(pitch), Ogre::Vector3::UNIT_X) *
                      Ogre::Quaternion(Ogre::Radian(roll), Ogre::Vector3::UNIT_Z);
        dirty = 0;
    }
    return orientation;
}

void EulerAngles::wrap()
{
    // Each angle is wrapped whatever became of the one before.
    const bool yawChanged = wrapAngle(yaw);
    const bool pitchChanged = wrapAngle(pitch);
    const bool rollChanged = wrapAngle(roll);
    if (yawChanged || pitchChanged || rollChanged)
        dirty = 1;
}
