// The enemy's life through its statuses: reset at level start, the frame's
// step from starting to alive to dying and dead, leaving the screen, the
// invincibility limits, and its guns and effects following its state.
#include "combat/Enemy.h"

#include "app/AudioService.h"
#include "app/Curves.h"
#include "combat/EnemyGunList.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/materials/SpriteMaterialName.h"
#include "core/materials/SpriteMaterials.h"
#include "play/Level.h"
#include "world/Obb.h"
#include "world/PathFollower.h"
#include "world/sfxDefinition.h"

#include <BulletDynamics/Dynamics/btRigidBody.h>
#include <OgreEntity.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// The start sound fades in and out over half a second as the enemy comes
// back on screen or leaves it.
constexpr float startSoundFadeSeconds = 0.5f;
// A wave member gets one more second off screen than other enemies.
constexpr float waveMemberExtraOffScreenTime = 1.0f;
// The whole screen: limits that hold nothing back.
const Ogre::Vector4 wholeScreenLimits(0.0f, 1.0f, 0.0f, 1.0f);
// The wave name of a copy whose main node leaves the scene once it is dead.
const char* const copyWaveName = "copie";

bool hasInvincibilityLimits(const Game& game)
{
    return game.isInvincibilityLimits && game.invincibilityLimits != wholeScreenLimits;
}

void stopStartParticles(Ogre::ParticleSystem* particles)
{
    if (!particles)
        return;
    particles->setEmitting(false);
    setFirstEmitterEnabled(particles, false);
}

bool isStartSoundLooping(const Enemy& enemy)
{
    return enemy.wave && enemy.wave->isStartSoundLooping;
}

void restartSpriteAnimation(Enemy& enemy)
{
    if (auto* shown = static_cast<Ogre::Entity*>(enemy.movableObject))
        updateSpriteAnimationParameters(shown, true, false);
}

void disableBody(btRigidBody* body)
{
    if (body)
        body->forceActivationState(DISABLE_SIMULATION);
}

void resetNodes(Enemy& enemy)
{
    for (Ogre::SceneNode* node : {enemy.offsetNode, enemy.sceneNode, enemy.rootNode, enemy.headingNode})
        if (node) {
            node->setPosition(Ogre::Vector3::ZERO);
            node->resetOrientation();
        }
    if (enemy.spinNode)
        enemy.spinNode->resetOrientation();
    if (enemy.bodyNode) {
        enemy.bodyNode->setInheritOrientation(true);
        enemy.bodyNode->setOrientation(enemy.orientation);
        enemy.bodyNode->setScale(static_cast<float>(enemy.symmetry), 1.0f, 1.0f);
    }
}

// Effects that burn only while moving start silent.
void resetEffects(Enemy& enemy)
{
    for (sfxDefinition* effect : enemy.sfxs) {
        effect->resetEmitters();
        effect->setEmitting(effect->isEnable);
        if (effect->particleSystem && effect->sfxBehavior)
            if (Ogre::ParticleEmitter* emitter = emitterAt(effect->particleSystem, 0))
                emitter->setEmissionRate(0.0f);
    }
}

void resetOutlineFlags(Enemy& enemy)
{
    std::size_t invincible = 0;
    for (Obb* outline : enemy.outlines) {
        outline->rebuild();
        invincible += outline->isInvicible ? 1 : 0;
    }
    enemy.isAllOutlinesInvincible = !enemy.outlines.empty() && invincible == enemy.outlines.size();
    enemy.hasInvincibleOutline = invincible > 0;
}

void playStartSound(Enemy& enemy)
{
    if (!enemy.wave || enemy.wave->startSoundName.empty())
        return;
    enemy.startSoundChannel = playSound(enemy.wave->startSoundName, enemy.wave->startSoundVolume, noSoundPosition, true);
    enemy.startSoundChannel.setMode(isStartSoundLooping(enemy) ? platform::soundLoopNormal : platform::soundLoopOff);
}

void becomeAlive(Enemy& enemy)
{
    enemy.status = Enemy::statusAlive;
    enemy.aliveTime = 0.0;
    enemy.attachWeaponNodes();
    enemy.updateCollisionBoxes();
    enemy.setEffectsActive(true);
    if (enemy.startParticles) {
        enemy.startParticles->setEmitting(true);
        restartFirstEmitter(enemy.startParticles);
    }
    playStartSound(enemy);
    const bool wasShown = enemy.movableObject && enemy.movableObject->getVisible();
    enemy.setVisible(true);
    enemy.invincibilityTimer = std::max(enemy.startInvincibility, enemy.invincibilityTimer);
    if (!wasShown && enemy.isLayered && !enemy.keepSpriteAnimation)
        refreshSpriteMaterial(static_cast<Ogre::Entity*>(enemy.movableObject), enemy);
}

