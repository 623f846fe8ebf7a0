// Ogre aborts the program on a NaN node position or scale, so every number
// that is bound for a scene node passes through here first.
#pragma once

#include <OgreVector.h>

#include <cmath>

// The vector with each non-finite component replaced by the fallback.
inline Ogre::Vector3 finiteOr(const Ogre::Vector3& value, float fallback)
{
    return {std::isfinite(value.x) ? value.x : fallback, std::isfinite(value.y) ? value.y : fallback,
            std::isfinite(value.z) ? value.z : fallback};
}
