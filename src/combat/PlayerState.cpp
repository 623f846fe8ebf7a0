// The ship's state step of each frame: timers, rotors, the step of its
// status, the invincibility blink and the engine particles.
#include "combat/Player.h"

#include "app/CameraProjection.h"
#include "combat/PlayerControl.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "world/sfxDefinition.h"

#include <OgreCamera.h>
#include <OgreEntity.h>
#include <OgreParticleEmitter.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

// A ship off screen longer than this is destroyed, unless the game allows it.
constexpr float offScreenDeathSeconds = 0.5f;
constexpr std::int32_t offScreenDamage = 999;
// Slower than this the engines idle.
constexpr float engineIdleSpeed = 0.08f;
constexpr float engineRatePerSpeed = 600.0f;

} // namespace

void Player::updateState(double dt)
{
    if (!sceneNode)
        return;
    isOnScreen = 0;
    position = sceneNode->getPosition();
    if (camera)
        worldToScreen(screenPosition, sceneNode->_getDerivedPosition(), *camera);
    updateObbs();

    startInvincibleTime -= static_cast<float>(dt);
    if (startInvincibleTime < 0.0f) {
        startInvincibleTime = 0.0f;
        isStartInvincible = false;
    }
    backgroundHitCooldown -= dt;
    turnRotors(dt);

    if (status == statusIntro)
        updateIntro(dt);
    else if (status == statusDying)
        updateDeath(dt);
    else if (status == statusPlaying && !isFrozen)
        stepInPlay(dt);

    updateBlink(dt);
    updateEngineParticles();
}

void Player::stepInPlay(double dt)
{
    const Game& current = *Game::getSingletonPtr();
    isOnScreen = isSeenByCamera();
    updateForceField(dt);
    const Ogre::Vector3 where = sceneNode->_getDerivedPosition();
    if (backgroundContactTime > BgCollisionTimeBeforeHit) {
        backgroundContactTime = 0.0f;
        if (BgCollisionDamage > 0)
            hit(BgCollisionDamage, hitContact, where);
    }
    offScreenTime = isOnScreen ? 0.0f : offScreenTime + static_cast<float>(dt);
    if (!current.isPlayerOffScreenAllowed && offScreenTime > offScreenDeathSeconds)
        hit(offScreenDamage, hitOffScreen, where);
}

// The mesh's bounds against the play camera; a ship without a mesh is seen
// where its node is.
bool Player::isSeenByCamera() const
{
    if (!camera)
        return false;
    if (meshEntity)
        return camera->isVisible(meshEntity->getWorldBoundingBox(true));
    return camera->isVisible(sceneNode->_getDerivedPosition());
}

void Player::updateBlink(double dt)
{
    if (!(invincibilityTime > 0.0f))
        return;
    invincibilityTime -= static_cast<float>(dt);
    if (invincibilityTime <= 0.0f) {
        invincibilityTime = 0.0f;
        setColour(Ogre::ColourValue(0.0f, 0.0f, 0.0f, 0.0f));
        isTouched = isBlinking = false;
    } else if (!forceField.isActive) {
        const Game& current = *Game::getSingletonPtr();
        setColour(invincibleBlinkColour(current.playerInvincibleColor, current.playClock));
    }
}

// The engines burn with the ship's speed, and only while it is steered.
void Player::updateEngineParticles()
{
    float speed = velocity.length();
    if (speed < engineIdleSpeed || status != statusPlaying)
        speed = 0.0f;
    for (sfxDefinition* definition : sfxDefinitions) {
        if (!definition->sfxBehavior)
            continue;
        Ogre::ParticleEmitter* emitter = emitterAt(definition->particleSystem, 0);
        if (emitter)
            emitter->setEmissionRate(isSteering ? std::min(speed * engineRatePerSpeed, definition->savedEmissionRate)
                                                : 0.0f);
    }
}
