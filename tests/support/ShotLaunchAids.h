// What launches of shots from outside the guns share, in the benchmarks
// and the tests that fill the shot pools of a level in play: the level's
// own guns that lend the shots their look, and points of the ship's plane
// seen at places of the view.
#pragma once

#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"

#include <OgreCamera.h>
#include <OgrePlane.h>
#include <OgreRay.h>

#include <utility>
#include <vector>

namespace shotlaunchaids {

// The first gun of the weapon sets that fires shots rather than a beam.
inline Weapon* firstShotGun(const std::vector<std::vector<Weapon*>>& sets)
{
    for (const std::vector<Weapon*>& set : sets)
        for (Weapon* gun : set)
            if (gun && !gun->isLaser)
                return gun;
    return nullptr;
}

inline Weapon* firstEnemyGun(const std::vector<Wave*>& waves)
{
    for (const Wave* wave : waves)
        for (const Enemy* member : wave->members)
            if (Weapon* gun = member ? firstShotGun(member->weaponSets) : nullptr)
                return gun;
    return nullptr;
}

// The point of the plane at the height that the camera shows at (x, y),
// 0 to 1 across the view kept a little inside its edges; on the near plane
// when the ray misses it.
inline Ogre::Vector3 pointInView(const Ogre::Camera& camera, float x, float y, float planeHeight)
{
    constexpr float margin = 0.05f;
    const Ogre::Ray ray =
        camera.getCameraToViewportRay(margin + (1.0f - 2.0f * margin) * x, margin + (1.0f - 2.0f * margin) * y);
    const std::pair<bool, Ogre::Real> hit = ray.intersects(Ogre::Plane(Ogre::Vector3::UNIT_Y, planeHeight));
    return hit.first ? ray.getPoint(hit.second) : ray.getPoint(camera.getNearClipDistance());
}

} // namespace shotlaunchaids
