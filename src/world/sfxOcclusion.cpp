// Whether the level's physics bodies stand between a placed effect and the camera.
#include "world/sfx.h"

#include "play/Level.h"

#include <btBulletDynamicsCommon.h>

namespace {

// Effects test against the static scenery only: group 2, mask 1.
constexpr int occlusionRayGroup = 2;
constexpr int occlusionRayMask = 1;

} // namespace

bool sfx::isRayBlocked(const Level* level, const Ogre::Vector3& from, const Ogre::Vector3& to)
{
    if (!level || !level->physicsWorld)
        return false;
    const btVector3 start(from.x, from.y, from.z);
    const btVector3 end(to.x, to.y, to.z);
    btCollisionWorld::ClosestRayResultCallback callback(start, end);
    callback.m_collisionFilterGroup = occlusionRayGroup;
    callback.m_collisionFilterMask = occlusionRayMask;
    level->physicsWorld->rayTest(start, end, callback);
    return callback.hasHit();
}
