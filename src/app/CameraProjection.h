// Projections between the world, the screen and the horizontal plane at a
// given height, through a camera. Screen positions run from 0 to 1 from the
// top left corner, y growing downward.
#pragma once

#include <OgreMatrix4.h>
#include <OgreVector.h>

namespace Ogre {
class Camera;
}

// Where a point that projects to infinity (it lies in the camera's plane) is
// put: off the screen.
extern const Ogre::Vector2 offScreenPosition;

// Screen position of a world point through a view and a projection matrix.
Ogre::Vector2 screenPositionOf(const Ogre::Affine3& view, const Ogre::Matrix4& projection,
                               const Ogre::Vector3& worldPoint);

// Screen position of a world point seen by the camera.
void worldToScreen(Ogre::Vector2& out, const Ogre::Vector3& worldPoint, const Ogre::Camera& camera);

// The point on the plane y = height that the camera sees at the screen
// position; the ray's origin when the ray misses the plane.
void screenToPlaneY(Ogre::Vector3& out, const Ogre::Vector2& screenPoint, float height, const Ogre::Camera& camera);

// The point on the plane y = height seen at the same screen position as the world point.
void projectToPlaneY(Ogre::Vector3& out, const Ogre::Vector3& worldPoint, float height, const Ogre::Camera& camera);
