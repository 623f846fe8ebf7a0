// A shot record's life outside flight: made with its node and outline, reset
// for its pool, launched (ShotLaunches.cpp) and given back with its effects.
#include "combat/bullet.h"

#include "combat/ShotLaunches.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "platform/Hash.h"
#include "world/Obb.h"

#include <OgreParticleSystem.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

constexpr float destructibleExtraDelay = 2.0f;
constexpr std::int32_t homingFlight = 0;

std::uint32_t nextSerial = 0;

Ogre::SceneNode* cameraRigOrRoot(Ogre::SceneManager* scene)
{
    Ogre::SceneNode* rig = scene->getSceneNode("CamNode1", false);
    return rig ? rig : scene->getRootSceneNode();
}

} // namespace

std::uint32_t effectHash(const std::string& templateName)
{
    return static_cast<std::uint32_t>(platform::fnv1a64(templateName) & 0xffffffffu);
}

bullet::bullet() : serial(nextSerial++)
{
    trailEffectHash = effectHash("");
    resetState();
}

bullet::~bullet()
{
    releaseEffects();
}

std::string bullet::uniqueText() const
{
    return std::to_string(serial);
}

void bullet::createNode()
{
    if (node || !sceneManager)
        return;
    node = cameraRigOrRoot(sceneManager)->createChildSceneNode();
    if (isLaser) {
        obb = new Obb();
        obb->isAttached = 1;
        obb->size = Ogre::Vector3(1.0f, 1.0f, 0.0f);
        obb->bindCamera(sceneManager, node);
        obb->init();
    }
    effectNode = node->createChildSceneNode();
    effectNode->setInheritScale(false);
    trailEffectName.clear();
}

void bullet::resetState()
{
    state = stateFree;
    lastHitTarget = nullptr;
    lockTarget = nullptr;
    isVisible = isHoming = isLockedOn = 0;
    dyingTime = elapsed = offscreenTime = 0.0;
    isChangingDirection = isDirectionChangeDone = 0;
    isSpeedChange1Done = isSpeedChange1Started = isSpeedChange2Started = 0;
    isTrailEmitting = 0;
    corners.fill(Ogre::Vector3::ZERO);
    const Game* game = Game::getSingletonPtr();
    const float outsideTime = game ? game->bulletOutsideScreenTime : 0.0f;
    offscreenDelay = std::min(outsideTime, timeInvisibleIndividual);
    if (isDestructible)
        offscreenDelay += destructibleExtraDelay;
    if (isLaser)
        offscreenDelay = 0.0f;
    if (changeDirectionType == homingFlight)
        isHoming = changeDirectionDuration > 0.0f;
    hitTargets.clear();
}

void bullet::launch(Weapon* gun, const Ogre::Vector3& position, float shotScale, Ogre::Vector3& direction,
                    Ogre::SceneNode* parent, const bulletDefinition* definition)
{
    ShotLaunches().launch(*this, gun, position, shotScale, direction, parent, definition);
}

void bullet::destroyParticles()
{
    if (trailParticles)
        trailParticles->setEmitting(false);
    destroyShotSystem(sceneManager, trailParticles);
    trailEffectName.clear();
}

void bullet::destroyRibbonTrail()
{
    if (ribbonTrail) {
        if (ribbonTrail->isAttached())
            ribbonTrail->detachFromParent();
        sceneManager->destroyRibbonTrail(ribbonTrail);
        ribbonTrail = nullptr;
    }
    trailEffectName.clear();
}

void bullet::releaseEffects()
{
    if (!sceneManager)
        return;
    destroyParticles();
    destroyRibbonTrail();
    if (pool == noPool) {
        delete obb;
        obb = nullptr;
    }
    if (effectNode) {
        sceneManager->destroySceneNode(effectNode);
        effectNode = nullptr;
    }
    if (node) {
        if (node->getParentSceneNode())
            node->getParentSceneNode()->removeChild(node);
        sceneManager->destroySceneNode(node);
        node = nullptr;
    }
    hitTargets.clear();
}
