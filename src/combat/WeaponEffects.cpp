// The gun's own particle effects: muzzle flash and smoke at each shot, a
// glow while it warms up and one when a charge is ready. They hang on the
// rotation node, so they turn with the gun's swing.
#include "combat/Weapon.h"
#include "combat/WeaponEffects.h"

#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "core/effects/ParticleSystemAccess.h"
#include "core/effects/SpriteEffects.h"

#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

namespace {

const std::string missileTrail = "missileTrail";

// Render priorities: the smoke under the flash, the warm-up glow above both.
constexpr Ogre::ushort effectPriority = 40001;
constexpr Ogre::ushort firePriority = 40002;
constexpr Ogre::ushort hotTimerPriority = 40003;
// A player gun's smoke and flash drawn just under the ship.
constexpr Ogre::ushort smokeUnderShipPriority = 29498;
constexpr Ogre::ushort fireUnderShipPriority = 29499;

// A system of the template on the rotation node, quiet until a shot wakes
// it; kept updated while unseen, so that a flash off screen still ends.
void makeGunSystem(Weapon& gun, Ogre::ParticleSystem*& system, std::string& templateName, const char* prefix,
                   bool isWanted)
{
    if (system || !isWanted || !isEffectNameSet(templateName))
        return;
    system = createSpriteEffect(gun.game, gunEffectName(prefix, gun), templateName, gun.sceneManager, false, false);
    if (system) {
        gun.rotationNode->attachObject(system);
        setFirstEmitterEnabled(system, false);
        system->setNonVisibleUpdateTimeout(0.0f);
        system->setEmitting(false);
    }
    // Made once per set-up: a second call must not make the system again.
    templateName.clear();
}

void order(Ogre::ParticleSystem* system, std::uint8_t group, Ogre::ushort priority)
{
    if (!system)
        return;
    system->setRenderQueueGroupAndPriority(group, priority);
    system->setEmitting(false);
}

void attachTo(Ogre::SceneNode* node, Ogre::ParticleSystem* system)
{
    if (node && system && !system->getParentSceneNode())
        node->attachObject(system);
}

void detachFrom(Ogre::SceneNode* node, Ogre::ParticleSystem* system)
{
    if (node && system && system->getParentSceneNode() == node)
        node->detachObject(system);
}

} // namespace

void Weapon::createEffects(const Weapon* definitionGun, bool isDataOnly)
{
    if (!definitionGun)
        return;
    cycleTime = 0.0;
    cycleState = cycleWaiting;
    takeOverDefinition(*this, *definitionGun);
    kind = kindWeapon;
    trailName = trailMaterial == missileTrail ? missileTrail : "particle_" + trailMaterial;
    warmUpTime = isWarmUp ? HotTimer : 0.0;
    if (isDataOnly)
        return;
    if (level)
        loadSounds();
    if (isLaser && sceneManager)
        createLaserEffects();
    if (sceneNode)
        createParticles();
}

void Weapon::createParticles()
{
    if (!sceneNode || !rotationNode)
        return;
    destroyParticles();
    makeGunSystem(*this, fireParticles, sfxFireName, "ParticleMuzzle", true);
    makeGunSystem(*this, smokeParticles, sfxSmokeName, "ParticleSmoke", true);
    makeGunSystem(*this, hotTimerParticles, hotTimerSfx, "ParticleHotTimer", isWarmUp);
    makeGunSystem(*this, chargeReadyParticles, chargeSfxReadyName, "ParticleChargeReady",
                  isPlayerWeapon && isChargedShot);
    resetParticles();
}

void Weapon::resetParticles()
{
    const std::uint8_t group = playerShotEffectGroup(level);
    const bool isUnderShip =
        isPlayerWeapon && game && !game->isBulletOnTopOfPlayer && !game->isForceWeaponFXonTopOfPlayer;
    order(chargeReadyParticles, group, effectPriority);
    order(smokeParticles, group, isUnderShip ? smokeUnderShipPriority : effectPriority);
    order(fireParticles, group, isUnderShip ? fireUnderShipPriority : firePriority);
    order(hotTimerParticles, isPlayerWeapon ? group : enemyShotEffectGroup(level), hotTimerPriority);
    for (Ogre::ParticleSystem* system : {laserEndParticles, laserImpactParticles, laserStartParticles})
        order(system, group, effectPriority);
}

void Weapon::attachParticles()
{
    for (Ogre::ParticleSystem* system : {chargeReadyParticles, hotTimerParticles, smokeParticles, fireParticles})
        attachTo(rotationNode, system);
}

void Weapon::detachParticles()
{
    for (Ogre::ParticleSystem* system : {chargeReadyParticles, hotTimerParticles, smokeParticles, fireParticles})
        detachFrom(rotationNode, system);
}

void Weapon::destroyParticles()
{
    if (!sceneManager)
        return;
    for (Ogre::ParticleSystem** system : {&fireParticles, &smokeParticles, &hotTimerParticles, &chargeReadyParticles})
        destroyShotSystem(sceneManager, *system);
}
