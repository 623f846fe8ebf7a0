// A gun, an entity of kind 10. This is its least form: the library weapon it
// takes its parameters from and the reset the player's and enemies' weapon
// levels call. Firing arrives with the combat actors.
#pragma once

#include "world/entity.h"

class Weapon : public entity {
public:
    Weapon();
    entity* clone() const override;
    // Back to the state of a weapon that has not fired yet.
    void reset();

    // The library weapon whose parameters this one uses (a library weapon
    // points to itself).
    Weapon* definition = nullptr;
};
