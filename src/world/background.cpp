#include "world/background.h"

#include "app/EulerAngles.h"
#include "app/Log.h"
#include "core/Game.h"
#include "core/MeshAvailability.h"
#include "core/materials/MeshMaterials.h"
#include "core/materials/SpriteMaterials.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/Obb.h"

#include <OgreEntity.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>

namespace {

const char* const spritePlane = "plane1U.mesh";
const std::uint32_t backgroundQueryFlags = 8;
// World units per pixel of a sprite's texture.
const float spriteUnitsPerPixel = 0.03125f;

} // namespace

background::background()
{
    kind = kindBackground;
    layer = 0;
}

background::background(const background& source, bool keepUnbound) : background()
{
    parentName = source.parentName;
    screenName = source.screenName;
    meshName = source.meshName;
    spriteName = source.spriteName;
    collisionMeshName = source.collisionMeshName;
    isLayered = source.isLayered;
    layerId = source.layerId;
    priority = source.priority;
    collisionType = source.collisionType;
    spriteSize = source.spriteSize;
    isCastShadows = source.isCastShadows;
    sceneManager = source.sceneManager;
    placedPosition = source.placedPosition;
    scale = source.scale;
    rotation = source.rotation;
    orientation = source.orientation;
    templateObject = source.templateObject ? source.templateObject : const_cast<background*>(&source);
    level = Game::getSingletonPtr()->level;
    if (level)
        name = "BG" + std::to_string(level->nextBackgroundNumber());
    for (const Obb* outline : source.obbs)
        obbs.push_back(new Obb(*outline));
    if (keepUnbound)
        return;
    init(placedPosition);
    if (collisionType != collisionNone) {
        createCollisionBody();
        // Without this the copy's body would stay at the world's origin
        // until the copy is next moved.
        syncCollisionBody();
    }
    for (Obb* outline : obbs)
        bindOutline(outline);
}

background::~background() { destroyNode(); }

entity* background::clone() const { return new background(*this, false); }

Ogre::Entity* background::meshEntity() const { return static_cast<Ogre::Entity*>(movableObject); }

void background::init(const Ogre::Vector3& at)
{
    const Game& game = *Game::getSingletonPtr();
    sceneManager = game.sceneManager;
    level = game.level;
    boundingRadius = 1.0f;
    boundingCentre = Ogre::Vector3::ZERO;
    sceneNode = sceneManager->getRootSceneNode()->createChildSceneNode();
    if (isSprite())
        isLayered = 1;
    setPosition(at);
    sceneNode->setOrientation(orientation);
    toEulerDegrees(rotation, orientation);
    createMesh();
    setScale(scale);
}

void background::createMesh()
{
    std::string shown = spritePlane;
    if (!isSprite()) {
        shown = meshName;
        if (!loadMeshResource(meshName)) {
            logLine("[ERROR] can't find background mesh: " + meshName);
            shown = isLayered ? spritePlane : "interro.mesh";
        }
    }
    Ogre::Entity* made = sceneManager->createEntity(shown);
    movableObject = made;
    made->setQueryFlags(backgroundQueryFlags);
    sceneNode->attachObject(made);
    if (isSprite()) {
        if ((priority == 0 || priority == 1) && level)
            priority = static_cast<std::uint16_t>(level->nextBackgroundRenderPriority() + 1000);
        setLayerAndPriority(layer, priority);
        applySpriteMaterial(made, spriteName, false);
        takeSpriteSize();
    } else {
        setLayer(layer);
        applyMeshMaterials(made);
    }
    applyShadowSettings();
    for (unsigned index = 0; index < made->getNumSubEntities(); ++index)
        made->getSubEntity(index)->setCustomParameter(1, Ogre::Vector4::ZERO);
}

void background::takeSpriteSize() { spriteSize = getDiffuseTextureSize(meshEntity()) * spriteUnitsPerPixel; }

void background::applyShadowSettings()
{
    movableObject->setCastShadows(isCastShadows != 0);
    setLightingParameters(meshEntity(), isCastShadows != 0);
}

