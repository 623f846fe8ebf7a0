// Collision outlines made by hand in screen space, as a projection would leave
// them: closed, with their edges, centre and the radius of a still object.
#pragma once

#include "world/Obb.h"

#include <algorithm>
#include <cmath>

// A square of the half size round the centre, turned by the angle in degrees.
inline void makeSquareOutline(Obb& obb, const Ogre::Vector2& centre, float half, float degrees = 0.0f)
{
    const float radians = degrees * 0.017453292f;
    const Ogre::Vector2 u(std::cos(radians) * half, std::sin(radians) * half);
    const Ogre::Vector2 v(-u.y, u.x);
    obb.outline = {centre - u - v, centre + u - v, centre + u + v, centre - u + v, centre - u - v};
    for (std::size_t i = 0; i < 4; ++i)
        obb.edges[i] = obb.outline[i] - obb.outline[i + 1];
    obb.centre = centre;
    float reach = 0.0f;
    for (const Ogre::Vector2& point : obb.outline)
        reach = std::max(reach, point.distance(centre));
    obb.radius = 2.0f * reach;
}
