// Directions in the play field, the X/Z plane seen from above: shots turn
// their headings there and leave height alone.
#pragma once

#include <OgreQuaternion.h>
#include <OgreVector.h>

#include <cmath>
#include <limits>

// The vector turned by the angle about the vertical, its height kept.
inline Ogre::Vector3 turnedInPlayPlane(const Ogre::Vector3& v, float radians)
{
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    return {v.x * c - v.z * s, v.y, v.x * s + v.z * c};
}

// The shortest turn from one direction of the play plane to another, both
// without height: a turn about the vertical, worked out as Ogre's
// getRotationTo does for them. None when they agree or one is zero; half a
// turn when they are opposite.
inline Ogre::Quaternion yawBetween(const Ogre::Vector3& from, const Ogre::Vector3& to)
{
    const float lengths = std::sqrt((from.x * from.x + from.z * from.z) * (to.x * to.x + to.z * to.z));
    float halfway = lengths + (to.x * from.x + to.z * from.z);
    if (std::abs(halfway - 2.0f * lengths) <= std::numeric_limits<float>::epsilon() || lengths == 0.0f)
        return Ogre::Quaternion::IDENTITY;
    // The vertical part of from x to, the only part of it.
    float vertical = from.z * to.x - from.x * to.z;
    if (halfway < 1e-6f * lengths) {
        halfway = 0.0f;
        vertical = std::abs(from.x) > std::abs(from.z) ? from.x : -from.z;
    }
    const float factor = 1.0f / std::sqrt(halfway * halfway + vertical * vertical);
    return {halfway * factor, 0.0f, vertical * factor, 0.0f};
}

// The orientation turned further about its own vertical axis by the yaw.
inline Ogre::Quaternion yawed(const Ogre::Quaternion& q, const Ogre::Quaternion& yaw)
{
    return {q.w * yaw.w - q.y * yaw.y, q.x * yaw.w - q.z * yaw.y, q.w * yaw.y + q.y * yaw.w, q.z * yaw.w + q.x * yaw.y};
}