// The on-screen test runs every second frame; the frames between keep its answer.
void testOnScreenEverySecondFrame(Enemy& enemy)
{
    const bool isTestFrame = enemy.onScreenTestPhase == 0;
    enemy.onScreenTestPhase = isTestFrame ? 1 : 0;
    if (isTestFrame)
        enemy.isOnScreen = enemy.testOnScreen() ? 1 : 0;
}

// An enemy of a wave that still runs (and has members awake) waits for it;
// others leave once off screen longer than the Game allows.
bool hasBeenAwayTooLong(const Enemy& enemy, const Game& game)
{
    const Wave* wave = enemy.wave;
    if (wave && wave->status != Wave::statusFinished && !wave->allMembersIdle)
        return false;
    const float allowed = game.waveLifeOutsideScreenTime + (wave ? waveMemberExtraOffScreenTime : 0.0f);
    return enemy.offScreenTime > 0.0f && enemy.offScreenTime >= allowed;
}

void leaveScreen(Enemy& enemy, const Game& game)
{
    const bool waits = game.isPauseWhenUnseen;
    enemy.status = waits ? Enemy::statusPausedOffScreen : Enemy::statusInactive;
    if (isStartSoundLooping(enemy))
        fadeChannel(&enemy.startSoundChannel, startSoundFadeSeconds, true, !waits);
    forEachGun(enemy, [](Weapon& gun) { gun.reset(); });
    if (enemy.startParticles)
        enemy.startParticles->setEmitting(false);
    enemy.setEffectsActive(false);
    enemy.detachWeaponNodes();
    enemy.setVisible(false);
}

void stepAlive(Enemy& enemy, Game& game, double dt, Player* player, const std::vector<CurveSample>& curvePoints)
{
    enemy.aliveTime += dt;
    enemy.invincibilityTimer -= dt;
    enemy.updateInvincibilityLimits();
    testOnScreenEverySecondFrame(enemy);
    if (enemy.isOnScreen || game.isTestOffScreenEnemies)
        enemy.wasSeen = 1;
    Ogre::ColourValue flash(0.0f, 0.0f, 0.0f, 0.0f);
    if (enemy.hitFlashTimer > 0.0f) {
        enemy.hitFlashTimer -= static_cast<float>(dt);
        const Ogre::Vector4& hitColour = game.enemyHitColor;
        flash = Ogre::ColourValue(hitColour.x, hitColour.y, hitColour.z, 1.0f);
    }
    enemy.flashHit(flash);
    enemy.move(dt, curvePoints, player);
    if (enemy.aliveTime == 0.0 && enemy.sceneNode)
        enemy.sceneNode->_update(true, false);
    if (enemy.isOnScreen)
        enemy.updateCollisionBoxes();
    const bool isAway = !enemy.isOnScreen && enemy.wasSeen;
    enemy.offScreenTime = isAway ? enemy.offScreenTime + static_cast<float>(dt) : 0.0f;
    if (hasBeenAwayTooLong(enemy, game))
        leaveScreen(enemy, game);
}

void stepPausedOffScreen(Enemy& enemy)
{
    testOnScreenEverySecondFrame(enemy);
    if (!enemy.isOnScreen)
        return;
    enemy.status = Enemy::statusAlive;
    enemy.setEffectsActive(true);
    enemy.setVisible(true);
    enemy.attachWeaponNodes();
    if (isStartSoundLooping(enemy))
        fadeChannel(&enemy.startSoundChannel, startSoundFadeSeconds, false, false);
}

double dyingDuration(const Enemy& enemy)
{
    return enemy.destructionTime + enemy.segmentDeathInterval + enemy.extraDeathTime;
}

void stepDying(Enemy& enemy, double dt)
{
    enemy.deathTimer += static_cast<float>(dt);
    if (enemy.deathTimer > enemy.destructionTime)
        enemy.timeAfterDestruction += dt;
    enemy.updateDeath(dt);
    if (enemy.deathTimer < dyingDuration(enemy))
        return;
    enemy.status = Enemy::statusDead;
    disableBody(enemy.rigidBody);
    if (!enemy.wave || enemy.wave->killedBehavior != Wave::killedHidesMembers)
        return;
    enemy.setVisible(false);
    enemy.destroySnakeBody();
    if (enemy.waveName == copyWaveName && enemy.sceneNode)
        if (Ogre::SceneNode* parent = enemy.sceneNode->getParentSceneNode())
            parent->removeChild(enemy.sceneNode);
}

} // namespace

