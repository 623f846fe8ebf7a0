// The ship's look: its mesh or sprite plane, its render layer, showing and
// hiding it, its tint and its particles, and the rebuild after its library
// definition changed.
#include "combat/Player.h"

#include "app/Log.h"
#include "combat/PlayerSettings.h"
#include "combat/rotor.h"
#include "core/Game.h"
#include "core/MeshAvailability.h"
#include "core/materials/MeshMaterials.h"
#include "core/materials/SpriteMaterials.h"
#include "play/Level.h"
#include "world/GameCamera.h"
#include "world/RenderQueueGroups.h"
#include "world/sfxDefinition.h"

#include <OgreEntity.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>

#include <algorithm>

namespace {

const char* const meshEntityName = "player";
const char* const spritePlane = "plane1U.mesh";
const char* const missingMesh = "interro.mesh";
// What scene queries pick of a shown ship; a hidden one gives none.
constexpr std::uint32_t shownQueryFlags = 4;
constexpr std::uint32_t hiddenQueryFlags = 0;
constexpr float spriteUnitsPerPixel = 1.0f / 32.0f;
constexpr std::uint16_t shipPriority = 29500;
constexpr std::uint16_t rotorPriorityBase = 30000;
constexpr std::uint16_t crosshairPriority = 50003;
// From this group on the crosshair goes to the last group of all.
constexpr unsigned crosshairGroupLimit = 66;
// The custom shader parameter that tints the ship (hit flash, blinking).
constexpr std::size_t tintParameter = 1;

// The crosshair draws above every shot.
std::uint8_t crosshairGroup(const Level* level)
{
    const unsigned topShotLayer = level ? std::max<unsigned>(level->playerLayerIndex, level->topWaveLayerIndex) : 0u;
    const unsigned group = topShotLayer + unlayeredRenderQueueGroup;
    return static_cast<std::uint8_t>(group < crosshairGroupLimit ? group : maxRenderQueueGroup);
}

void setAttached(Ogre::SceneNode* node, Ogre::MovableObject* object, bool attached)
{
    if (!node || !object)
        return;
    if (attached && !object->isAttached())
        node->attachObject(object);
    else if (!attached && object->getParentSceneNode() == node)
        node->detachObject(object);
}

void setLinked(Ogre::SceneNode* parent, Ogre::SceneNode* child, bool linked)
{
    if (!parent || !child)
        return;
    if (linked && !child->getParent())
        parent->addChild(child);
    else if (!linked && child->getParent() == parent)
        parent->removeChild(child);
}

} // namespace

void Player::destroyMeshEntity()
{
    if (!sceneManager)
        return;
    if (!meshEntity && sceneManager->hasEntity(meshEntityName))
        meshEntity = sceneManager->getEntity(meshEntityName);
    if (!meshEntity)
        return;
    meshEntity->detachFromParent();
    sceneManager->destroyEntity(meshEntity);
    meshEntity = nullptr;
    movableObject = nullptr;
}

void Player::loadMesh(const std::string& newMeshName)
{
    meshName = newMeshName;
    if (!sceneManager || !entityNode)
        return;
    destroyMeshEntity();
    std::string shown = newMeshName;
    if (!loadMeshResource(newMeshName)) {
        logLine("[ERROR] can't find player mesh: " + newMeshName);
        shown = isLayered ? spritePlane : missingMesh;
    }
    meshEntity = sceneManager->createEntity(meshEntityName, shown);
    movableObject = meshEntity;
    meshEntity->setQueryFlags(shownQueryFlags);
    entityNode->attachObject(meshEntity);
    entityNode->setScale(Ogre::Vector3::UNIT_SCALE);
    if (isLayered) {
        applySpriteMaterial(meshEntity, spriteName, false);
        const Ogre::Vector2 size = getDiffuseTextureSize(meshEntity) * spriteUnitsPerPixel;
        entityNode->setScale(size.x, 1.0f, size.y);
    } else {
        applyMeshMaterials(meshEntity);
    }
    // Sprites cast shadows only in a level that lights them.
    const bool isSpriteShadowAllowed = level && level->isSpriteLighting;
    const bool castsShadows = isCastShadows && (!isLayered || isSpriteShadowAllowed);
    meshEntity->setCastShadows(castsShadows);
    setLightingParameters(meshEntity, castsShadows);
    sceneNode->setScale(scale);
    sceneNode->setVisible(true);
    if (gameCamera)
        gameCamera->targetNode = sceneNode;
}

