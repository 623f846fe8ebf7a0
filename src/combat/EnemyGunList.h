// Every gun of an enemy, whatever its weapon set: the lifecycle resets them,
// hides their nodes and builds their effects all at once.
#pragma once

#include "combat/Enemy.h"

template <typename Action>
void forEachGun(Enemy& enemy, Action action)
{
    for (std::vector<Weapon*>& set : enemy.weaponSets)
        for (Weapon* gun : set)
            action(*gun);
}
