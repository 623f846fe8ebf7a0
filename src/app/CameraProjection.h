// Projections between the world, the screen and the horizontal plane at a
// given height, through a camera. Screen positions run from 0 to 1 from the
// top left corner, y growing downward.
#pragma once

#include <OgreMatrix4.h>
#include <OgreVector.h>

#include <cmath>

namespace Ogre {
class Camera;
}

// Where a point that projects to infinity (it lies in the camera's plane) is
// put: off the screen.
extern const Ogre::Vector2 offScreenPosition;

// The screen position of a point in clip space; off the screen when it
// projects to infinity.
inline Ogre::Vector2 screenPositionOfClip(float x, float y, float w)
{
    if (std::fabs(w) < 1e-6f)
        return offScreenPosition;
    return {(x / w + 1.0f) * 0.5f, 0.5f - (y / w) * 0.5f};
}

// Screen position of a world point through a view and a projection matrix:
// the point in view space, then the projection's rows that the screen
// position needs, each summed as Ogre's matrix product sums it (the point's
// w is 1), so that the position is the one Ogre's products give. Inline:
// thousands of shot outlines a step project through it.
inline Ogre::Vector2 screenPositionOf(const Ogre::Affine3& view, const Ogre::Matrix4& projection,
                                      const Ogre::Vector3& worldPoint)
{
    const Ogre::Vector3 v = view * worldPoint;
    const Ogre::Matrix4& m = projection;
    return screenPositionOfClip(m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z + m[0][3],
                                m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z + m[1][3],
                                m[3][0] * v.x + m[3][1] * v.y + m[3][2] * v.z + m[3][3]);
}

// The same through the projection times the view, made once for many
// points; inline, as outlines project several points in a row.
inline Ogre::Vector2 screenPositionOf(const Ogre::Matrix4& viewProjection, const Ogre::Vector3& worldPoint)
{
    // The depth row is not needed.
    const Ogre::Matrix4& m = viewProjection;
    const Ogre::Vector3& p = worldPoint;
    return screenPositionOfClip(m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
                                m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
                                m[3][0] * p.x + m[3][1] * p.y + m[3][2] * p.z + m[3][3]);
}

// Screen position of a world point seen by the camera.
void worldToScreen(Ogre::Vector2& out, const Ogre::Vector3& worldPoint, const Ogre::Camera& camera);

// The point on the plane y = height that the camera sees at the screen
// position; the ray's origin when the ray misses the plane.
void screenToPlaneY(Ogre::Vector3& out, const Ogre::Vector2& screenPoint, float height, const Ogre::Camera& camera);

// The point on the plane y = height seen at the same screen position as the world point.
void projectToPlaneY(Ogre::Vector3& out, const Ogre::Vector3& worldPoint, float height, const Ogre::Camera& camera);
