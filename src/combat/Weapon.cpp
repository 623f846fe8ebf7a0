// The gun as an object: its defaults, copies, binding to its owner's node,
// the set-up for each placement and the end of a firing cycle.
#include "combat/Weapon.h"

#include "app/EulerAngles.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/bullet.h"
#include "combat/bulletDefinition.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "core/materials/MaterialTextures.h"
#include "core/materials/ShotMaterials.h"

#include <OgreCamera.h>
#include <OgreException.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <cmath>

namespace {

const Ogre::Vector3 storedPositionDefault(0.0f, 0.0f, -10.0f);
// A fired beam keeps its records this close together in time.
constexpr float laserShotInterval = 0.01f;
constexpr float unsetTimer = 999.0f;
constexpr float fullCircle = 360.0f;
const std::string missileTrail = "missileTrail";
const std::string ribbonTrail = "Bullet_Trail";
const std::string standInLaserTexture = "notFound.jpg";
// The owner's symmetry that mirrors it, and its guns with it.
constexpr std::int32_t mirroredSymmetry = -1;

// A ship or an enemy (and so a tank) may be mirrored; other owners never are.
std::int32_t ownerSymmetry(const entity* owner)
{
    if (!owner)
        return 1;
    if (owner->kind == kindPlayer)
        return static_cast<const Player*>(owner)->symmetry;
    const auto* enemy = dynamic_cast<const Enemy*>(owner);
    return enemy ? enemy->symmetry : 1;
}

Ogre::Camera* collisionCameraIn(Ogre::SceneManager* scene)
{
    if (scene->hasCamera("PlayCollisionCam"))
        return scene->getCamera("PlayCollisionCam");
    return scene->hasCamera("PlayCam") ? scene->getCamera("PlayCam") : nullptr;
}

void destroyNode(Ogre::SceneManager* scene, Ogre::SceneNode*& node)
{
    try {
        if (Ogre::SceneNode* parent = node->getParentSceneNode())
            parent->removeChild(node);
        if (scene)
            scene->destroySceneNode(node);
    } catch (const Ogre::Exception&) {
        // A node already gone with its scene: nothing left to free.
    }
    node = nullptr;
}

} // namespace

Weapon::Weapon()
{
    setDefaults();
}

Weapon::Weapon(const Weapon& source) : Weapon()
{
    copyDefinitionFields(source);
    definition = source.definition ? source.definition : const_cast<Weapon*>(&source);
    ammo = startAmmo;
}

Weapon::~Weapon()
{
    for (bullet* beam : beams) {
        beam->releaseEffects();
        delete beam;
    }
    beams.clear();
    destroyLaserEffects();
    destroyParticles();
    if (rotationNode)
        destroyNode(sceneManager, rotationNode);
    if (sceneNode)
        destroyNode(sceneManager, sceneNode);
}

entity* Weapon::clone() const
{
    return new Weapon(*this);
}

void Weapon::setDefaults()
{
    // The fields' own initialisers hold the gun's defaults; the entity base
    // gets the gun's here.
    kind = kindWeapon;
    game = Game::getSingletonPtr();
    parentName = "Weapon_empty";
    screenName = "Empty";
    savedPosition = storedPositionDefault;
    savedOrientation = Ogre::Quaternion::IDENTITY;
    scale = Ogre::Vector3::UNIT_SCALE;
    definition = nullptr;
}

void Weapon::init(entity* owner, Level* ownerLevel, Ogre::SceneNode* parent, Ogre::SceneManager* scene)
{
    if (isToyboxCopy)
        return;
    templateObject = owner;
    level = ownerLevel;
    parentNode = parent;
    sceneManager = scene ? scene : (game ? game->sceneManager : nullptr);
    collisionCamera = sceneManager ? collisionCameraIn(sceneManager) : nullptr;
    if (!parent)
        return;
    sceneNode = parent->createChildSceneNode();
    rotationNode = sceneNode->createChildSceneNode();
}