void background::create()
{
    if (isDisabled || !movableObject)
        return;
    const entity* definition = templateObject;
    const bool definitionChanged = definition && definition->isChanged;
    if (isSprite()) {
        applySpriteMaterial(meshEntity(), spriteName, false);
        updateSpriteAnimationParameters(meshEntity(), true, false);
        if (definitionChanged) {
            takeSpriteSize();
            setScale(scale);
        }
    } else if (Game::getSingletonPtr()->isRebuildAll || (definitionChanged && !isToyboxCopy)) {
        destroyMesh();
        createMesh();
        destroyCollisionBody();
        createCollisionBody();
        syncCollisionBody();
        setScale(scale);
        applyMeshMaterials(meshEntity());
    }
    applyShadowSettings();
}

void background::destroyMesh()
{
    if (!movableObject)
        return;
    movableObject->detachFromParent();
    sceneManager->destroyMovableObject(movableObject);
    movableObject = nullptr;
}

void background::destroyNode()
{
    destroyCollisionBody();
    deleteOutlines();
    destroyMesh();
    if (sceneNode) {
        sceneNode->getParentSceneNode()->removeChild(sceneNode);
        sceneManager->destroySceneNode(sceneNode);
        sceneNode = nullptr;
    }
}

void background::deleteOutlines()
{
    for (Obb* outline : obbs)
        delete outline;
    obbs.clear();
}

void background::copyOutlinesOf(const background& source)
{
    for (const Obb* outline : source.obbs) {
        obbs.push_back(new Obb(*outline));
        bindOutline(obbs.back());
    }
}

// A layered outline draws on the background's own node, and initialising it
// moves that node to the outline's offset: the background keeps its place.
void background::bindOutline(Obb* outline)
{
    outline->bindCamera(Game::getSingletonPtr()->sceneManager, sceneNode);
    outline->init();
    if (sceneNode)
        sceneNode->setPosition(position);
}

void background::updateObbPositions()
{
    for (Obb* outline : obbs)
        outline->localToWorld();
}

void background::updateObbScreenPolygons()
{
    for (Obb* outline : obbs)
        outline->updateScreenPolygon();
}

void background::setWorldPosition(const Ogre::Vector3& worldPosition)
{
    entity::setPosition(worldPosition);
    if (sceneNode)
        sceneNode->_update(true, false);
    syncCollisionBody();
    updateObbScreenPolygons();
}

void background::setScale(const Ogre::Vector3& newScale)
{
    scale = finiteOr(newScale, 1.0f);
    if (sceneNode)
        sceneNode->setScale(finiteOr({scale.x * spriteSize.x, scale.y, scale.z * spriteSize.y}, 1.0f));
    syncCollisionBody();
}

void background::setRotation(const Ogre::Vector3& degrees)
{
    entity::setRotation(degrees);
    if (sceneNode)
        sceneNode->_update(true, false);
    syncCollisionBody();
    updateObbScreenPolygons();
}

void background::applyRotation(const Ogre::Vector3& degrees)
{
    entity::applyRotation(degrees);
    if (sceneNode)
        sceneNode->_update(true, false);
    syncCollisionBody();
    updateObbScreenPolygons();
}

void background::setVisible(bool visible)
{
    const levelLayer* shownLayer = level ? level->getLayer(static_cast<std::int32_t>(layerId)) : nullptr;
    if ((shownLayer && !shownLayer->isVisible) || isDisabled)
        visible = false;
    if (!movableObject)
        return;
    movableObject->setQueryFlags(visible ? backgroundQueryFlags : 0);
    movableObject->setVisible(visible);
}

void background::rebuildGraphics()
{
    const auto* definition = static_cast<const background*>(templateObject);
    if (!definition)
        return;
    screenName = definition->screenName;
    meshName = definition->meshName;
    spriteName = definition->spriteName;
    isCastShadows = definition->isCastShadows;
    collisionType = definition->collisionType;
    isToyboxCopy = definition->isToyboxCopy;
    if (isLibraryDefinition || !movableObject)
        return;
    if (isSprite() && meshName != "interro.mesh") {
        takeSpriteSize();
        setScale(scale);
    }
    applyShadowSettings();
    destroyCollisionBody();
    if (collisionType != collisionNone) {
        createCollisionBody();
        syncCollisionBody();
    }
    deleteOutlines();
    copyOutlinesOf(*definition);
}