void Enemy::reset()
{
    resetRuntimeState();
    clearFlash();
    if (isLayered)
        restartSpriteAnimation(*this);
    destroySnakeBody();
    position = placedPosition;
    if (bodyNode)
        lastBodyPosition = bodyNode->_getDerivedPosition();
    resetNodes(*this);
    if (!isSteering && pathFollower) {
        pathFollower->owner = this;
        pathFollower->wave = wave;
        pathFollower->start();
        pathFollower->position = placedPosition;
    }
    extraDeathTime = isSnake ? snakeNumber * segmentDeathInterval * 0.5 : 0.0;
    resetEffects(*this);
    if (!wave || !game || game->sfxLibrary.count(wave->startSfxName) == 0)
        destroyStartParticles();
    startSoundChannel.stop();
    if (startParticles) {
        stopStartParticles(startParticles);
        startParticles->clear();
    }
    currentLife = previousLife = life;
    disableBody(rigidBody);
    resetWeapons(0);
    forEachGun(*this, [](Weapon& gun) { gun.reset(); });
    resetOutlineFlags(*this);
    isOutsideInvincibilityLimits = game && hasInvincibilityLimits(*game);
    hasAnimRot = AnimRot != Ogre::Vector3::ZERO;
}

// The statuses step one after another: an enemy that becomes alive takes
// its first alive step in the same frame.
void Enemy::update(double dt, Player* player, const std::vector<CurveSample>& curvePoints)
{
    if (status == statusDead)
        return;
    explosionCooldown -= static_cast<float>(dt);
    lifeTime += dt;
    laserHitCooldown -= dt;
    contactHitCooldown -= dt;
    if (status == statusStarting) {
        showLifeBar();
        if (lifeTime >= spawnDelay)
            becomeAlive(*this);
    }
    if (status == statusPausedOffScreen)
        stepPausedOffScreen(*this);
    if (status == statusAlive && game)
        stepAlive(*this, *game, dt, player, curvePoints);
    if (status == statusDying)
        stepDying(*this, dt);
}

void Enemy::die(bool immediate)
{
    deathTimer = 0.0f;
    isOnScreen = 0;
    clearFlash();
    startSoundChannel.stop();
    if (immediate) {
        status = statusDead;
        if (movableObject) {
            updateCollisionBoxes();
            destroyMesh();
        }
        return;
    }
    if (isBigLifebar && level)
        level->bossBarEnemy = nullptr;
    status = statusDying;
    const bool isCopy = wave && !wave->members.empty() && wave->members.front() != this;
    if (isCopy && wave->killedBehavior == Wave::killedHidesMembers && rootNode)
        if (Ogre::SceneNode* parent = rootNode->getParentSceneNode())
            parent->removeChild(rootNode);
    setEffectsActive(false);
    detachWeaponNodes();
    stopStartParticles(startParticles);
    if (isDeathCancelsBullets && level && game)
        level->cancelShotsOfEnemy(this, game->isSmartCancelling ? game->smartItemName : std::string());
    for (Obb* outline : outlines)
        outline->rebuild();
    forEachGun(*this, [](Weapon& gun) { gun.reset(); });
}

void Enemy::updateInvincibilityLimits()
{
    const Obb* limits = level ? level->invincibilityLimitsOutline : nullptr;
    if (!isOutsideInvincibilityLimits || !game || !hasInvincibilityLimits(*game) || !limits)
        return;
    for (const Obb* outline : outlines) {
        CollisionResult contact;
        Obb::collides(*outline, *limits, Ogre::Vector2::ZERO, contact);
        if (contact.intersect) {
            isOutsideInvincibilityLimits = 0;
            return;
        }
    }
}

void Enemy::attachWeaponNodes()
{
    forEachGun(*this, [](Weapon& gun) {
        if (gun.sceneNode && gun.parentNode && !gun.sceneNode->getParent())
            gun.parentNode->addChild(gun.sceneNode);
    });
}

void Enemy::detachWeaponNodes()
{
    forEachGun(*this, [](Weapon& gun) {
        if (gun.sceneNode)
            if (Ogre::Node* parent = gun.sceneNode->getParent())
                parent->removeChild(gun.sceneNode);
    });
}

// An effect stays off only when the wave's own member has it off too.
void Enemy::setEffectsActive(bool on)
{
    if (!on) {
        if (startParticles)
            startParticles->detachFromParent();
        for (sfxDefinition* effect : sfxs)
            effect->setEmitting(false);
        return;
    }
    if (startParticles && bodyNode && !startParticles->isAttached())
        bodyNode->attachObject(startParticles);
    const Enemy* model = wave && !wave->members.empty() ? wave->members.front() : this;
    for (std::size_t i = 0; i < sfxs.size(); ++i) {
        const bool isModelOff = i >= model->sfxs.size() || !model->sfxs[i]->isEnable;
        if (!(isModelOff && !sfxs[i]->isEnable))
            sfxs[i]->setEmitting(true);
    }
}

void Enemy::clearSfxParticles()
{
    for (sfxDefinition* effect : sfxs)
        if (effect->particleSystem)
            effect->particleSystem->clear();
}

void Enemy::returnToParentNode()
{
    if (!sceneNode || !parentNode)
        return;
    if (Ogre::SceneNode* current = sceneNode->getParentSceneNode())
        current->removeChild(sceneNode);
    parentNode->addChild(sceneNode);
    sceneNode->setPosition(placedPosition);
    position = placedPosition;
}
