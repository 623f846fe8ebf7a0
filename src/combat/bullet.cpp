#include "combat/bullet.h"

#include "combat/PlayPlane.h"
#include "combat/Weapon.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletEffects.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "platform/Hash.h"
#include "platform/Random.h"
#include "play/Level.h"
#include "world/FiniteVector.h"
#include "world/Obb.h"

#include <OgreCamera.h>
#include <OgreParticleSystem.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

constexpr float smallestScale = 0.1f;
// The outline of a shot launched without a definition, and a beam's height.
constexpr float standInOutlineWidth = 4.0f;
constexpr float standInOutlineHeight = 2.0f;
constexpr float laserOutlineHeight = 2.5f;
// Speed factors of a shot launched with speed 0: it still has a heading.
constexpr float stillHeadingFactor = 0.01f;
constexpr float stillVelocityFactor = 0.001f;
constexpr float degreesToRadians = 0.017453292f;
// Seconds a beam may go unseen, by whether it is a straight beam.
constexpr float straightBeamOffscreenDelay = 0.1f;
constexpr float beamOffscreenDelay = 0.2f;
constexpr float destructibleExtraDelay = 2.0f;
constexpr float destructibleOffscreenLimit = 1.0f;
constexpr std::int32_t straightFlight = 1;
constexpr std::int32_t homingFlight = 0;
constexpr std::int32_t graduallyTurnedFlight = 6;

std::uint32_t nextSerial = 0;

Ogre::SceneNode* cameraRigOrRoot(Ogre::SceneManager* scene)
{
    Ogre::SceneNode* rig = scene->getSceneNode("CamNode1", false);
    return rig ? rig : scene->getRootSceneNode();
}

Ogre::Vector3 flat(Ogre::Vector3 v)
{
    v.y = 0.0f;
    return v;
}

// Made once: every launch looks the cameras up by name.
const std::string collisionCameraName = "PlayCollisionCam";
const std::string playCameraName = "PlayCam";

Ogre::Camera* collisionCameraOf(Ogre::SceneManager* scene)
{
    if (scene->hasCamera(collisionCameraName))
        return scene->getCamera(collisionCameraName);
    return scene->hasCamera(playCameraName) ? scene->getCamera(playCameraName) : nullptr;
}

// The shot's speeds and directions as they come from the gun, kept where a
// step of flight stays finite: data can hold "nan" or "inf".
void keepFlightFinite(bullet& b, Ogre::Vector3& direction)
{
    b.speed = finiteIn(b.speed, -largestDataReach, largestDataReach, 0.0f);
    b.acceleration = finiteIn(b.acceleration, -largestDataReach, largestDataReach, 0.0f);
    b.acceleration2 = finiteIn(b.acceleration2, -largestDataReach, largestDataReach, 0.0f);
    b.aimSpeed = finiteIn(b.aimSpeed, -largestDataReach, largestDataReach, 0.0f);
    b.changeDirectionAngle = finiteIn(b.changeDirectionAngle, -largestDataReach, largestDataReach, 0.0f);
    b.velocity = finiteOr(b.velocity, 0.0f);
    direction = finiteOr(direction, 0.0f);
}

} // namespace

std::uint32_t effectHash(const std::string& templateName)
{
    return static_cast<std::uint32_t>(platform::fnv1a64(templateName) & 0xffffffffu);
}