void Weapon::reset()
{
    pressBuffer = coolDownTimer = 0.0f;
    shotTimer = TimeBetweenShoots;
    if (rotationNode && sceneNode && !rotationNode->getParent())
        sceneNode->addChild(rotationNode);
    if (isLaser) {
        beamSpline.setAutoCalculate(false);
        beamSpline.clear();
        TimeBetweenShoots = laserShotInterval;
        shotTimer = laserShotInterval;
    }
    const entity* owner = templateObject;
    isPlayerWeapon = owner && owner->kind == kindPlayer;
    isFlipped = ownerSymmetry(owner) == mirroredSymmetry;

    resetFiring();
    smokeTimer = fireTimer = unsetTimer;
    resetParticles();
    shotChannel.setPaused(true);
    shotChannel.setPosition(0);

    if (!isPlayerWeapon) {
        isChargedShot = 0;
    } else if (!isPlayerUsingAI) {
        waitBeforeShoot = waitBeforeLoop = 0.0f;
        HotTimer = 0.0;
        isAiLooping = 1;
        warmUpTime = 0.0;
        isChargedShot = 0;
    }
    setupTrail();
    setupShotDefinition();
    if (isLaser) {
        isChargedShot = 0;
        stopLasers();
    }
}

void Weapon::setupTrail()
{
    trailName = trailMaterial == missileTrail ? missileTrail : "particle_" + trailMaterial;
    if (sfxType == ribbonTrail && trailMaterial != missileTrail)
        createParticleMaterial(trailMaterial);
}

void Weapon::lockOn(const std::vector<entity*>& targets)
{
    lockTargets = targets;
    if (targets.empty())
        return;
    NumberOfShoots = static_cast<std::int32_t>(targets.size());
    setupSpread();
}

void Weapon::setupShotDefinition()
{
    bulletDefinition = nullptr;
    if (game) {
        const auto found = game->bulletLibrary.find(meshName);
        if (found != game->bulletLibrary.end())
            bulletDefinition = found->second;
    }
    if (!isLaser)
        return;
    if (!bulletDefinition) {
        laserTexture = standInLaserTexture;
        createLaserMaterials(laserTexture);
        return;
    }
    laserTexture = bulletDefinition->meshName;
    laserTextureAspect = createLaserMaterials(laserTexture);
    laserHasAlpha = resourceExists(laserTexture) && pictureHasAlpha(laserTexture);
}

void Weapon::resetFiring()
{
    lockTargets.clear();
    if (isLockOn && game)
        NumberOfShoots = game->lockMax;
    animClock = 0.0f;
    cycleState = cycleWaiting;
    isFiring = 0;
    warmUpTime = isWarmUp ? HotTimer : 0.0;
    isChargeReady = isChargeReleased = 0;
    shotTimer = salvoTimer = 0.0;
    shotsFired = 0;
    isLaserSoundPlaying = 0;
    canRotate = 0;
    currentAngle = startAngle;
    currentSpeed = speed;
    cycleTime = 0.0;
    animAngle = WeaAnimRotMiddle ? 0.0f : WeaAnimRotAngle;
    aim.yaw = 0.0f;
    aim.dirty = 1;
    isTargetSeen = 0;
    if (sceneNode) {
        sceneNode->setPosition(savedPosition);
        sceneNode->setOrientation(savedOrientation);
        aim.yaw = restYaw = sceneNode->getOrientation().getYaw().valueRadians();
        if (rotationNode)
            rotationNode->resetOrientation();
        sceneNode->needUpdate();
    }
    toEulerDegrees(rotation, savedOrientation);
    endWarmUpEffects();
    if (!isLaser) {
        setupSpread();
        return;
    }
    startAngle = 0.0f;
    salvoTimer = 0.0;
    spreadOffsetX = spreadOffsetY = 0.0f;
    shotTimer = TimeBetweenShoots;
    sideVector = Ogre::Vector3::ZERO;
}

float Weapon::salvoSize() const
{
    const float factor = isPlayerWeapon || !game ? 1.0f : game->enemyShotFactor;
    const float size = static_cast<float>(NumberOfShoots) * factor;
    return std::isfinite(size) ? size : 0.0f;
}

void Weapon::setupSpread()
{
    const float salvo = salvoSize();
    const float total = angleAdd;
    const float divisor = total == fullCircle || salvo - 1.0f == 0.0f ? salvo : salvo - 1.0f;
    if (divisor != 0.0f && std::isfinite(total / divisor))
        angleStep = total / divisor;
    if (isBurstSymetry) {
        startAngle = spreadOffsetX = spreadOffsetY = 0.0f;
    } else {
        startAngle = total == fullCircle ? (angleStep - total) * 0.5f : -total * 0.5f;
        spreadOffsetX = (salvo - 1.0f) * offsetAdd.x * 0.5f;
        spreadOffsetY = (salvo - 1.0f) * offsetAdd.y * 0.5f;
    }
    currentAngle = startAngle;
}

void Weapon::restoreOrientation()
{
    if (!sceneNode)
        return;
    sceneNode->resetOrientation();
    sceneNode->setOrientation(savedOrientation);
}
