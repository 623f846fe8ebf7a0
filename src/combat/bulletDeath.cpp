// The end of a shot's flight: its impact or cancel effect and sound, the
// trail it stops feeding, and how long the record stays dying so that what
// it emitted can fade before the record goes back to its pool.
#include "combat/bullet.h"

#include "app/AudioService.h"
#include "combat/Weapon.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"
#include "play/Level.h"
#include "world/FiniteVector.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

constexpr double leastDyingTime = 0.1;
constexpr double leastRibbonDyingTime = 0.2;
constexpr double longestDyingTime = 4.0;
// Seconds of margin after the last particle of a played effect.
constexpr double playMargin = 0.1;
constexpr float longestEmitterDuration = 9999.0f;
// A dying ribbon narrows at least this fast, so it is gone within its time.
constexpr float dyingRibbonWidthChange = 10.0f;
// A shot shot down is worth nothing; the score call still runs its checks.
constexpr std::int64_t destroyedShotScore = 0;
// The cancel effect draws just above the enemy shots, after their trails.
constexpr unsigned cancelGroupOffset = 1;
constexpr Ogre::ushort cancelRenderPriority = 50000;

// Seconds a played system needs: its first emitter's duration and the
// longest life of what it emitted last, plus the margin.
double playTime(Ogre::ParticleSystem* system)
{
    const Ogre::ParticleEmitter* emitter = emitterAt(system, 0);
    if (!emitter)
        return leastDyingTime;
    const float duration = finiteIn(emitter->getDuration(), 0.0f, longestEmitterDuration, 0.0f);
    return duration + emitter->getMaxTimeToLive() + playMargin;
}

// Long enough for every effect the record holds to fade, within bounds.
double dyingTimeOf(const bullet& shot)
{
    double time = leastDyingTime;
    if (shot.impactParticles)
        time = std::max(time, playTime(shot.impactParticles));
    if (const Ogre::ParticleEmitter* trail = emitterAt(shot.trailParticles, 0))
        time = std::max(time, static_cast<double>(trail->getMaxTimeToLive()));
    if (shot.cancelParticles)
        time = std::max(time, playTime(shot.cancelParticles));
    return std::min(time, longestDyingTime);
}

// The shot ran out of life: elapsed passes its time to live only then.
bool diedOfAge(const bullet& shot)
{
    return shot.elapsed > shot.timeToLive;
}

void startCancelEffect(bullet& shot)
{
    const std::string& cancelTemplate = Game::getSingletonPtr()->cancelSfxName;
    if (cancelTemplate.empty() || !shot.cancelParticles || !shot.effectNode)
        return;
    if (!shot.cancelParticles->isAttached())
        shot.effectNode->attachObject(shot.cancelParticles);
    shot.scaleParticles(shot.cancelParticles, cancelTemplate);
    startFromBeginning(shot.cancelParticles);
}

void showImpact(bullet& shot)
{
    if (!shot.isVisible)
        return;
    const bool hasImpactEffect = shot.weapon && isEffectNameSet(shot.weapon->impactSfxName);
    if (hasImpactEffect && (!diedOfAge(shot) || Game::getSingletonPtr()->isBulletDeadAfterLifeSpawnSfx))
        shot.spawnImpactParticles();
    shot.playImpactSound();
}

// The trail particles stop being fed and leave the Level's count.
void stopTrail(bullet& shot, Level* level)
{
    if (!shot.isTrailEmitting)
        return;
    shot.isTrailEmitting = 0;
    setFirstEmitterEnabled(shot.trailParticles, false);
    if (level)
        level->trailParticleCount = std::max(level->trailParticleCount - 1, 0);
}

void fadeRibbon(bullet& shot, Level* level)
{
    if (!shot.ribbonTrail)
        return;
    shot.dyingTime = std::max(shot.dyingTime, leastRibbonDyingTime);
    if (shot.ribbonTrail->getWidthChange(0) < dyingRibbonWidthChange)
        shot.ribbonTrail->setWidthChange(0, dyingRibbonWidthChange);
    if (!shot.isRibbonCounted)
        return;
    shot.isRibbonCounted = 0;
    if (level)
        level->ribbonTrailCount = std::max(level->ribbonTrailCount - 1, 0);
}

} // namespace

