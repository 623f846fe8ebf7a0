// Keeping the ship inside the view: the corrections of a planned move that
// keep its camera-limit outlines between the view volume's side planes.
#include "combat/Player.h"

#include "world/GameCamera.h"
#include "world/Obb.h"

#include <OgreCamera.h>

#include <algorithm>

namespace {

// The outermost points of the camera-limit outlines; each keeps the hit
// box's position in the coordinates it does not bound.
struct Extremes {
    Ogre::Vector3 minX;
    Ogre::Vector3 maxX;
    Ogre::Vector3 minZ;
    Ogre::Vector3 maxZ;
};

Extremes extremesOf(const std::vector<Obb*>& outlines, const Ogre::Vector3& hitBoxPosition)
{
    Extremes extremes{hitBoxPosition, hitBoxPosition, hitBoxPosition, hitBoxPosition};
    for (const Obb* outline : outlines) {
        if (!outline->isCamLimits)
            continue;
        const std::size_t corners = outline->size.z > 0.0f ? 8 : 4;
        for (std::size_t i = 0; i < corners; ++i) {
            const Ogre::Vector3& corner = outline->worldCorners[i];
            extremes.minX.x = std::min(extremes.minX.x, corner.x);
            extremes.maxX.x = std::max(extremes.maxX.x, corner.x);
            extremes.minZ.z = std::min(extremes.minZ.z, corner.z);
            extremes.maxZ.z = std::max(extremes.maxZ.z, corner.z);
        }
    }
    return extremes;
}

} // namespace

// The planes face into the view volume: a negative distance is how far a
// point lies outside.
void Player::isInsideScreen(const Ogre::Vector3& move)
{
    screenCorrection = Ogre::Vector2::ZERO;
    const Ogre::Camera* view = gameCamera && gameCamera->playCamera ? gameCamera->playCamera : camera;
    if (status != statusPlaying || !view || hitBoxIndex < 0 || static_cast<std::size_t>(hitBoxIndex) >= outlines.size())
        return;
    const Extremes extremes = extremesOf(outlines, outlines[static_cast<std::size_t>(hitBoxIndex)]->getPosition());
    const auto outside = [&](Ogre::FrustumPlane plane, const Ogre::Vector3& point) {
        return view->getFrustumPlane(plane).getDistance(point + move);
    };
    if (const float d = outside(Ogre::FRUSTUM_PLANE_LEFT, extremes.minX); d < 0.0f)
        screenCorrection.x -= d;
    if (const float d = outside(Ogre::FRUSTUM_PLANE_RIGHT, extremes.maxX); d < 0.0f)
        screenCorrection.x = d;
    if (const float d = outside(Ogre::FRUSTUM_PLANE_BOTTOM, extremes.maxZ); d < 0.0f)
        screenCorrection.y = d;
    if (const float d = outside(Ogre::FRUSTUM_PLANE_TOP, extremes.minZ); d < 0.0f)
        screenCorrection.y = -d;
}
