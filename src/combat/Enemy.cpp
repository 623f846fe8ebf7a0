// The enemy as an object: its defaults, copies, the replacement of its owned
// parts by a definition's, and its place in the scene.
#include "combat/Enemy.h"

#include "combat/Weapon.h"
#include "core/Game.h"
#include "world/Obb.h"

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
    currentLife = previousLife = life;
    level = game ? game->level : nullptr;
}

// Outlines and guns left by destroyGraphics or setupFromDefinition go with the enemy.
Enemy::~Enemy()
{
    for (Obb* outline : outlines)
        delete outline;
    for (std::vector<Weapon*>& set : weaponSets)
        for (Weapon* weapon : set)
            delete weapon;
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

void Enemy::resetRuntimeState() {}

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

void Enemy::setupFromDefinition(const Enemy&, bool) {}

void Enemy::placeInScene(Ogre::SceneNode*, const Ogre::Quaternion&, Level*, Ogre::SceneManager*) {}
