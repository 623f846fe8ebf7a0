// A member of a wave. This is its least form: the state that triggers test
// and set on it (life, status, collision outlines, weapon level). Its
// movement, guns and death arrive with the combat actors.
#pragma once

#include "world/entity.h"

#include <vector>

class Obb;
class Weapon;

class Enemy : public entity {
public:
    Enemy();
    ~Enemy() override;
    entity* clone() const override;

    // The weapon level of the value, or -1 above the last weapon set; every
    // weapon is reset when the level changes.
    void resetWeapons(int level);

    int life = 1;
    // Outlines take part in collisions while set.
    bool isCollision = true;
    std::vector<Obb*> outlines; // owned
    std::vector<std::vector<Weapon*>> weaponSets; // owned
    int weaponLevel = 0;
};
