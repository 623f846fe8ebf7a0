// The enemy as an object: its defaults, copies, the replacement of its owned
// parts by a definition's, and its place in the scene.
#include "combat/Enemy.h"

#include "app/AudioService.h"
#include "combat/EnemyGunList.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/rotor.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "play/Level.h"
#include "world/Obb.h"
#include "world/PathFollower.h"
#include "world/RenderQueueGroups.h"
#include "world/sfxDefinition.h"

#include <OgreMovableObject.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

namespace {

const char* const playCameraName = "PlayCam";

// The sound options of the start sound: from the sounds bank, cached.
constexpr bool startSoundIs3D = false;
constexpr bool startSoundUncached = false;
constexpr bool startSoundFromPauseBank = false;

// A tank's first gun of each set fires from the cannon's muzzle.
void copyWeapons(Enemy& enemy, const Enemy& definition, bool dataOnly)
{
    deleteGuns(enemy);
    enemy.weaponSets.resize(definition.weaponSets.size());
    enemy.weaponSetNames = definition.weaponSetNames;
    for (std::size_t set = 0; set < definition.weaponSets.size(); ++set)
        for (const Weapon* source : definition.weaponSets[set]) {
            auto* weapon = new Weapon(*source);
            weapon->sceneManager = enemy.sceneManager;
            if (!dataOnly) {
                const bool isOnMuzzle = enemy.isTank && enemy.weaponSets[set].empty() && enemy.muzzleNode;
                weapon->init(&enemy, enemy.level, isOnMuzzle ? enemy.muzzleNode : enemy.bodyNode, enemy.sceneManager);
                weapon->reset();
            }
            weapon->createEffects(weapon->definition, dataOnly);
            enemy.weaponSets[set].push_back(weapon);
        }
}

void copyOutlines(Enemy& enemy, const Enemy& definition, bool dataOnly)
{
    for (Obb* outline : enemy.outlines)
        delete outline;
    enemy.outlines.clear();
    for (const Obb* source : definition.outlines) {
        auto* outline = new Obb(*source);
        if (!dataOnly) {
            outline->bindCamera(enemy.sceneManager, enemy.meshNode);
            outline->init();
        }
        enemy.outlines.push_back(outline);
    }
}

// The effects of a live enemy wait, silent, until it becomes alive.
void copyEffects(Enemy& enemy, const Enemy& definition, bool dataOnly)
{
    for (sfxDefinition* effect : enemy.sfxs)
        delete effect;
    enemy.sfxs.clear();
    for (const sfxDefinition* source : definition.sfxs) {
        auto* effect = new sfxDefinition(*source);
        if (!dataOnly) {
            effect->sceneManager = enemy.sceneManager;
            effect->layer = enemy.layer;
            effect->createVisuals(enemy.bodyNode);
            setFirstEmitterEnabled(effect->particleSystem, false);
        }
        enemy.sfxs.push_back(effect);
    }
}

// Root, main, heading, offset, spin, body and mesh nodes, each under the
// one before, all at the origin.
void buildNodeChain(Enemy& enemy)
{
    enemy.rootNode = enemy.parentNode->createChildSceneNode();
    enemy.sceneNode = enemy.rootNode->createChildSceneNode();
    enemy.headingNode = enemy.sceneNode->createChildSceneNode();
    enemy.offsetNode = enemy.headingNode->createChildSceneNode();
    enemy.spinNode = enemy.offsetNode->createChildSceneNode();
    enemy.bodyNode = enemy.spinNode->createChildSceneNode();
    enemy.meshNode = enemy.bodyNode->createChildSceneNode();
}

} // namespace

Enemy::Enemy()
{
    setDefaults();
    resetRuntimeState();
}

Enemy::Enemy(const Enemy& source) : Enemy()
{
    name = source.name;
    waveName = source.waveName;
    screenName = source.screenName;
    thumbnail = source.thumbnail;
    parentNode = source.parentNode;
    layerId = source.layerId;
    layer = source.layer;
    priority = source.priority;
    isLayered = source.isLayered;
    isCastShadows = source.isCastShadows;
    savedPosition = source.savedPosition;
    placedPosition = source.placedPosition;
    savedOrientation = source.savedOrientation;
    copyDefinitionFields(source);
    sceneManager = source.sceneManager;
    wave = source.wave;
    waypoints = source.waypoints;
    members = source.members;
    visualsBuiltHook = source.visualsBuiltHook;
    currentLife = previousLife = life;
    level = game ? game->level : nullptr;
}

// What destroyGraphics left (a definition's parts, which have no scene
// objects) goes with the enemy.
Enemy::~Enemy()
{
    for (Obb* outline : outlines)
        delete outline;
    deleteGuns(*this);
    for (rotor* part : rotors)
        delete part;
    for (sfxDefinition* effect : sfxs)
        delete effect;
    delete pathFollower;
}

entity* Enemy::clone() const
{
    return new Enemy(*this);
}

