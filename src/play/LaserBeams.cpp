// What both laser passes do to a gun around its beams' tests.
#include "play/LaserHits.h"

#include "combat/Enemy.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "core/effects/ParticleSystemAccess.h"
#include "play/ShotHits.h"

#include <OgreParticleSystem.h>

namespace laserBeams {

void beginStep(Weapon& gun, double dt)
{
    gun.laserHitTime -= dt;
    gun.laserEndPoint = gun.beams.back()->worldPosition();
}

bool releaseFinished(Weapon& gun, std::size_t k)
{
    if (gun.beams[k]->state != bullet::stateFree)
        return false;
    // A beam record's destructor releases its node and effects.
    for (std::size_t i = k; i < gun.beams.size(); ++i)
        delete gun.beams[i];
    gun.beams.resize(k);
    return true;
}

void flashImpact(Weapon& gun)
{
    if (!gun.laserImpactParticles)
        return;
    restartFirstEmitter(gun.laserImpactParticles);
    gun.laserImpactParticles->setEmitting(true);
}

} // namespace laserBeams

const std::vector<Weapon*>* currentGuns(const Enemy& enemy)
{
    const std::int32_t set = enemy.currentWeaponSet;
    if (set < 0 || static_cast<std::size_t>(set) >= enemy.weaponSets.size())
        return nullptr;
    return &enemy.weaponSets[static_cast<std::size_t>(set)];
}