void Player::setLayer(std::uint8_t layerIndex)
{
    layer = storedLayerOf(layerIndex);
    priority = shipPriority;
    if (aimEntity) {
        aimEntity->setRenderQueueGroupAndPriority(crosshairGroup(level), crosshairPriority);
        if (game && game->isCrossHairOver && aimEntity->getNumSubEntities() > 0)
            if (const Ogre::MaterialPtr& material = aimEntity->getSubEntity(0)->getMaterial())
                material->setDepthCheckEnabled(false);
    }
    const std::uint8_t group = isLayered ? renderQueueGroupOf(layer) : unlayeredRenderQueueGroup;
    const auto order = [this, group](Ogre::MovableObject* object, std::uint16_t layeredPriority) {
        if (object && isLayered)
            object->setRenderQueueGroupAndPriority(group, layeredPriority);
        else if (object)
            object->setRenderQueueGroup(group);
    };
    order(meshEntity, shipPriority);
    for (std::size_t i = 0; i < rotors.size(); ++i)
        order(rotors[i]->entity, static_cast<std::uint16_t>(rotorPriorityBase + i));
    for (sfxDefinition* effect : sfxDefinitions) {
        effect->layer = layer;
        if (effect->particleSystem)
            effect->particleSystem->setRenderQueueGroup(group);
    }
}

void Player::setVisible(bool visible)
{
    const levelLayer* ownLayer = level ? level->getLayer(static_cast<std::int32_t>(layerId)) : nullptr;
    if (visible && ownLayer && !ownLayer->isVisible)
        return;
    if (meshEntity)
        meshEntity->setQueryFlags(visible ? shownQueryFlags : hiddenQueryFlags);
    setSfxEmitting(visible);
    if (aimNode)
        aimNode->setVisible(visible && type == rotationCrosshair && !(game && game->isHUDHidden));
    setAttached(entityNode, meshEntity, visible);
    setAttached(forceFieldNode, forceField.particles, visible);
    setAttached(aimNode, aimEntity, visible);
    setLinked(sideNode, meshNode, visible);
}

void Player::setColour(const Ogre::ColourValue& colour)
{
    if (!meshEntity)
        return;
    const Ogre::Vector4 tint(colour.r, colour.g, colour.b, colour.a);
    for (unsigned i = 0; i < meshEntity->getNumSubEntities(); ++i)
        meshEntity->getSubEntity(i)->setCustomParameter(tintParameter, tint);
}

// Particles left from before are cleared either way, so that a ship shown
// again starts its trails afresh.
void Player::setSfxEmitting(bool on)
{
    for (sfxDefinition* effect : sfxDefinitions) {
        if (effect->particleSystem)
            effect->particleSystem->clear();
        effect->setEmitting(on && effect->isEnable);
    }
}

void Player::rebuildGraphics()
{
    if (!templateObject || templateObject->kind != kindPlayer)
        return;
    const Player& definition = *static_cast<const Player*>(templateObject);
    takeDefinitionSettings(*this, definition);
    followCameraNode(false);
    if (!isLibraryDefinition) {
        loadMesh(meshName);
        createPhysicsBody();
        syncScale();
    }
    retakeEffects(*this, definition);
    retakeGuns(*this, definition);
    retakeOutlines(*this, definition);
}
