// The end of a shot's flight: its impact or cancel effect and sound, the
// trail it stops feeding, and how long the record stays dying so that what
// it emitted can fade before the record goes back to its pool.
#include "combat/bullet.h"

#include "app/AudioService.h"
#include "combat/ShotDeathEffects.h"
#include "combat/Weapon.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "play/Level.h"

#include <OgreParticleEmitter.h>
#include <OgreRenderQueue.h>
#include <OgreRibbonTrail.h>
#include <OgreSceneNode.h>

#include <algorithm>

namespace {

constexpr double leastDyingTime = 0.1;
constexpr double leastRibbonDyingTime = 0.2;
constexpr double longestDyingTime = ShotEffectPool::longestBurst;
// A dying ribbon narrows at least this fast, so it is gone within its time.
constexpr float dyingRibbonWidthChange = 10.0f;
// A shot shot down is worth nothing; the score call still runs its checks.
constexpr std::int64_t destroyedShotScore = 0;
// The cancel effect draws just above the enemy shots, after their trails.
constexpr unsigned cancelGroupOffset = 1;
constexpr Ogre::ushort cancelRenderPriority = 50000;
// An impact draws in its group's usual order.
constexpr Ogre::ushort impactRenderPriority = OGRE_RENDERABLE_DEFAULT_PRIORITY;

// Where the shot's death effect plays: the node the shot flies under, its
// place and facing there, and the scale its effects are drawn at.
ShotEffectPlace placeOfShot(const bullet& shot)
{
    ShotEffectPlace place;
    place.parent = shot.parent;
    place.position = shot.position;
    place.orientation = shot.orientation;
    place.nodeScale = Ogre::Vector3(shot.effectScale);
    return place;
}

// Long enough for the burst it played and its trail to fade, within
// bounds. An enemy shot stays dying as long as a cancel plays however it
// ended, so that its ribbon fades the same whether it was cancelled or not;
// and a shot whose record has played an impact stays dying as long as that
// impact plays, whatever ends it later. Both as when every record kept its
// own effects: how long records stay dying decides which free record a gun
// takes next.
double dyingTimeOf(const bullet& shot, double burstTime)
{
    double time = std::max({leastDyingTime, burstTime, shot.impactPlayTime});
    if (const Ogre::ParticleEmitter* trail = emitterAt(shot.trailParticles, 0))
        time = std::max(time, static_cast<double>(trail->getMaxTimeToLive()));
    const Level* level = playLevel();
    const ShotEffectPool* cancels = level ? level->shotDeathEffects->cancels() : nullptr;
    if (cancels && shot.pool == bullet::enemyPool)
        time = std::max(time, cancels->playTime());
    return std::min(time, longestDyingTime);
}

// The shot ran out of life: elapsed passes its time to live only then.
bool diedOfAge(const bullet& shot)
{
    return shot.elapsed > shot.timeToLive;
}

double startCancelEffect(const bullet& shot)
{
    const Level* level = playLevel();
    ShotEffectPool* cancels = level ? level->shotDeathEffects->cancels() : nullptr;
    if (!cancels)
        return 0.0;
    const ShotEffectLook look{shot.scale, shotEffectGroup(level->topWaveLayerIndex, cancelGroupOffset),
                              cancelRenderPriority};
    return cancels->burst(placeOfShot(shot), look);
}

double showImpact(bullet& shot)
{
    if (!shot.isVisible)
        return 0.0;
    const bool hasImpactEffect = shot.weapon && isEffectNameSet(shot.weapon->impactSfxName);
    double played = 0.0;
    if (hasImpactEffect && (!diedOfAge(shot) || Game::getSingletonPtr()->isBulletDeadAfterLifeSpawnSfx))
        played = shot.spawnImpactParticles();
    shot.playImpactSound();
    return played;
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
    double played = 0.0;
    if (!isLaser) {
        if (cancelled)
            played = startCancelEffect(*this);
        else if (withImpact)
            played = showImpact(*this);
    }
    dyingTime = dyingTimeOf(*this, played);
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

double bullet::spawnImpactParticles()
{
    Level* level = playLevel();
    const ShotEffectPlace place = placeOfShot(*this);
    if (!weapon || !isEffectNameSet(weapon->impactSfxName) || !level || !place.parent)
        return 0.0;
    const unsigned layer = isPlayerBullet ? level->playerLayerIndex : level->topWaveLayerIndex;
    const ShotEffectLook look{scale, shotEffectGroup(layer), impactRenderPriority};
    ShotEffectPool& impacts = level->shotDeathEffects->impacts(*place.parent->getCreator(), weapon->impactSfxName);
    impactPlayTime = impacts.burst(place, look);
    return impactPlayTime;
}
