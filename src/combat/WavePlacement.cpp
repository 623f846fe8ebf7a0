// The wave's placement: its position, scale and rotation live on its
// spawner's nodes.
#include "combat/Wave.h"

#include "app/EulerAngles.h"
#include "app/TextUtils.h"
#include "combat/Enemy.h"
#include "combat/Spawner.h"
#include "world/FiniteVector.h"

#include <OgreSceneNode.h>

namespace {

// The spawner's cached orientation and its Euler degrees, from its node.
void refreshSpawnerOrientation(Spawner& spawner)
{
    spawner.orientation = spawner.spawnerNode->getOrientation();
    quaternionToEulerDegrees(spawner.orientationDegrees.x, spawner.orientationDegrees.y,
                             spawner.orientationDegrees.z, spawner.orientation);
}

} // namespace

void Wave::setPosition(const Ogre::Vector3& newPosition)
{
    if (!spawner)
        return;
    spawner->setPosition(newPosition);
    position = spawner->position;
    if (!members.empty())
        members.front()->updateCollisionBoxes();
}

void Wave::setWorldPosition(const Ogre::Vector3& worldPosition)
{
    if (!spawner)
        return;
    spawner->setWorldPosition(worldPosition);
    position = spawner->position;
    if (!members.empty())
        members.front()->updateCollisionBoxes();
}

void Wave::setScale(const Ogre::Vector3& newScale)
{
    scale = usableScale(newScale);
    if (!spawner)
        return;
    spawner->scale = scale;
    if (spawner->spawnerNode)
        spawner->spawnerNode->setScale(scale);
}

void Wave::setRotation(const Ogre::Vector3& degrees)
{
    rotation = finiteOr(degrees, 0.0f);
    if (!spawner || !spawner->spawnerNode)
        return;
    spawner->spawnerNode->setOrientation(orientationFromDegreesYXZ(rotation));
    refreshSpawnerOrientation(*spawner);
}

void Wave::applyRotation(const Ogre::Vector3& degrees)
{
    if (!spawner || !spawner->spawnerNode)
        return;
    const Ogre::Vector3 turn = finiteOr(degrees, 0.0f);
    Ogre::SceneNode& node = *spawner->spawnerNode;
    node.pitch(Ogre::Degree(turn.x), Ogre::Node::TS_WORLD);
    node.yaw(Ogre::Degree(turn.y), Ogre::Node::TS_WORLD);
    node.roll(Ogre::Degree(turn.z), Ogre::Node::TS_WORLD);
    refreshSpawnerOrientation(*spawner);
}

void Wave::savePosition()
{
    if (!spawner || !spawner->spawnerLayerNode)
        return;
    savedPosition = spawner->spawnerLayerNode->getPosition();
    savedDerivedPosition = spawner->spawnerLayerNode->_getDerivedPosition();
}

void Wave::saveOrientation()
{
    if (spawner && spawner->spawnerNode)
        savedOrientation = spawner->spawnerNode->getOrientation();
}
