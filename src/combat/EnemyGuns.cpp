// The enemy's guns: the fixed fire step of the current weapon set, the
// switch of sets (by waypoint or trigger) and the guns' effects.
#include "combat/Enemy.h"

#include "combat/Weapon.h"

void Enemy::updateShoot(const Ogre::Vector3&) {}

void Enemy::resetWeapons(std::int32_t weaponSet)
{
    const bool isSet = weaponSet >= 0 && static_cast<std::size_t>(weaponSet) < weaponSets.size();
    const std::int32_t chosen = isSet ? weaponSet : noWeaponSet;
    if (chosen == currentWeaponSet)
        return;
    currentWeaponSet = chosen;
    for (std::vector<Weapon*>& set : weaponSets)
        for (Weapon* weapon : set)
            weapon->reset();
}

void Enemy::createWeaponEffects() {}
