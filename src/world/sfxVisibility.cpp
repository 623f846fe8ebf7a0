// Showing, hiding and tearing down the placed effect's parts.
#include "world/sfx.h"

#include "play/Level.h"

#include <OgreEntity.h>
#include <OgreManualObject.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSceneQuery.h>

namespace {

constexpr Ogre::uint32 shownQueryFlags = 256;

} // namespace

void sfx::setVisible(bool visible)
{
    const levelLayer* ownLayer = level ? level->getLayer(static_cast<std::int32_t>(layerId)) : nullptr;
    const bool shown = visible && !isDisabled && (!ownLayer || ownLayer->isVisible);
    if (shown == shownFlag && secondState != secondStateRedisplay)
        return;
    shownFlag = shown;
    if (shown)
        showDisplay();
    else
        hideDisplay();
}

void sfx::showDisplay()
{
    if (markerEntity)
        markerEntity->setVisible(true);
    if (secondMarkerNode)
        secondMarkerNode->setVisible(true);
    if (movableObject) {
        movableObject->setVisible(true);
        movableObject->setQueryFlags(shownQueryFlags);
    }
    setParticlesEmitting(true);
    setPartsVisible(true);
    updateLight();
    updateLensFlare(0.0);
    updateGlow(0.0);
    if (secondaryNode && (secondState == secondStateRedisplay || secondState == secondStateSecondaryShown))
        secondaryNode->setVisible(true, true);
}

void sfx::hideDisplay()
{
    if (secondMarkerNode)
        secondMarkerNode->setVisible(false);
    if (movableObject) {
        movableObject->setVisible(false);
        movableObject->setQueryFlags(0);
    }
    if (markerEntity)
        markerEntity->setVisible(false);
    setParticlesEmitting(false);
    setPartsVisible(false);
    if (secondaryNode)
        secondaryNode->setVisible(false, true);
}

void sfx::releaseVisuals()
{
    if (!sceneManager)
        return;
    if (sceneNode) {
        sceneNode->detachAllObjects();
        if (movableObject)
            sceneManager->destroyEntity(static_cast<Ogre::Entity*>(movableObject));
        movableObject = nullptr;
    }
    if (occlusionQuery)
        sceneManager->destroyQuery(occlusionQuery);
    occlusionQuery = nullptr;
    destroyLight();
    destroyLensFlare();
    destroyGlow();
    destroyVisuals();
    if (markerObject)
        sceneManager->destroyManualObject(markerObject);
    if (markerEntity)
        sceneManager->destroyEntity(markerEntity);
    if (secondMarkerEntity)
        sceneManager->destroyEntity(secondMarkerEntity);
    for (Ogre::SceneNode* node : {markerObjectNode, markerEntityNode, secondMarkerNode, effectNode, sceneNode})
        if (node)
            sceneManager->destroySceneNode(node);
    markerObject = nullptr;
    markerEntity = nullptr;
    secondMarkerEntity = nullptr;
    markerObjectNode = markerEntityNode = secondMarkerNode = effectNode = sceneNode = nullptr;
    children.clear();
}
