// What the shots of one step share, taken from Ogre once per camera and per
// parent node, and the outlines projected from them.
#include "combat/ShotStep.h"

#include "app/CameraProjection.h"
#include "combat/bullet.h"
#include "world/Obb.h"

#include <OgreCamera.h>

#include <limits>

namespace {

// A frustum's planes: near, far, left, right, top and bottom.
constexpr std::size_t planeCount = 6;

} // namespace

const ShotStep::CameraView& ShotStep::takeView(const Ogre::Camera& camera)
{
    // Ogre tests against the culling frustum when the camera has one, and
    // skips the far plane of a frustum without a far distance.
    const Ogre::Frustum* frustum = camera.getCullingFrustum();
    if (!frustum)
        frustum = &camera;
    const Ogre::Plane* planes = frustum->getFrustumPlanes();
    const bool isFarPlaneCulling = frustum->getFarClipDistance() != 0.0f;
    view = CameraView{};
    view.camera = &camera;
    view.offset.fill(std::numeric_limits<float>::infinity());
    std::size_t slot = 0;
    for (std::size_t i = 0; i < planeCount; ++i) {
        if (i == Ogre::FRUSTUM_PLANE_FAR && !isFarPlaneCulling)
            continue;
        view.normalX[slot] = planes[i].normal.x;
        view.normalY[slot] = planes[i].normal.y;
        view.normalZ[slot] = planes[i].normal.z;
        view.offset[slot] = planes[i].d;
        ++slot;
    }
    view.eye = camera.getRealPosition();
    view.view = camera.getViewMatrix(true);
    view.projection = camera.getProjectionMatrix();
    return view;
}

void ShotStep::project(bullet& shot)
{
    Obb* outline = shot.obb;
    if (!outline || !outline->collisionCamera)
        return;
    // A beam's outline follows the beam's node.
    if (outline->sceneNode) {
        outline->updateScreenPolygon();
        return;
    }
    const NodeWorld world = worldOf(shot.position, shot.orientation, shot.size, spaceOf(shot.parent));
    const CameraView& seen = viewOf(*outline->collisionCamera);
    outline->updateFlatScreenPolygon(world.transform(), seen.view, seen.projection);
}

Ogre::Vector3 ShotStep::worldPositionOf(const bullet& shot)
{
    return worldOf(shot.position, shot.orientation, shot.size, spaceOf(shot.parent)).position;
}

const Ogre::Vector3& ShotStep::homingPoint(const Ogre::Camera& camera, float height)
{
    // Homing shots mostly fly at one height: one projection (a matrix
    // inverse) serves them all.
    if (homing.camera != &camera || homing.height != height) {
        homing.camera = &camera;
        homing.height = height;
        projectToPlaneY(homing.onPlane, target, height, camera);
    }
    return homing.onPlane;
}
