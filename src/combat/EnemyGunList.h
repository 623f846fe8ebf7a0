// Every gun of an enemy, whatever its weapon set: the lifecycle resets them,
// hides their nodes, builds their effects and frees them all at once.
#pragma once

#include "combat/Enemy.h"
#include "combat/Weapon.h"

template <typename Action>
void forEachGun(Enemy& enemy, Action action)
{
    for (std::vector<Weapon*>& set : enemy.weaponSets)
        for (Weapon* gun : set)
            action(*gun);
}

// Deletes every gun and empties the sets; the set names stay.
inline void deleteGuns(Enemy& enemy)
{
    forEachGun(enemy, [](Weapon& gun) { delete &gun; });
    enemy.weaponSets.clear();
}
