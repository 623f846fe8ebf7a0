#include "app/CameraProjection.h"

#include <OgreCamera.h>
#include <OgrePlane.h>
#include <OgreRay.h>

#include <cmath>

const Ogre::Vector2 offScreenPosition(-10.0f, -10.0f);

namespace {

// The camera ray's point on the plane y = height, its origin when it misses.
Ogre::Vector3 pointOnPlaneY(const Ogre::Ray& ray, float height)
{
    Ogre::Plane plane;
    plane.redefine(Ogre::Vector3::UNIT_Y, Ogre::Vector3(0.0f, height, 0.0f));
    // Ogre gives the distance to a plane behind the ray too: that is a miss.
    const Ogre::RayTestResult hit = ray.intersects(plane);
    return ray.getPoint(hit.first ? hit.second : 0.0f);
}

} // namespace

void worldToScreen(Ogre::Vector2& out, const Ogre::Vector3& worldPoint, const Ogre::Camera& camera)
{
    out = screenPositionOf(camera.getViewMatrix(), camera.getProjectionMatrix(), worldPoint);
}

void screenToPlaneY(Ogre::Vector3& out, const Ogre::Vector2& screenPoint, float height, const Ogre::Camera& camera)
{
    const Ogre::Matrix4 inverse = (camera.getProjectionMatrix() * camera.getViewMatrix()).inverse();
    const float nx = 2.0f * screenPoint.x - 1.0f;
    const float ny = 1.0f - 2.0f * screenPoint.y;
    // Matrix4 times a Vector3 divides by w.
    const Ogre::Vector3 origin = inverse * Ogre::Vector3(nx, ny, -1.0f);
    const Ogre::Vector3 target = inverse * Ogre::Vector3(nx, ny, 0.0f);
    Ogre::Vector3 direction = target - origin;
    if (direction.length() > 0.0f)
        direction.normalise();
    out = pointOnPlaneY(Ogre::Ray(origin, direction), height);
}

void projectToPlaneY(Ogre::Vector3& out, const Ogre::Vector3& worldPoint, float height, const Ogre::Camera& camera)
{
    Ogre::Vector2 screen;
    worldToScreen(screen, worldPoint, camera);
    out = pointOnPlaneY(camera.getCameraToViewportRay(screen.x, screen.y), height);
}
