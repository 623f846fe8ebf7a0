// A trigger in the scene: its node, its own child node with the outline and
// the visual size, its transform overrides, its layer and its overlay's place.
#include "world/Trigger.h"

#include "app/EulerAngles.h"
#include "app/OverlayWidget.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/Obb.h"
#include "world/TriggerKinds.h"

#include <OgreRenderSystem.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

// Rendering a frame needs a render target; a render-less root (tests, tools)
// has none and brings derived transforms up to date by hand instead.
bool canRenderFrame()
{
    Ogre::Root* root = Ogre::Root::getSingletonPtr();
    Ogre::RenderSystem* renderer = root ? root->getRenderSystem() : nullptr;
    return renderer && renderer->getRenderTargetIterator().hasMoreElements();
}

} // namespace

// Contact triggers need an outline whatever their type; type 2 always has one.
bool Trigger::needsOwnNode() const
{
    return type == triggerPlainWithOutline || activation_type == activationPlayerContact
           || activation_type == activationEnemyContact;
}

void Trigger::setupScene(const Ogre::Vector3& worldPosition)
{
    Game& game = *Game::getSingletonPtr();
    sceneManager = game.sceneManager;
    player = game.player;
    level = game.level;
    playCamera = sceneManager->getCamera("PlayCam");
    if (level)
        priority = level->nextEffectRenderPriority();
    position = finiteOr(worldPosition, 0.0f);
    sceneNode = sceneManager->getRootSceneNode()->createChildSceneNode(position);
    sceneNode->setScale(Ogre::Vector3::UNIT_SCALE);
    placedPosition = position;
    toEulerDegrees(rotation, orientation);
    if (needsOwnNode())
        createNode();
    if (!soundName.empty())
        loadSound();
    setSize(size);
    setVisible(false);
}

void Trigger::createNode()
{
    if (ownNode || !sceneNode)
        return;
    ownNode = sceneNode->createChildSceneNode(Ogre::Vector3::ZERO);
    ownNode->setInheritOrientation(true);
    ownNode->setInheritScale(false);
    ownNode->setVisible(false, true);
    ownNode->setOrientation(orientation);
    ownNode->_setDerivedPosition(sceneNode->_getDerivedPosition());
}

void Trigger::setSize(const Ogre::Vector3& newSize)
{
    if (needsOwnNode())
        createNode();
    size = finiteOr(newSize, 1.0f);
    if (ownNode)
        ownNode->setScale(size * 0.1f);
    if (needsOwnNode())
        updateOutline();
    if (secondState == secondStateRedisplay)
        setVisible(true);
}

// A flat box of half extents size x * 10 by size z * 10 in world units: its
// node does not take the own node's visual scale.
void Trigger::updateOutline()
{
    if (!ownNode)
        return;
    const bool isNew = outline == nullptr;
    if (isNew)
        outline = new Obb();
    outline->size = Ogre::Vector3(size.x * 20.0f, size.z * 20.0f, 0.0f);
    if (isNew) {
        outline->bindCamera(sceneManager, ownNode);
        outline->init();
        outline->sceneNode->setInheritScale(false);
    } else {
        outline->setPosition();
    }
    outline->setOrientationFromAxes();
    outline->updateScreenPolygon();
}

void Trigger::setWorldPosition(const Ogre::Vector3& worldPosition)
{
    entity::setWorldPosition(worldPosition);
    if (ownNode && sceneNode)
        ownNode->_setDerivedPosition(sceneNode->_getDerivedPosition());
}

void Trigger::applyRotation(const Ogre::Vector3& degrees)
{
    if (!ownNode)
        return;
    ownNode->setOrientation(savedOrientation);
    ownNode->yaw(Ogre::Radian(finiteOr(degrees, 0.0f).y * 0.017453292f), Ogre::Node::TS_WORLD);
    orientation = ownNode->getOrientation();
    // The outline reads derived transforms, which a rendered frame refreshes.
    if (canRenderFrame())
        Ogre::Root::getSingleton().renderOneFrame();
    else
        ownNode->_update(true, false);
    if (outline) {
        outline->setOrientationFromAxes();
        outline->updateScreenPolygon();
    }
}

void Trigger::saveOrientation()
{
    if (ownNode)
        savedOrientation = ownNode->getOrientation();
}

// Without layer records every layer counts as visible.
void Trigger::setActive(bool active)
{
    const levelLayer* record = level ? level->getLayer(static_cast<std::int32_t>(layerId)) : nullptr;
    const bool isLayerVisible = !record || record->isVisible;
    if (isLayerVisible && !isDisabled && active)
        return;
    setOverlayVisible(false);
}

void Trigger::setOverlayVisible(bool visible)
{
    if (!overlay)
        return;
    overlay->setVisible(visible);
    updateOverlayPosition();
}

void Trigger::updateOverlayPosition()
{
    if (!overlay)
        return;
    overlay->updateCharHeight();
    if (!overlay->isAnchored || !sceneNode)
        return;
    overlay->fitToViewport();
    overlay->placeAt3D(sceneNode->_getDerivedPosition());
}
