#include "combat/Enemy.h"

#include "combat/Weapon.h"
#include "world/Obb.h"

Enemy::Enemy() = default;

Enemy::~Enemy()
{
    for (Obb* outline : outlines)
        delete outline;
    for (std::vector<Weapon*>& set : weaponSets)
        for (Weapon* weapon : set)
            delete weapon;
}

entity* Enemy::clone() const
{
    auto* copy = new Enemy();
    copy->name = name;
    copy->life = life;
    copy->isCollision = isCollision;
    copy->templateObject = templateObject ? templateObject : const_cast<Enemy*>(this);
    // Outlines and weapon sets are copied here once enemies are built from their definitions.
    return copy;
}

void Enemy::resetWeapons(int level)
{
    const int last = static_cast<int>(weaponSets.size()) - 1;
    const int newLevel = level > last ? -1 : level;
    if (newLevel == weaponLevel)
        return;
    weaponLevel = newLevel;
    for (std::vector<Weapon*>& set : weaponSets)
        for (Weapon* weapon : set)
            weapon->reset();
}
