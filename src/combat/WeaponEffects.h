// What the gun's particle effects and its beam's objects share: the names
// that keep each gun's systems apart, and the render-queue group they draw in.
#pragma once

#include <cstdint>
#include <string>

namespace Ogre {
class ParticleSystem;
} // namespace Ogre

class Level;
class Weapon;

// The prefix followed by the gun's address as text: names unique per gun.
std::string gunEffectName(const char* prefix, const Weapon& gun);

// The group of the player's shot effects (40 + the player's layer); the
// first layer outside play.
std::uint8_t playerShotEffectGroup(const Level* level);
// The group of the enemies' shot effects (40 + the highest wave layer).
std::uint8_t enemyShotEffectGroup(const Level* level);

// Stops the system's emission, when it exists.
void stopEmitting(Ogre::ParticleSystem* system);

// Every setting the weapon element fills, copied from the library gun, with
// the names of the entity base.
void takeOverDefinition(Weapon& gun, const Weapon& from);
// The templates of the gun's own particle systems, which making them empties.
void takeOverEffectNames(Weapon& gun, const Weapon& from);
