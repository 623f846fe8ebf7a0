// A gun, an entity of kind 10. This is its least form: the library weapon it
// takes its parameters from, the shot look and effects its shots read, and
// the reset the player's and enemies' weapon levels call. Firing arrives
// with the combat actors.
#pragma once

#include "world/entity.h"

#include <OgreVector.h>

#include <string>

class bulletDefinition;

class Weapon : public entity {
public:
    Weapon();
    entity* clone() const override;
    // Back to the state of a weapon that has not fired yet.
    void reset();

    // The library weapon whose parameters this one uses (a library weapon
    // points to itself).
    Weapon* definition = nullptr;
    // The owner is the player.
    std::uint8_t isPlayerWeapon = 0;
    // The shot definition's name in the bullet library, and the definition.
    std::string meshName;
    const ::bulletDefinition* bulletDefinition = nullptr;
    // The shot's trail: a particle template, or "Bullet_Trail" for a ribbon
    // trail drawn with the material `trailName`.
    std::string sfxType;
    std::string trailName;
    // What a shot's impact shows and plays: the particle template, the sound,
    // its volume and its pitch base and spread.
    std::string impactSfxName = "Bullet_Die";
    std::string impactSoundName = "impact.ogg";
    float impactSound_Volume = 1.0f;
    Ogre::Vector2 impactSound_pitch = Ogre::Vector2::ZERO;
};
