// A shot record's life outside flight: made with its outline, reset for its
// pool, launched (ShotLaunches.cpp) and given back with its effects; the
// node of a record that shows a trail or a beam, and the record's place as
// Ogre sees it.
#include "combat/bullet.h"

#include "combat/ShotLaunches.h"
#include "combat/ShotSpace.h"
#include "combat/ShotSteering.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "world/Obb.h"

#include <OgreParticleSystem.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

constexpr float destructibleExtraDelay = 2.0f;

std::uint32_t nextSerial = 0;

} // namespace

bullet::bullet() : serial(nextSerial++)
{
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
    node = sceneManager->createSceneNode();
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

bool bullet::isNodePlaced() const
{
    return node && node->getParent();
}

void bullet::placeNode()
{
    if (!node || !parent)
        return;
    // The parent is told that its children all change: it brings them up to
    // date in one pass at the next render, instead of each node written
    // under it queueing itself in its sorted set of children to update, one
    // allocation each. Not the scene's root: its children are the whole
    // scene.
    if (parent->getParent())
        parent->needUpdate();
    if (node->getParent() != parent) {
        if (Ogre::SceneNode* old = node->getParentSceneNode())
            old->removeChild(node);
        parent->addChild(node);
    }
    // Each write asks Ogre for an update: only what changed is written.
    if (node->getPosition() != position)
        node->setPosition(position);
    if (node->getOrientation() != orientation)
        node->setOrientation(orientation);
    if (node->getScale() != size)
        node->setScale(size);
    const Ogre::Vector3 effectSize(effectScale);
    if (effectNode && effectNode->getScale() != effectSize)
        effectNode->setScale(effectSize);
}

Ogre::Vector3 bullet::worldPosition() const
{
    if (isNodePlaced())
        return node->_getDerivedPosition();
    return worldOf(position, orientation, size, takeParentSpace(parent)).position;
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
    if (changeDirectionType == shotSteering::homingFlight)
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
