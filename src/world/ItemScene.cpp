// An item's place in the scene: its three nodes, its mesh or sprite, its
// particle effects, and the resets that start each of its lives.
#include "world/Item.h"

#include "app/AudioService.h"
#include "app/EulerAngles.h"
#include "app/Log.h"
#include "core/Game.h"
#include "core/MeshAvailability.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"
#include "core/materials/MeshMaterials.h"
#include "core/materials/SpriteMaterials.h"
#include "data/LibraryFile.h"
#include "platform/Random.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/Obb.h"
#include "world/RenderQueueGroups.h"

#include <OgreEntity.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreStringConverter.h>

#include <cmath>

namespace {

const char* const spritePlane = "plane1U.mesh";
const char* const missingMesh = "interro.mesh";
const std::uint32_t shownQueryFlags = 64;
const std::uint32_t spriteLightMask = 4;
const std::uint16_t spritePriorityBase = 30000;

// A quaternion of zero length (read from an element without "position")
// turns nothing.
Ogre::Quaternion usable(const Ogre::Quaternion& q)
{
    return q.Norm() > 0.0f ? q : Ogre::Quaternion::IDENTITY;
}

} // namespace

void Item::createNodes()
{
    if (!sceneManager)
        return;
    sceneNode = sceneManager->getRootSceneNode()->createChildSceneNode();
    innerNode = sceneNode->createChildSceneNode();
    meshNode = innerNode->createChildSceneNode();
}

void Item::attachMainNodeToRoot()
{
    Ogre::SceneNode* root = sceneManager->getRootSceneNode();
    Ogre::SceneNode* parent = sceneNode->getParentSceneNode();
    if (parent == root)
        return;
    if (parent)
        parent->removeChild(sceneNode);
    root->addChild(sceneNode);
}

void Item::createVisual(const Ogre::Vector3& where, Player* target)
{
    const Game& game = *Game::getSingletonPtr();
    level = game.level;
    sceneManager = game.sceneManager;
    player = target;
    playCamera = sceneManager->hasCamera("PlayCam") ? sceneManager->getCamera("PlayCam") : nullptr;
    if (sceneNode)
        attachMainNodeToRoot();
    else
        createNodes();
    if (isSprite())
        isLayered = 1;
    createMesh(meshName);
    reset();
    position = placedPosition = finiteOr(where, 0.0f);
    sceneNode->setPosition(position);
    orientation = usable(orient);
    sceneNode->setOrientation(orientation);
    sceneNode->setScale(finiteOr(scale, 1.0f));
    toEulerDegrees(rotation, orientation);
    meshNode->setOrientation(usable(meshOrient));
    age = platform::rand() % 360;
}

bool Item::isRebuildAsked() const
{
    return Game::getSingletonPtr()->isRebuildAll || (templateObject && templateObject->isChanged);
}

void Item::createMesh(const std::string& newMeshName)
{
    // A pooled item may keep the mesh name but change its sprite.
    if (meshEntity && newMeshName == builtMeshName && spriteName == builtSpriteName && !isRebuildAsked())
        return;
    if (meshEntity) {
        meshEntity->detachFromParent();
        sceneManager->destroyEntity(meshEntity);
    }
    std::string shown = spritePlane;
    if (!isSprite()) {
        shown = newMeshName;
        if (!loadMeshResource(newMeshName)) {
            // Every drop asks again; the item's definition names the mesh.
            logLineOnce("[ERROR] can't find mesh: " + newMeshName + namedBy("", itemsFileName));
            shown = isLayered ? spritePlane : missingMesh;
        }
    }
    meshEntity = sceneManager->createEntity(shown);
    movableObject = meshEntity;
    builtMeshName = newMeshName;
    builtSpriteName = spriteName;
    if (isSprite())
        meshEntity->setLightMask(spriteLightMask);
    meshEntity->setQueryFlags(shownQueryFlags);
    meshEntity->setRenderQueueGroup(unlayeredRenderQueueGroup);
    meshNode->attachObject(meshEntity);
    meshEntity->setVisible(true);
    meshNode->setScale(Ogre::Vector3::UNIT_SCALE);
    if (!isSprite()) {
        applyMeshMaterials(meshEntity);
        return;
    }
    priority = static_cast<std::uint16_t>((level ? level->nextItemRenderPriority() : 0) + spritePriorityBase);
    meshEntity->setRenderQueueGroupAndPriority(renderQueueGroupOf(layer), priority);
    applySpriteMaterial(meshEntity, spriteName, false);
}

