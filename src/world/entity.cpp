#include "world/entity.h"

#include "app/EulerAngles.h"
#include "app/TextUtils.h"
#include "world/FiniteVector.h"
#include "world/RenderQueueGroups.h"

#include <OgreMovableObject.h>
#include <OgreSceneNode.h>

Ogre::Vector3 entity::getPosition()
{
    return sceneNode ? sceneNode->_getDerivedPosition() : Ogre::Vector3::ZERO;
}

void entity::setPosition(const Ogre::Vector3& newPosition)
{
    position = finiteOr(newPosition, 0.0f);
    if (sceneNode)
        sceneNode->setPosition(position);
    placedPosition = position;
}

void entity::setWorldPosition(const Ogre::Vector3& worldPosition)
{
    if (!sceneNode)
        return;
    // What Node::_setDerivedPosition does, kept finite under a parent of zero scale.
    if (Ogre::Node* parent = sceneNode->getParent())
        sceneNode->setPosition(finiteOr(parent->convertWorldToLocalPosition(finiteOr(worldPosition, 0.0f)), 0.0f));
    position = sceneNode->getPosition();
    placedPosition = position;
}

void entity::setScale(const Ogre::Vector3& newScale)
{
    scale = usableScale(newScale);
    if (sceneNode)
        sceneNode->setScale(scale);
}

void entity::setRotation(const Ogre::Vector3& degrees)
{
    rotation = finiteOr(degrees, 0.0f);
    if (!sceneNode)
        return;
    orientation = orientationFromDegreesYXZ(rotation);
    sceneNode->setOrientation(orientation);
}

void entity::applyRotation(const Ogre::Vector3& degrees)
{
    if (!sceneNode)
        return;
    const Ogre::Vector3 turn = finiteOr(degrees, 0.0f);
    sceneNode->setOrientation(savedOrientation);
    sceneNode->roll(Ogre::Degree(turn.x), Ogre::Node::TS_WORLD);
    sceneNode->pitch(Ogre::Degree(turn.z), Ogre::Node::TS_WORLD);
    sceneNode->yaw(Ogre::Degree(turn.y), Ogre::Node::TS_WORLD);
    orientation = sceneNode->getOrientation();
    quaternionToEulerDegrees(rotation.x, rotation.y, rotation.z, orientation);
}

void entity::savePosition()
{
    if (!sceneNode)
        return;
    savedPosition = sceneNode->getPosition();
    savedDerivedPosition = sceneNode->_getDerivedPosition();
}

void entity::saveOrientation()
{
    if (sceneNode)
        savedOrientation = sceneNode->getOrientation();
}

void entity::destroyGraphics() {}

void entity::setStatus(int newStatus)
{
    if (isDisabled)
        return;
    status = static_cast<std::uint32_t>(newStatus);
    if (newStatus == statusStarted || newStatus == statusActive)
        isStarted = 1;
    for (auto& child : children)
        if (child.second)
            child.second->setStatus(newStatus);
}

void entity::hideAndForward(bool flag)
{
    if (isDisabled)
        return;
    setVisible(false);
    for (auto& child : children)
        if (child.second)
            child.second->hideAndForward(flag);
}

void entity::setVisible(bool) {}

void entity::setActive(bool) {}

void entity::setLayerAndPriority(std::uint8_t layerIndex, std::uint16_t renderPriority)
{
    layer = storedLayerOf(layerIndex);
    priority = renderPriority;
    if (!movableObject)
        return;
    if (isLayered)
        movableObject->setRenderQueueGroupAndPriority(renderQueueGroupOf(layer), renderPriority);
    else
        movableObject->setRenderQueueGroup(unlayeredRenderQueueGroup);
}

void entity::setLayer(std::uint8_t layerIndex)
{
    layer = storedLayerOf(layerIndex);
    priority = 0;
    if (movableObject)
        movableObject->setRenderQueueGroup(isLayered ? renderQueueGroupOf(layer) : unlayeredRenderQueueGroup);
}

void entity::rebuildGraphics() {}
