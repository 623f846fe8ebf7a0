// Scaffold while the gun is built: the least form its callers use.
#include "combat/Weapon.h"

#include "core/Game.h"

Weapon::Weapon()
{
    setDefaults();
}

Weapon::Weapon(const Weapon& source) : Weapon()
{
    name = source.name;
    definition = source.definition ? source.definition : const_cast<Weapon*>(&source);
    isPlayerWeapon = source.isPlayerWeapon;
    meshName = source.meshName;
    bulletDefinition = source.bulletDefinition;
    sfxType = source.sfxType;
    trailName = source.trailName;
    impactSfxName = source.impactSfxName;
    impactSoundName = source.impactSoundName;
    impactSound_Volume = source.impactSound_Volume;
    impactSound_pitch = source.impactSound_pitch;
}

Weapon::~Weapon() = default;

entity* Weapon::clone() const
{
    return new Weapon(*this);
}

void Weapon::setDefaults()
{
    kind = kindWeapon;
    game = Game::getSingletonPtr();
}

void Weapon::reset() {}
