// The gun's sounds and the effects its firing cycle switches on and off.
// The shot, warm-up and beam sounds share the gun's one looping channel:
// each new loop stops what played there, and a handle whose sound has ended
// does nothing, so a gun may fade or stop it at any time.
#include "combat/Weapon.h"
#include "combat/WeaponEffects.h"

#include "app/AudioService.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "platform/sound/SoundMode.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

namespace {

constexpr float loopFadeSeconds = 0.2f;
// How long the muzzle flash and smoke show when their emitter runs forever.
constexpr float endlessEmitterShowSeconds = 0.3f;
// A volume of 0 plays a sound at the volume of the sounds library.
constexpr float libraryVolume = 0.0f;

void loadNamed(const std::string& name, bool flag)
{
    if (isEffectNameSet(name))
        loadSound(name, flag, false, false, false);
}

// Starts the system anew and returns how long it should show.
float startShowing(Ogre::ParticleSystem* system, float current)
{
    if (!system)
        return current;
    system->setEmitting(true);
    restartFirstEmitter(system);
    const Ogre::ParticleEmitter* emitter = emitterAt(system, 0);
    const float duration = emitter ? emitter->getDuration() : 0.0f;
    return duration == 0.0f ? endlessEmitterShowSeconds : duration;
}

void countDown(float& timer, double dt, Ogre::ParticleSystem* system)
{
    timer -= static_cast<float>(dt);
    if (timer <= 0.0f)
        stopEmitting(system);
}

// The loop replaces whatever the channel played.
void startLoop(platform::Channel& channel, const std::string& name)
{
    clearChannelFade(&channel);
    channel.stop();
    channel = playSound(name, libraryVolume, noSoundPosition, false);
}

void fadeOut(platform::Channel& channel)
{
    fadeChannel(&channel, loopFadeSeconds, true, true);
}

} // namespace

void Weapon::loadSounds()
{
    if (isChargedShot)
        loadNamed(chargeSoundReadyName, false);
    loadNamed(shot, false);
    loadNamed(impactSoundName, true);
    if (isWarmUp)
        loadNamed(chargeSoundName, false);
}

void Weapon::fadeOutSound()
{
    fadeOut(shotChannel);
}

void Weapon::startMuzzleEffects()
{
    smokeTimer = startShowing(smokeParticles, smokeTimer);
    fireTimer = startShowing(fireParticles, fireTimer);
}

void Weapon::runMuzzleTimers(double dt)
{
    countDown(smokeTimer, dt, smokeParticles);
    countDown(fireTimer, dt, fireParticles);
}

void Weapon::playShotSound()
{
    const bool isHeld = !isPlayerWeapon && game && game->enemyFirePause > 0.0f;
    if (isHeld || !isEffectNameSet(shot))
        return;
    platform::Channel channel = playSound(shot, shotSound_Volume, noSoundPosition, false);
    const float pitch[2] = {shotSound_pitch.x, shotSound_pitch.y};
    if (channel.isValid())
        randomizePitch(channel, pitch);
}

void Weapon::startWarmUpEffects()
{
    if (!isWarmUpSoundPlaying && isEffectNameSet(chargeSoundName)) {
        startLoop(shotChannel, chargeSoundName);
        shotChannel.setVolume(warmUpSound_Volume);
        shotChannel.setMode(platform::soundLoopNormal);
        shotChannel.setPosition(0);
        shotChannel.setPaused(false);
        isWarmUpSoundPlaying = 1;
    }
    if (hotTimerParticles) {
        hotTimerParticles->setEmitting(true);
        restartFirstEmitter(hotTimerParticles);
    }
}

void Weapon::endWarmUpEffects()
{
    stopEmitting(hotTimerParticles);
    if (isWarmUpSoundPlaying)
        fadeOut(shotChannel);
    isWarmUpSoundPlaying = 0;
}

void Weapon::showChargeReady()
{
    if (isEffectNameSet(chargeSoundReadyName))
        playSound(chargeSoundReadyName, chargeSoundReady_Volume, noSoundPosition, false);
    if (chargeReadyParticles) {
        chargeReadyParticles->setEmitting(true);
        restartFirstEmitter(chargeReadyParticles);
    }
}

void Weapon::hideChargeReady()
{
    stopEmitting(chargeReadyParticles);
    setFirstEmitterEnabled(chargeReadyParticles, false);
}

void Weapon::startLaserSound()
{
    if (!isEffectNameSet(shot) || isLaserSoundPlaying)
        return;
    startLoop(shotChannel, shot);
    const float pitch[2] = {shotSound_pitch.x, shotSound_pitch.y};
    randomizePitch(shotChannel, pitch);
    shotChannel.setVolume(shotSound_Volume);
    shotChannel.setMode(platform::soundLoopNormal);
    shotChannel.setPosition(0);
    shotChannel.setPaused(false);
    isLaserSoundPlaying = 1;
}

void Weapon::stopLaserSound()
{
    if (isLaserSoundPlaying)
        fadeOut(shotChannel);
    isLaserSoundPlaying = 0;
}
