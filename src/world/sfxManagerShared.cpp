// The shared particle systems of the effects manager: made once per level,
// then only moved and restarted when an object fires them.
#include "world/sfxManager.h"

#include "app/AudioService.h"
#include "app/CameraProjection.h"
#include "app/Log.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialTextures.h"
#include "world/FiniteVector.h"
#include "world/GameCamera.h"
#include "world/RenderQueueGroups.h"

#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreTextureManager.h>

namespace {

const char* const gameGroup = "GAMERSC";
const char* const smallSmokeUser = "the small explosions' smoke of the level effects";

// A system made directly from a template the game must provide; a missing
// template is logged once, with the effect `user` that wants it, and gives none.
Ogre::ParticleSystem* templateSystem(Ogre::SceneManager& scene, const std::string& name, const std::string& source,
                                     const char* user)
{
    if (!hasParticleTemplate(source)) {
        logLineOnce("[ERROR] can't find particle template: " + source + namedBy(user, ""));
        return nullptr;
    }
    return scene.createParticleSystem(name, source);
}

void attachStopped(Ogre::SceneNode* node, Ogre::ParticleSystem* particles)
{
    if (!particles)
        return;
    if (node)
        node->attachObject(particles);
    setFirstEmitterEnabled(particles, false);
    particles->setCastShadows(false);
}

// The picture of the extra-life particles, loaded ahead of their first use.
void preloadExtraLifeTexture()
{
    if (!groupHolds(gameGroup, "1up.tga")) {
        logLine("[ERROR] can't find texture: 1up.tga");
        return;
    }
    loadTexture("1up.tga");
}

} // namespace

void sfxManager::createSharedParticles()
{
    Game& game = *Game::getSingletonPtr();
    sceneManager = game.sceneManager;
    if (!sceneManager)
        return;
    sparksNode = sharedNode("SparksNode");
    destroyParticles(sparksParticles);
    sparksParticles =
        createSpriteEffect(&game, "ParticleSparks", game.playerInvincibleCollisionSfx, sceneManager, false, false);
    attachStopped(sparksNode, sparksParticles);
    hitNode = sharedNode("hitPlayerNode");
    destroyParticles(hitParticles);
    if (game.player)
        hitParticles = createSpriteEffect(&game, "ParticleHitPlayer", game.player->hitParticleName, sceneManager,
                                          false, false);
    attachStopped(hitNode, hitParticles);
    smokeNode1 = sharedNode("particlesSmokeNode1");
    smokeNode2 = sharedNode("particlesSmokeNode2");
    destroyParticles(smokeParticles1);
    destroyParticles(smokeParticles2);
    smokeParticles1 = templateSystem(*sceneManager, "particlesSmallExplosionSmoke1", "explosionSmoke", smallSmokeUser);
    attachStopped(smokeNode1, smokeParticles1);
    if (smokeParticles1)
        smokeParticles2 =
            templateSystem(*sceneManager, "particlesSmallExplosionSmoke2", "explosionSmoke", smallSmokeUser);
    attachStopped(smokeNode2, smokeParticles2);
    itemNode = sharedNode("PS_ItemNode");
    preloadExtraLifeTexture();
    createParticleItem();
    for (const std::string* sound : {&game.lockSoundName, &game.lockMaxSoundName})
        if (!sound->empty())
            loadSound(*sound, true, false, false, false);
}

void sfxManager::createParticleItem()
{
    destroyParticles(itemParticles);
    const Game& game = *Game::getSingletonPtr();
    if (!sceneManager || game.upSfx.empty())
        return;
    itemParticles = createSpriteEffect(Game::getSingletonPtr(), "particleItem", game.upSfx,
                                       sceneManager, false, false);
    if (!itemParticles)
        itemParticles = templateSystem(*sceneManager, "particleItem", "basic_1up", "the extra-life item's effect");
    if (!itemParticles)
        return;
    if (itemNode)
        itemNode->attachObject(itemParticles);
    setFirstEmitterEnabled(itemParticles, false);
    itemParticles->setKeepParticlesInLocalSpace(true);
}

void sfxManager::createReadyGauge()
{
    destroyParticles(readyGaugeParticles);
    Game& game = *Game::getSingletonPtr();
    if (!sceneManager || game.gaugeStartParticleFX.empty())
        return;
    readyGaugeParticles =
        createSpriteEffect(&game, "particleReadyGauge", game.gaugeStartParticleFX, sceneManager, false, false);
    if (readyGaugeParticles && game.player && game.player->sceneNode)
        game.player->sceneNode->attachObject(readyGaugeParticles);
    setFirstEmitterEnabled(readyGaugeParticles, false);
}

