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
    copy->isPlayerWeapon = isPlayerWeapon;
    copy->meshName = meshName;
    copy->bulletDefinition = bulletDefinition;
    copy->sfxType = sfxType;
    copy->trailName = trailName;
    copy->impactSfxName = impactSfxName;
    copy->impactSoundName = impactSoundName;
    copy->impactSound_Volume = impactSound_Volume;
    copy->impactSound_pitch = impactSound_pitch;
    return copy;
}

void Weapon::reset()
{
    // The firing timers and bursts are cleared here once weapons fire.
}
