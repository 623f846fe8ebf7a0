#include "combat/Weapon.h"

Weapon::Weapon()
{
    kind = kindWeapon;
}

entity* Weapon::clone() const
{
    auto* copy = new Weapon();
    copy->name = name;
    copy->definition = definition;
    return copy;
}

void Weapon::reset()
{
    // The firing timers and bursts are cleared here once weapons fire.
}