void sfxManager::spawnAtPlayPlane(const Ogre::Vector3& position)
{
    const Game& game = *Game::getSingletonPtr();
    if (game.smartBombSfx == "none")
        return;
    Ogre::Vector3 at = position;
    // Centred: where the view's centre ray meets the play plane at that height.
    if (game.isSmartBombCentered && camera && camera->playCamera)
        screenToPlaneY(at, Ogre::Vector2(0.5f, 0.5f), position.y, *camera->playCamera);
    const std::uint8_t group = game.player ? renderQueueGroupOf(game.player->layer) : unlayeredRenderQueueGroup;
    spawn(game.smartBombSfx, at, 1.0f, true, group, 0, 0.0f);
}

void sfxManager::fireAt(Ogre::SceneNode* node, Ogre::ParticleSystem* particles, const Ogre::Vector3& position)
{
    if (node)
        node->setPosition(finiteOr(position, 0.0f));
    if (!particles)
        return;
    particles->setEmitting(true);
    restartFirstEmitter(particles);
}

void sfxManager::stopParticles(Ogre::ParticleSystem* particles)
{
    if (!particles)
        return;
    particles->setEmitting(false);
    setFirstEmitterEnabled(particles, false);
    particles->clear();
}

void sfxManager::emitSparks(const Ogre::Vector3& position) { fireAt(sparksNode, sparksParticles, position); }

void sfxManager::emitPlayerHit(const Ogre::Vector3& position)
{
    if (hitParticles)
        fireAt(hitNode, hitParticles, position);
}

void sfxManager::emitImpactParticles(const Ogre::Vector3& position)
{
    fireAt(impactNode, impactParticles, position);
}

void sfxManager::emitParticleItem(const Ogre::Vector3& position) { fireAt(itemNode, itemParticles, position); }

void sfxManager::emitReadyGauge()
{
    if (!Game::getSingletonPtr()->gaugeStartParticleFX.empty() && readyGaugeParticles) {
        readyGaugeParticles->setEmitting(true);
        restartFirstEmitter(readyGaugeParticles);
    }
}

void sfxManager::stopReadyGauge()
{
    if (!readyGaugeParticles)
        return;
    readyGaugeParticles->setEmitting(false);
    setFirstEmitterEnabled(readyGaugeParticles, false);
}

void sfxManager::stopSmoke()
{
    for (Ogre::ParticleSystem* smoke : {smokeParticles1, smokeParticles2})
        if (smoke) {
            smoke->setEmitting(false);
            setFirstEmitterEnabled(smoke, false);
        }
}

Ogre::SceneNode* sfxManager::sharedNode(const std::string& name)
{
    if (sceneManager->hasSceneNode(name))
        return sceneManager->getSceneNode(name);
    return sceneManager->getRootSceneNode()->createChildSceneNode(name);
}

void sfxManager::destroyParticles(Ogre::ParticleSystem*& particles)
{
    if (particles && sceneManager)
        sceneManager->destroyParticleSystem(particles);
    particles = nullptr;
}

void sfxManager::destroyNode(Ogre::SceneNode*& node)
{
    if (node && sceneManager)
        sceneManager->destroySceneNode(node);
    node = nullptr;
}

void sfxManager::destroyAll()
{
    clear();
    if (markerObject && sceneManager)
        sceneManager->destroyManualObject(markerObject);
    markerObject = nullptr;
    for (Ogre::ParticleSystem** particles : {&sparksParticles, &hitParticles, &impactParticles, &itemParticles,
                                             &readyGaugeParticles, &smokeParticles1, &smokeParticles2})
        destroyParticles(*particles);
    for (Ogre::SceneNode** node : {&markerNode, &sparksNode, &hitNode, &impactNode, &itemNode, &smokeNode1, &smokeNode2})
        destroyNode(*node);
    // The extra-life picture is let go by showing black in its place (a
    // program without materials has none to let go).
    if (!Ogre::MaterialManager::getSingletonPtr())
        return;
    if (Ogre::TextureUnitState* unit = unitAt(findMaterial("1upMat"), 0, 0, 0))
        if (Ogre::TextureManager::getSingletonPtr())
            setUnitTexture(unit, "black.bmp");
}