void Enemy::setDefaults()
{
    // The fields' own initialisers hold the enemy's defaults.
    game = Game::getSingletonPtr();
    name.clear();
    waveName.clear();
    bodySpriteMaterial.reset();
    tailSpriteMaterial.reset();
}

void Enemy::resetRuntimeState()
{
    status = statusInactive;
    lifeTime = aliveTime = 0.0;
    deathTimer = offScreenTime = 0.0f;
    wasSeen = 0;
    hitFlashTimer = 0.0f;
    explosionCooldown = 0.0f;
    laserHitCooldown = contactHitCooldown = 0.0;
    trackDistance = 0.0f;
    trackLength = 0.0;
    timeAfterDestruction = 0.0;
    invincibilityTimer = 0.0;
    currentWeaponSet = 0;
    onScreenTestPhase = 0;
    isInPlayCamera = 0;
    lastWeaponSetWaypoint = -1;
    isOutsideInvincibilityLimits = 1;
    keepSpriteAnimation = 0;
    history.clear();
}

// The timing of a snake's death (segmentDeathInterval, extraDeathTime) is
// not copied: copies keep their own.
void Enemy::copyDefinitionFields(const Enemy& source)
{
    isTank = source.isTank;
    life = source.life;
    score = source.score;
    scoreWhenHit = source.scoreWhenHit;
    damage = source.damage;
    isAllOutlinesInvincible = source.isAllOutlinesInvincible;
    hasInvincibleOutline = source.hasInvincibleOutline;
    isCollideWPlayer = source.isCollideWPlayer;
    isCollideWBullets = source.isCollideWBullets;
    isCollideWEnemyBullets = source.isCollideWEnemyBullets;
    isGround = source.isGround;
    destructionTime = source.destructionTime;
    spawnDelay = source.spawnDelay;
    AnimRot = source.AnimRot;
    sinSpeed = source.sinSpeed;
    sindistance = source.sindistance;
    isKeepFormation = source.isKeepFormation;
    isBigLifebar = source.isBigLifebar;
    symmetry = source.symmetry;
    isSteering = source.isSteering;
    isDeathCancelsBullets = source.isDeathCancelsBullets;
    isHidden = source.isHidden;
    isDontFireIfNearPlayer = source.isDontFireIfNearPlayer;
    dontFireRadius = source.dontFireRadius;
    deathTranslation = source.deathTranslation;
    deathRotation = source.deathRotation;
    timeAfterDestruction = source.timeAfterDestruction;
    isSnake = source.isSnake;
    snakeNumber = source.snakeNumber;
    snakeDistance = source.snakeDistance;
    isSnakeHeadInvincible = source.isSnakeHeadInvincible;
    isSnakeTailInvincible = source.isSnakeTailInvincible;
    isSnakeBodyInvincible = source.isSnakeBodyInvincible;
    WP_GlobalSpeedMult = source.WP_GlobalSpeedMult;
}

void Enemy::setupFromDefinition(const Enemy& definition, bool dataOnly)
{
    copyWeapons(*this, definition, dataOnly);
    copyOutlines(*this, definition, dataOnly);
    destroyRotorMeshes();
    for (rotor* part : rotors)
        delete part;
    rotors.clear();
    for (const rotor* part : definition.rotors)
        rotors.push_back(new rotor(*part));
    copyEffects(*this, definition, dataOnly);
    if (dataOnly)
        return;
    createRotorMeshes();
    createWeaponEffects();
}

void Enemy::placeInScene(Ogre::SceneNode* parent, const Ogre::Quaternion& startOrientation, Level* newLevel,
                         Ogre::SceneManager* scene)
{
    sceneManager = scene ? scene : (newLevel ? newLevel->sceneManager : nullptr);
    level = newLevel;
    if (!sceneManager)
        return;
    if (rootNode)
        destroyMesh();
    playCamera = sceneManager->hasCamera(playCameraName) ? sceneManager->getCamera(playCameraName) : nullptr;
    currentLife = previousLife = life;
    orientation = startOrientation;
    parentNode = parent ? parent : sceneManager->getRootSceneNode();
    buildNodeChain(*this);
    loadMesh();
    const bool hasSprite = wave && !wave->spriteName.empty();
    if (hasSprite)
        isLayered = 1;
    else if (movableObject)
        movableObject->setRenderQueueGroup(unlayeredRenderQueueGroup);
    sceneNode->setPosition(Ogre::Vector3::ZERO);
    bodyNode->setOrientation(orientation);
    createStartParticles();
    if (wave)
        loadSound(wave->startSoundName, false, startSoundIs3D, startSoundUncached, startSoundFromPauseBank);
    if (!isSteering && !pathFollower) {
        pathFollower = new PathFollower();
        pathFollower->init(sceneManager, level, playCamera, waypoints, headingNode, sceneNode);
        pathFollower->speedMult = WP_GlobalSpeedMult;
        pathFollower->owner = this;
    }
    sceneNode->_update(true, false);
}
