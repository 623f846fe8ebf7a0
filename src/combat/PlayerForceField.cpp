// The force field an item gives the ship: it absorbs hits or makes the ship
// untouchable for a while.
#include "combat/Player.h"

#include "app/AudioService.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"

#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

const char* const fieldParticlesName = "ParticleFF01";
// A new field ignores hits for its first second.
constexpr double startHitCooldown = 1.0;
// A hit the field took makes it deaf to hits a little longer than the ship blinks.
constexpr double absorbedHitMargin = 0.1;

void stopAndClear(Ogre::ParticleSystem* particles)
{
    if (!particles)
        return;
    particles->setEmitting(false);
    particles->clear();
}

// The field's particles made anew from the template, on "ForceFieldNode".
void rebuildParticles(Player& ship, const std::string& particleName)
{
    Player::ForceField& field = ship.forceField;
    Ogre::SceneManager* scene = ship.sceneManager;
    // The system's name is fixed: one left by an earlier ship goes first.
    if (field.particles) {
        field.particles->detachFromParent();
        scene->destroyParticleSystem(field.particles);
        field.particles = nullptr;
    } else if (scene && scene->hasParticleSystem(fieldParticlesName)) {
        scene->destroyParticleSystem(fieldParticlesName);
    }
    field.particleName = particleName;
    field.particles = createSpriteEffect(ship.game, fieldParticlesName, particleName, scene, false, false);
    if (field.particles && ship.forceFieldNode)
        ship.forceFieldNode->attachObject(field.particles);
}

} // namespace

void Player::startForceField(float duration, int fieldLife, const std::string& particleName,
                             const std::string& endSound, float endVolume, const std::string& hitSound,
                             float hitVolume)
{
    forceField.life = fieldLife;
    forceField.hitCooldown = startHitCooldown;
    forceField.isActive = true;
    forceField.duration = duration;
    forceField.durationLeft = duration;
    forceField.endSound = endSound;
    forceField.endVolume = endVolume;
    forceField.hitSound = hitSound;
    forceField.hitVolume = hitVolume;
    forceField.hasLife = fieldLife > 0;
    if (particleName != forceField.particleName)
        rebuildParticles(*this, particleName);
    if (forceField.particles && !forceField.particleName.empty()) {
        forceField.particles->setEmitting(true);
        restartFirstEmitter(forceField.particles);
    }
}

void Player::absorbForceFieldHit()
{
    if (forceField.life <= 0 || forceField.hitCooldown > 0.0)
        return;
    --forceField.life;
    isBlinking = true;
    forceField.hitCooldown = invicibilityTimeWhenHit + absorbedHitMargin;
    invincibilityTime = static_cast<float>(forceField.hitCooldown);
    playSound(forceField.hitSound, forceField.hitVolume, noSoundPosition, false);
    if (forceField.life == 0)
        endForceField();
}

void Player::updateForceField(double dt)
{
    forceField.hitCooldown = std::max(forceField.hitCooldown - dt, 0.0);
    if (forceField.duration <= 0.0f)
        return;
    forceField.durationLeft -= dt;
    if (forceField.durationLeft >= 0.0)
        return;
    forceField.durationLeft = 0.0;
    if (!forceField.isActive)
        return;
    forceField.isActive = false;
    invincibilityTime = invicibilityTimeWhenHit;
    if (invincibilityTime > 0.0f)
        isBlinking = true;
    stopAndClear(forceField.particles);
    playSound(forceField.endSound, forceField.endVolume, noSoundPosition, false);
}

void Player::endForceField()
{
    forceField.isActive = false;
    forceField.life = 0;
    forceField.radius = 0.0f;
    // The time left goes with the given duration: nothing of the field would
    // count it down any more, and the ship would stay untouchable for good.
    forceField.duration = 0.0f;
    forceField.durationLeft = 0.0;
    stopAndClear(forceField.particles);
    playSound(forceField.endSound, forceField.endVolume, noSoundPosition, false);
}
