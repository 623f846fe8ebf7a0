// The formation: where each copy of member 0 stands and how it is turned,
// the copies built at level build, and their release one per interval.
#include "combat/Spawner.h"

void Spawner::buildEnemies() {}

void Spawner::update(double) {}

SpawnTransform Spawner::nextSpawnTransform()
{
    return {};
}

Ogre::Quaternion Spawner::orientSpawn(const Ogre::Vector3&, const Ogre::Vector3&)
{
    return {};
}

void Spawner::aimAtTarget(std::uint32_t) {}
