// The follower's orientation of one frame: facing the way of travel, turning
// to a waypoint's rotation or aiming at a point, blended over the segment.
#include "world/PathFollower.h"

#include "app/CameraProjection.h"
#include "world/PathMath.h"
#include "world/Waypoint.h"

#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// Rate factor of the facing turn per unit of speed.
constexpr double facingTurnRate = 2.0;
// Rate factor of the aiming turn.
constexpr double aimTurnRate = 10.0;

Ogre::Quaternion turnedToward(const Ogre::Quaternion& from, const Ogre::Quaternion& to, double amount)
{
    return Ogre::Quaternion::nlerp(static_cast<float>(amount), from, to, true);
}

} // namespace

void PathFollower::turn(double dt, const Ogre::Vector3& aimPoint, const Ogre::Vector3& referenceWorld, bool frozen)
{
    const std::size_t count = waypointCount();
    if (count == 0)
        return;
    const double s = smoothstep(clampedProgress(distance - rotStartDistance, segmentLength));
    targetOrientation = waypointOrientation(waypointAt(nextIndex).rotation);
    const std::uint32_t c = waypointAt(currentIndex).rotType;
    const std::uint32_t n = rotTypeNow;
    const Ogre::Quaternion qFace = facingOrientation(dt, frozen);
    const Ogre::Quaternion qAim = (c == rotTypeAim || n == rotTypeAim)
                                      ? aimOrientation(dt, aimPoint, referenceWorld, frozen)
                                      : Ogre::Quaternion::IDENTITY;
    const Ogre::Quaternion* from = c == rotTypeFaceTravel ? &qFace
                                   : c == rotTypeFixed    ? &segmentStartOrientation
                                   : c == rotTypeAim      ? &qAim
                                                          : nullptr;
    const Ogre::Quaternion* to = n == rotTypeFaceTravel ? &qFace
                                 : n == rotTypeFixed    ? &targetOrientation
                                 : n == rotTypeAim      ? &qAim
                                                        : from;
    // The facing and fixed kinds turn only a mover that travels.
    if (from && (c == rotTypeAim || count >= 2))
        node->setOrientation(turnedToward(*from, *to, s));
    if (count >= 2)
        fovMult = fovMultStart + static_cast<float>(std::clamp(s, 0.0, 1.0)) * (fovMultTarget - fovMultStart);
}

Ogre::Quaternion PathFollower::facingOrientation(double dt, bool frozen) const
{
    const Ogre::Quaternion qFace = rotationFacing(flattened(direction));
    if (frozen)
        return qFace;
    const double amount = std::min(facingTurnRate * dt * currentSpeed * speedMult, 1.0);
    return turnedToward(node->getOrientation(), qFace, amount);
}

// Where the aim point appears on the screen, taken down to the horizontal
// plane of the reference node: the node turns toward that point.
Ogre::Quaternion PathFollower::aimOrientation(double dt, const Ogre::Vector3& aimPoint,
                                              const Ogre::Vector3& referenceWorld, bool frozen) const
{
    Ogre::SceneNode* parent = node->getParentSceneNode();
    if (!parent || !camera)
        return Ogre::Quaternion::IDENTITY;
    Ogre::Vector3 hit;
    projectToPlaneY(hit, aimPoint, referenceWorld.y, *camera);
    const Ogre::Vector3 from = parent->convertWorldToLocalPosition(node->_getDerivedPosition());
    const Ogre::Vector3 to = parent->convertWorldToLocalPosition(hit);
    const Ogre::Quaternion qAim = rotationFacing(flattened(to - from));
    const float rate = rotTypeNow == rotTypeAim && !isEnded ? waypointAt(nextIndex).rotSpeed : rotRate;
    const double amount = frozen ? 1.0 : std::min(static_cast<double>(rate) * dt * aimTurnRate, 1.0);
    return turnedToward(node->getOrientation(), qAim, amount);
}
