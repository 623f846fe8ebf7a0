// How the ship takes damage and dies.
#include "combat/Player.h"

#include "app/AudioService.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "play/Level.h"
#include "world/sfxManager.h"

#include <btBulletDynamicsCommon.h>

namespace {

// A background contact is counted at most once per frame of 1/60 s.
constexpr double backgroundHitInterval = 0.016;
// Sounds of the ship play without a position, at the library's volume.
constexpr float libraryVolume = 0.0f;

void playShipSound(const std::string& name) { playSound(name, libraryVolume, noSoundPosition, false); }

} // namespace

void Player::setLife(int newLife)
{
    Game& game = *Game::getSingletonPtr();
    game.currentLife = newLife < game.maxEnergy ? newLife : game.maxEnergy;
    if (game.currentLife > 0)
        return;
    game.currentLife = 0;
    isBlinking = true;
    // A ship already dying keeps its running death: it explodes once.
    if (status == statusDying)
        return;
    status = statusDying;
    isDeathStarted = false;
    if (body)
        body->forceActivationState(DISABLE_SIMULATION);
}

void Player::hit(std::int32_t damage, std::int32_t kind, const Ogre::Vector3& where)
{
    if (isBlinking || isFrozen)
        return;
    if (kind == hitBackground) {
        if (backgroundHitCooldown > 0.0)
            return;
        const bool justRanOut = backgroundHitCooldown > -backgroundHitInterval && backgroundHitCooldown < 0.0;
        backgroundHitCooldown = justRanOut ? backgroundHitCooldown + backgroundHitInterval : backgroundHitInterval;
    }
    isTouched = true;

    Game& game = *Game::getSingletonPtr();
    if (game.gameMode != gameModePlaying)
        return;
    if (forceField.life > 0 && damage > 0) {
        absorbForceFieldHit();
        return;
    }
    if (forceField.durationLeft > 0.0 || status != statusPlaying || invincibilityTime != 0.0f)
        return;

    if (kind == hitBackground)
        playShipSound(collisionSound);
    if (damage <= 0)
        return;
    playShipSound(collisionBulletsSound);
    if (level && level->effects)
        level->effects->emitPlayerHit(where);
    game.currentLife -= damage;
    setLife(game.currentLife);
    invincibilityTime = invicibilityTimeWhenHit;
    if (invincibilityTime > 0.0f) {
        isBlinking = true;
        setColour(game.playerInvincibleColor);
    }
}
