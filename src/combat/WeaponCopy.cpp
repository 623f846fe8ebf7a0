// What a gun in play takes from the library gun it is copied from: every
// value the weapon element fills, and nothing of the source's firing state.
#include "combat/Weapon.h"
#include "combat/WeaponEffects.h"

void Weapon::copyDefinitionFields(const Weapon& source)
{
    takeOverDefinition(*this, source);
    // The battery placement belongs to the copy alone: a later take-over
    // from the library gun leaves where the owner put the gun.
    savedPosition = source.savedPosition;
    savedOrientation = source.savedOrientation;
}
