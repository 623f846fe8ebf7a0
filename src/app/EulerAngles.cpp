#include "app/EulerAngles.h"

#include <OgreMath.h>

#include <cmath>

namespace {

const float halfPi = 1.5707964f;
const float radiansToDegrees = 57.29578f;
const float degreesToRadians = 0.017453292f;

} // namespace

void toEulerRadians(Ogre::Vector3& out, const Ogre::Quaternion& q)
{
    const float w = q.w, x = q.x, y = q.y, z = q.z;
    const float xx = x * x, yy = y * y, zz = z * z, ww = w * w;
    const double norm = static_cast<double>(ww) + xx + yy + zz;
    const double test = static_cast<double>(x * y) + z * w;
    if (test > 0.499 * norm) {
        out = {2.0f * std::atan2(x, w), 0.0f, halfPi};
        return;
    }
    if (test < -0.499 * norm) {
        out = {-2.0f * std::atan2(x, w), 0.0f, -halfPi};
        return;
    }
    const auto bank = static_cast<float>(static_cast<double>(2 * x * w) - 2 * y * z);
    const auto bankDenominator = static_cast<float>(-static_cast<double>(xx) + yy - zz + ww);
    const auto heading = static_cast<float>(static_cast<double>(2 * y * w) - 2 * x * z);
    const auto headingDenominator = static_cast<float>(static_cast<double>(xx) - yy - zz + ww);
    out.x = Ogre::Math::ATan2(bank, bankDenominator).valueRadians();
    out.y = Ogre::Math::ATan2(heading, headingDenominator).valueRadians();
    out.z = Ogre::Math::ASin(static_cast<float>(2.0 * test / norm)).valueRadians();
}

void toEulerDegrees(Ogre::Vector3& out, const Ogre::Quaternion& q)
{
    toEulerRadians(out, q);
    out *= radiansToDegrees;
}

Ogre::Quaternion orientationFromDegreesYXZ(const Ogre::Vector3& degrees)
{
    const Ogre::Vector3 radians = degrees * degreesToRadians;
    return Ogre::Quaternion(Ogre::Radian(radians.y), Ogre::Vector3::UNIT_Y) *
           Ogre::Quaternion(Ogre::Radian(radians.x), Ogre::Vector3::UNIT_X) *
           Ogre::Quaternion(Ogre::Radian(radians.z), Ogre::Vector3::UNIT_Z);
}
