// The repeating children that ships and enemies share: a particle effect
// that follows its owner ("SFX"), a rotating part ("ROTOR"), each read into
// a new record for the owner's list, and the weapon sets ("WEAPONSET").
#pragma once

#include "data/SectionValues.h"

#include <functional>
#include <string>
#include <vector>

class Weapon;
class sfxDefinition;
struct rotor;

// Null for an element that names no effect (empty or "none"). The effect
// refers to the sfx library entry of its name.
sfxDefinition* readOwnedEffect(const SectionValues& values);
// Ships spell the part's fixed orientation "rot", enemies "Rot".
rotor* readOwnedRotor(const SectionValues& values, const char* orientationAttribute);
// The n-th "WEAPONSET" fills set n - 1 and appends its "name"; each gun
// read is handed to `bind`.
void readWeaponSets(const XmlNode& element, std::vector<std::vector<Weapon*>>& sets,
                    std::vector<std::string>& setNames, const std::function<void(Weapon& gun)>& bind);