bullet::bullet() : serial(nextSerial++)
{
    impactEffectHash = cancelEffectHash = trailEffectHash = effectHash("");
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
    resetState();
    if (!node)
        createNode();
    if (!node)
        return;
    keepFlightFinite(*this, direction);
    camera = collisionCameraOf(sceneManager);
    weapon = gun;
    scale = shotScale >= smallestScale ? std::min(shotScale, largestDataScale) : smallestScale;
    state = stateFlying;

    Ogre::SceneNode* home = parent ? parent : cameraRigOrRoot(sceneManager);
    if (!node->getParentSceneNode())
        home->addChild(node);
    if (parent) {
        if (node->getParentSceneNode() != parent) {
            node->getParentSceneNode()->removeChild(node);
            parent->addChild(node);
        }
        if (isLaser) {
            const float parentScale = parent->_getDerivedScale().x;
            if (parentScale != 0.0f && std::isfinite(parentScale))
                speed /= parentScale;
        } else {
            node->setInheritScale(true);
        }
    }

    float width = 1.0f;
    float height = 1.0f;
    float outlineWidth = standInOutlineWidth;
    float outlineHeight = standInOutlineHeight;
    Level* level = Game::getSingletonPtr() ? Game::getSingletonPtr()->level : nullptr;
    bulletSpriteBatch* batch = level ? level->bulletBatch : nullptr;
    if (definition) {
        width = finiteIn(definition->width, 0.0f, largestDataScale, 1.0f);
        height = finiteIn(definition->heigth, 0.0f, largestDataScale, 1.0f);
        outlineWidth = definition->obbwidth;
        outlineHeight = definition->obbheigth;
        if (!isLaser) {
            isSprite = definition->isSprite;
            spriteObject = batch ? batch->objectFor(definition->meshName, isPlayerBullet) : nullptr;
        }
        effectNode->setScale(Ogre::Vector3((width + height) * 0.5f * scale));
    } else {
        spriteObject = batch ? batch->objectFor("notFound.jpg", isPlayerBullet) : nullptr;
    }
    if (isLaser) {
        width = height = 1.0f;
        outlineHeight = laserOutlineHeight;
    }

    node->setScale(scale * width, 1.0f, scale * height);
    const Ogre::Vector3 start = finiteOr(position, 0.0f);
    node->setPosition(start);
    lastPosition = start;
    cullRadius = node->_getDerivedScale().x * 2.5f;

    if (isSideAsset)
        direction = Ogre::Vector3(direction.z, direction.y, -direction.x);
    if (direction == Ogre::Vector3::ZERO) {
        node->setDirection(flat(velocity), Ogre::Node::TS_PARENT, Ogre::Vector3::NEGATIVE_UNIT_Z);
    } else {
        node->resetOrientation();
        node->setDirection(flat(direction), Ogre::Node::TS_PARENT, Ogre::Vector3::NEGATIVE_UNIT_Z);
    }

    const float pace = std::abs(speed);
    if (speed == 0.0f) {
        heading = velocity * stillHeadingFactor;
        velocity *= stillVelocityFactor;
    } else {
        heading = velocity * pace;
        velocity *= pace;
    }
    startSpeed = speed;

    turnedDirection = turnedInPlayPlane(velocity, changeDirectionAngle * degreesToRadians);
    if (changeDirectionType == graduallyTurnedFlight && changeDirectionDuration == 0.0f) {
        velocity = turnedDirection.normalisedCopy();
        heading = velocity * (speed == 0.0f ? stillHeadingFactor : pace);
    }

    isLaunched = 1;
    if (isDestructible)
        offscreenLimit = destructibleOffscreenLimit;

    if (obb) {
        obb->size.x = outlineWidth;
        obb->size.y = outlineHeight;
        obb->setPosition();
        obb->updateScreenPolygon();
    }

    createTrail();
    restartFirstEmitter(trailParticles);
    // A record comes back from its pool hidden: a shot shows its effects
    // again, a beam's record stays unseen.
    node->setVisible(!isLaser, true);
    turnSide = platform::rand() % 2 != 0;

    const Game* game = Game::getSingletonPtr();
    offscreenDelay = std::min(game ? game->bulletOutsideScreenTime : 0.0f, timeInvisibleIndividual);
    if (isLaser)
        offscreenDelay = changeDirectionType == straightFlight ? straightBeamOffscreenDelay : beamOffscreenDelay;
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
    destroyShotSystem(sceneManager, impactParticles);
    destroyShotSystem(sceneManager, cancelParticles);
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
