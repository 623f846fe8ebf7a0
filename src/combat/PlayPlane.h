// Directions in the play field, the X/Z plane seen from above: shots turn
// their headings there and leave height alone.
#pragma once

#include <OgreVector.h>

#include <cmath>

// The vector turned by the angle about the vertical, its height kept.
inline Ogre::Vector3 turnedInPlayPlane(const Ogre::Vector3& v, float radians)
{
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    return {v.x * c - v.z * s, v.y, v.x * s + v.z * c};
}