void Item::refreshMesh()
{
    if (isDisabled || !meshEntity)
        return;
    if (isSprite() && meshName != missingMesh)
        applySpriteMaterial(meshEntity, spriteName, false);
    else if (isRebuildAsked())
        createMesh(meshName);
    else
        applyMeshMaterials(meshEntity);
}

void Item::reset()
{
    if (!soundName.empty() && soundName != "none")
        loadSound(soundName, true, false, false, false);
    if (meshEntity) {
        attachMainNodeToRoot();
        sceneNode->setPosition(placedPosition);
        sceneNode->setOrientation(orientation);
        // Unless static the item grows from nothing as it starts (update).
        sceneNode->setScale(isStatic ? finiteOr(scale, 1.0f) : Ogre::Vector3(smallestNodeScale));
        meshNode->setOrientation(usable(meshOrient));
        // A pooled item's last spin must not tilt its next life.
        innerNode->setOrientation(Ogre::Quaternion::IDENTITY);
        innerNode->setPosition(Ogre::Vector3::ZERO);
        innerNode->setScale(Ogre::Vector3::UNIT_SCALE);
        showEntity(true);
    }
    const Ogre::Radian heading = Ogre::Degree(static_cast<float>(startAngle) + 90.0f);
    velocity = Ogre::Vector3(Ogre::Math::Cos(heading), 0.0f, Ogre::Math::Sin(heading)) * 2.0f * startSpeed;
    isAttracted = false;
    attractionBlend = 0.0f;
    startTimer = offScreenTime = age = lifeTime = lastBlinkTime = deathTime = 0.0;
    isSeenOnScreen = false;
    isOnScreen = 0;
    status = statusWaiting;
    isStarted = 0;
    medalCounter = 1;
    for (Obb* outline : outlines)
        outline->rebuild();
    if (isLayered && meshEntity)
        updateSpriteAnimationParameters(meshEntity, true, false);
}

void Item::stopParticles()
{
    status = statusFree;
    startTimer = offScreenTime = age = lifeTime = lastBlinkTime = deathTime = 0.0;
    velocity = Ogre::Vector3::ZERO;
    showEntity(false);
    for (Ogre::ParticleSystem* system : {startParticles, endParticles})
        if (system) {
            system->setEmitting(false);
            system->detachFromParent();
            system->clear();
        }
    if (!isStatic && sceneNode && sceneNode->getParentSceneNode())
        sceneNode->getParentSceneNode()->removeChild(sceneNode);
}

void Item::attachToCamera()
{
    if (!sceneManager->hasSceneNode("CamNode1"))
        return;
    Ogre::SceneNode* cameraNode = sceneManager->getSceneNode("CamNode1");
    const Ogre::Vector3 world = sceneNode->_getDerivedPosition();
    if (Ogre::SceneNode* parent = sceneNode->getParentSceneNode())
        parent->removeChild(sceneNode);
    cameraNode->addChild(sceneNode);
    const Ogre::Vector3 local =
        cameraNode->_getDerivedOrientation().Inverse() * (world - cameraNode->_getDerivedPosition());
    position = finiteOr(local, 0.0f);
    sceneNode->setPosition(position);
}

void Item::startEffect(Ogre::ParticleSystem*& system, std::string& madeFrom, const std::string& effectName)
{
    if (system && madeFrom != effectName)
        destroyEffect(system);
    if (!system) {
        const std::string systemName =
            "ItemEffect" + Ogre::StringConverter::toString(reinterpret_cast<size_t>(&system));
        system = createSpriteEffect(Game::getSingletonPtr(), systemName, effectName, sceneManager, false, false);
        madeFrom = effectName;
        if (!system)
            return;
    }
    system->setRenderQueueGroupAndPriority(meshEntity ? meshEntity->getRenderQueueGroup() : unlayeredRenderQueueGroup,
                                           priority);
    if (!system->isAttached())
        sceneNode->attachObject(system);
    system->setEmitting(true);
    restartFirstEmitter(system);
}
