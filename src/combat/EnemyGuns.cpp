// The enemy's guns: the fixed fire step of the current weapon set, the
// switch of sets (by waypoint or trigger) and the guns' effects.
#include "combat/Enemy.h"

#include "combat/EnemyGunList.h"
#include "combat/Weapon.h"
#include "combat/WeaponEffects.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "world/PathFollower.h"
#include "world/Waypoint.h"

#include <OgreSceneNode.h>

namespace {

// The play state's fire step for enemies.
constexpr double fireStep = 1.0 / 60.0;
// Enemies fire while the game plays and while the player dies.

bool isFireAllowed(const Game* game)
{
    return game && (game->gameMode == gameModePlaying || game->gameMode == gameModePlayerDying || game->isEnemyFireOutsidePlay);
}

} // namespace

void Enemy::updateShoot(const Ogre::Vector3& target)
{
    if (weaponSets.empty())
        return;
    if (pathFollower && waypoints) {
        const std::int32_t index = pathFollower->currentIndex;
        const bool isOnPath = index >= 0 && static_cast<std::size_t>(index) < waypoints->size();
        const Waypoint* waypoint = isOnPath ? (*waypoints)[static_cast<std::size_t>(index)] : nullptr;
        if (waypoint && waypoint->isChangeWeaponSet &&
            static_cast<std::int32_t>(waypoint->weaponSetShoot) != currentWeaponSet && index != lastWeaponSetWaypoint) {
            lastWeaponSetWaypoint = index;
            resetWeapons(static_cast<std::int32_t>(waypoint->weaponSetShoot));
        }
    }
    const bool hasSet = currentWeaponSet >= 0 && static_cast<std::size_t>(currentWeaponSet) < weaponSets.size();
    if (!hasSet || !isFireAllowed(game) || !sceneNode)
        return;
    const Ogre::Vector3 forward = sceneNode->_getDerivedOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z;
    for (Weapon* weapon : weaponSets[static_cast<std::size_t>(currentWeaponSet)]) {
        weapon->aimDirection = forward;
        double step = fireStep;
        weapon->update(step, target, true);
    }
}

void Enemy::resetWeapons(std::int32_t weaponSet)
{
    const bool isSet = weaponSet >= 0 && static_cast<std::size_t>(weaponSet) < weaponSets.size();
    const std::int32_t chosen = isSet ? weaponSet : noWeaponSet;
    if (chosen == currentWeaponSet)
        return;
    currentWeaponSet = chosen;
    forEachGun(*this, [](Weapon& gun) { gun.reset(); });
}

// Making a gun's systems empties its template names, and the gun's own set-up
// has made them already: the names come back from the library gun first, so
// that the systems are made again instead of only destroyed.
void Enemy::createWeaponEffects()
{
    forEachGun(*this, [](Weapon& gun) {
        if (gun.definition)
            takeOverEffectNames(gun, *gun.definition);
        gun.createParticles();
        if (gun.isLaser)
            gun.createLaserEffects();
    });
}
