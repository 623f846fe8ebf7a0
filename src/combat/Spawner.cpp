// The spawner as an object: its copies, its two scene nodes, the counters a
// layout starts from, and the wave's placement on its nodes.
#include "combat/Spawner.h"

Spawner::Spawner(const Spawner& source)
    : spawnTimer(source.timeBetweenSpawns), position(source.position), scale(source.scale),
      orientation(source.orientation), orientationDegrees(source.orientationDegrees),
      OrientationType(source.OrientationType), timeBetweenSpawns(source.timeBetweenSpawns),
      numberOfSpawns(source.numberOfSpawns), spawnType(source.spawnType), radius(source.radius),
      planeNbs(source.planeNbs), startAngle(source.startAngle), endAngle(source.endAngle), offset(source.offset),
      members(source.members), sceneManager(source.sceneManager), level(source.level), target(source.target)
{
}

void Spawner::createNodes(std::vector<Enemy*>*, Level*, Player*) {}

void Spawner::destroyNodes() {}

void Spawner::resetCount() {}

void Spawner::reset() {}

void Spawner::attachToCamera() {}

void Spawner::detachFromCamera() {}

void Spawner::setPosition(const Ogre::Vector3&) {}

void Spawner::setWorldPosition(const Ogre::Vector3&) {}
