// Where a laser beam stops on an outline it meets.
#include "play/playState.h"

#include "app/CameraProjection.h"
#include "app/SegmentCrossing.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/Game.h"
#include "play/ShotHits.h"
#include "world/Obb.h"

#include <OgreSceneNode.h>

namespace {

// While it is above zero the gun holds its beam at the cut.
constexpr double laserHitHold = 0.1;

Ogre::Vector3 derivedPosition(const Ogre::SceneNode* node)
{
    return node ? node->_getDerivedPosition() : Ogre::Vector3::ZERO;
}

// The segment runs to beam k from the gun for beam 1 and from beam k - 2
// further on. Derived positions bring the nodes up to date themselves.
Ogre::Vector3 segmentStart(const Weapon& gun, std::size_t k)
{
    return k == 1 ? derivedPosition(gun.sceneNode) : gun.beams[k - 2]->worldPosition();
}

} // namespace

Ogre::Vector3 playState::testLaserHit(Weapon& gun, int k, const Obb& target)
{
    if (gun.beams.empty()) {
        gun.laserEndPoint = Ogre::Vector3::ZERO;
        return gun.laserEndPoint;
    }
    const auto index = static_cast<std::size_t>(k);
    bullet& beam = *gun.beams.at(index);
    Ogre::Vector3 hit = beam.worldPosition();
    // The outline lives on its camera's screen: the segment is taken there,
    // and the crossing back to the world through the same camera.
    const Ogre::Camera* camera = target.collisionCamera ? target.collisionCamera : playCameraOf(*this, *Game::getSingletonPtr());
    if (index >= 1 && camera) {
        Ogre::Vector2 start, end, crossing;
        worldToScreen(start, segmentStart(gun, index), *camera);
        worldToScreen(end, hit, *camera);
        segmentObbIntersection(crossing, target, start, end);
        if (crossing != Ogre::Vector2::ZERO) {
            screenToPlaneY(hit, crossing, hit.y, *camera);
            gun.laserHitTime = laserHitHold;
        }
    }
    if (beam.isInvincible) {
        gun.laserEndPoint = gun.beams.back()->worldPosition();
        return gun.laserEndPoint;
    }
    beam.die(true, false);
    beam.state = bullet::stateFree;
    gun.laserEndPoint = hit;
    return hit;
}
