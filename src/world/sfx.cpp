// The placed effect's life: construction, copies, visuals, transforms and
// the status writes that come from outside.
#include "world/sfx.h"

#include "app/TextUtils.h"
#include "core/Game.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/LensFlare.h"
#include "world/RenderQueueGroups.h"

#include <OgreCamera.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>


sfx::sfx(const std::string& effectName)
{
    name = effectName;
    screenName = effectName;
    kind = kindSfx;
}

sfx::sfx(const sfx& source)
    : entity()
{
    kind = kindSfx;
    parentName = source.parentName;
    layerId = source.layerId;
    isLayered = source.isLayered;
    isDisabled = source.isDisabled;
    isCastShadows = source.isCastShadows;
    position = source.position;
    orientation = source.orientation;
    scale = source.scale;
    rotation = source.rotation;
    endDuration = source.endDuration;
    isOmni = source.isOmni;
    colour = source.colour;
    isOmniBlink = source.isOmniBlink;
    omniSinSpeed = source.omniSinSpeed;
    omniBlinkRandom = source.omniBlinkRandom;
    omniSinIntensity = source.omniSinIntensity;
    omniRange = source.omniRange;
    omniMultiplier = source.omniMultiplier;
    isLensFlare = source.isLensFlare;
    lensFlareType = source.lensFlareType;
    lensFlareScale = source.lensFlareScale;
    isGlow = source.isGlow;
    glowSscale = source.glowSscale;
    glowType = source.glowType;
    glowColour = source.glowColour;
    isPauseWhenUnseen = source.isPauseWhenUnseen;
    pauseWhenUnseenTime = source.pauseWhenUnseenTime;
    isParticles = source.isParticles;
    particleType = source.particleType;
    particleScale = source.particleScale;
    screenName = incrementNameSuffix(source.screenName);
    Level* current = Game::getSingletonPtr()->level;
    name = "sfx" + std::to_string(current ? current->nextSfxNumber() : 1);
    createVisuals(position);
    restart();
    setVisible(true);
}

sfx::~sfx()
{
    releaseVisuals();
}

void sfx::createVisuals(const Ogre::Vector3& where)
{
    Game& game = *Game::getSingletonPtr();
    sceneManager = game.sceneManager;
    level = game.level;
    if (!sceneManager)
        return; // nothing to draw in before the scene exists
    camera = sceneManager->hasCamera("PlayCam") ? sceneManager->getCamera("PlayCam") : nullptr;
    if (level)
        priority = level->nextEffectRenderPriority();
    sceneNode = sceneManager->getRootSceneNode()->createChildSceneNode();
    sceneNode->setInheritScale(false);
    effectNode = sceneNode->createChildSceneNode();
    effectNode->setInheritScale(false);
    effectNode->setInheritOrientation(false);
    position = finiteOr(where, 0.0f);
    sceneNode->setPosition(position);
    if (isOmni)
        createLight(static_cast<int>(omniRange));
    if (isLensFlare)
        createLensFlare(position, lensFlareScale, lensFlareType);
    if (isGlow)
        createGlow();
    if (isParticles)
        createParticleSystem();
}

void sfx::setWorldPosition(const Ogre::Vector3& worldPosition)
{
    entity::setWorldPosition(worldPosition);
    placedPosition = position;
    updateLensFlare(0.0);
    updateGlow(0.0);
}

void sfx::setRotation(const Ogre::Vector3& degrees)
{
    rotation = finiteOr(degrees, 0.0f);
    if (!particleNode)
        return;
    const float toRadians = 0.017453292f;
    Ogre::Matrix3 turn;
    turn.FromEulerAnglesXYZ(Ogre::Radian(rotation.x * toRadians), Ogre::Radian(rotation.y * toRadians),
                            Ogre::Radian(rotation.z * toRadians));
    particleNode->setOrientation(Ogre::Quaternion(turn));
    orientation = particleNode->getOrientation();
}

void sfx::applyRotation(const Ogre::Vector3& degrees)
{
    if (!particleNode)
        return;
    const Ogre::Vector3 turn = finiteOr(degrees, 0.0f);
    particleNode->setOrientation(savedOrientation);
    particleNode->yaw(Ogre::Degree(turn.y), Ogre::Node::TS_WORLD);
    particleNode->pitch(Ogre::Degree(turn.z), Ogre::Node::TS_WORLD);
    particleNode->roll(Ogre::Degree(turn.x), Ogre::Node::TS_WORLD);
    orientation = particleNode->getOrientation();
    quaternionToEulerDegrees(rotation.x, rotation.y, rotation.z, orientation);
}

void sfx::saveOrientation()
{
    if (particleNode)
        savedOrientation = particleNode->getOrientation();
}

void sfx::setStatus(int newStatus)
{
    if (linkedObjects.empty())
        status = static_cast<std::uint32_t>(newStatus);
    if (newStatus == statusStarted || newStatus == statusActive)
        isStarted = 1;
    for (auto& child : children)
        if (child.second)
            child.second->setStatus(newStatus);
}

void sfx::hideAndForward(bool keep)
{
    if (isDisabled || keep)
        return;
    status = statusEnding;
    if (particleNode)
        particleNode->setVisible(true, false);
}

void sfx::setActive(bool active)
{
    if (!secondaryNode)
        return;
    const levelLayer* ownLayer = level ? level->getLayer(static_cast<std::int32_t>(layerId)) : nullptr;
    const bool layerShown = !ownLayer || ownLayer->isVisible;
    secondaryNode->setVisible(active && layerShown && !isDisabled, true);
}

void sfx::setLayer(std::uint8_t layerIndex)
{
    if (!particleSystem)
        return;
    layer = storedLayerOf(layerIndex);
    particleSystem->setRenderQueueGroupAndPriority(renderQueueGroupOf(layer), 10100);
}
