// Ogre aborts the program on a NaN node position or scale, a negative size or
// an infinite speed, so every number from data that is bound for Ogre passes
// through here first.
#pragma once

#include <OgreVector.h>

#include <algorithm>
#include <cmath>

// Bounds of the sizes, speeds, ranges and times data hands to Ogre. No level
// scales anything ten thousand times or reaches a million units or seconds;
// past such numbers sizes, speeds and bounding boxes overflow to infinity.
constexpr float largestDataScale = 1.0e4f;
constexpr float largestDataReach = 1.0e6f;
// A node scaled to nothing has no inverse: Ogre turns the bounds of the
// particles under it into NaN and aborts. No scale comes closer to 0.
constexpr float smallestDataScale = 1.0e-4f;

// A number from data on its way to Ogre: the fallback when it is not
// finite, else the value kept within [lowest, highest], the range the Ogre
// call it reaches accepts.
inline float finiteIn(float value, float lowest, float highest, float fallback)
{
    return std::isfinite(value) ? std::clamp(value, lowest, highest) : fallback;
}

// The vector with each non-finite component replaced by the fallback.
inline Ogre::Vector3 finiteOr(const Ogre::Vector3& value, float fallback)
{
    return {std::isfinite(value.x) ? value.x : fallback, std::isfinite(value.y) ? value.y : fallback,
            std::isfinite(value.z) ? value.z : fallback};
}

// A scale from data on its way to a node: a component that is not finite is
// 1, the others keep their sign within [smallestDataScale, largestDataScale].
inline Ogre::Vector3 usableScale(const Ogre::Vector3& scale)
{
    const auto component = [](float value) {
        if (!std::isfinite(value))
            return 1.0f;
        const float size = std::clamp(std::fabs(value), smallestDataScale, largestDataScale);
        return std::signbit(value) ? -size : size;
    };
    return {component(scale.x), component(scale.y), component(scale.z)};
}