void bullet::die(bool withImpact, bool cancelled)
{
    // Only a flight ends: a free record would go back to its stack twice,
    // and a dying one has played its effects and left the trail counts.
    if (state != stateFlying)
        return;
    corners.fill(Ogre::Vector3::ZERO);
    state = stateDying;
    if (!isLaser) {
        if (cancelled)
            startCancelEffect(*this);
        else if (withImpact)
            showImpact(*this);
    }
    dyingTime = dyingTimeOf(*this);
    velocity = Ogre::Vector3::ZERO;
    elapsed = offscreenTime = 0.0;
    isHoming = isLockedOn = 0;
    lockTarget = nullptr;
    isSpeedChange1Done = 0;
    Level* level = playLevel();
    stopTrail(*this, level);
    fadeRibbon(*this, level);
}

void bullet::hit()
{
    if (isInvincible)
        return;
    if (--hitPoints != 0)
        return;
    die(true, false);
    if (Level* level = playLevel())
        level->addScore(destroyedShotScore);
}

void bullet::playImpactSound()
{
    if (!weapon || diedOfAge(*this))
        return;
    const platform::Channel channel =
        playSound(weapon->impactSoundName, weapon->impactSound_Volume, noSoundPosition, false);
    if (!channel.isValid())
        return;
    const float pitch[2] = {weapon->impactSound_pitch.x, weapon->impactSound_pitch.y};
    randomizePitch(channel, pitch);
}

void bullet::spawnImpactParticles()
{
    if (!weapon || !effectNode)
        return;
    const std::string& wanted = weapon->impactSfxName;
    const std::uint32_t wantedHash = effectHash(wanted);
    if (impactParticles && impactEffectHash != wantedHash)
        destroyShotSystem(sceneManager, impactParticles);
    if (!impactParticles) {
        impactParticles = createSpriteEffect(Game::getSingletonPtr(), "particlesImpactBullet" + uniqueText(), wanted,
                                             sceneManager, true, false);
        if (!impactParticles)
            return;
        prepareShotSystem(impactParticles);
        impactEffectHash = wantedHash;
    }
    if (!impactParticles->isAttached())
        effectNode->attachObject(impactParticles);
    scaleParticles(impactParticles, wanted);
    startFromBeginning(impactParticles);
    const Level* level = playLevel();
    const unsigned layer = !level ? 0u : isPlayerBullet ? level->playerLayerIndex : level->topWaveLayerIndex;
    impactParticles->setRenderQueueGroup(shotEffectGroup(layer));
}

void bullet::spawnCancelParticles()
{
    const std::string& wanted = Game::getSingletonPtr()->cancelSfxName;
    destroyShotSystem(sceneManager, cancelParticles);
    cancelParticles = createSpriteEffect(Game::getSingletonPtr(), "particlesCancelBullet" + uniqueText(), wanted,
                                         sceneManager, true, false);
    if (!cancelParticles)
        return;
    prepareShotSystem(cancelParticles);
    const Level* level = playLevel();
    cancelParticles->setRenderQueueGroupAndPriority(
        shotEffectGroup(level ? level->topWaveLayerIndex : 0u, cancelGroupOffset), cancelRenderPriority);
    setFirstEmitterEnabled(cancelParticles, false);
    cancelParticles->setNonVisibleUpdateTimeout(0.0f);
    cancelParticles->setKeepParticlesInLocalSpace(true);
    // The plain repeat delay reads as the least one.
    if (Ogre::ParticleEmitter* first = emitterAt(cancelParticles, 0))
        first->setRepeatDelay(0.0f, 0.0f);
    cancelEffectName = wanted;
    cancelEffectHash = effectHash(wanted);
}
