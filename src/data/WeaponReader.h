// Reads a "weapon" element into a gun: the element carries up to seventeen
// sections (name, timing, AI, mounting, look, fan, speeds, steering, swing,
// sounds, repeater, lock-on, ammunition, beam effects), found by name in any
// order. Used by the weapon library and by the player and wave readers.
#pragma once

#include "data/XmlFile.h"

class Weapon;

// Sections of the name, timing, lock-on and ammunition, when absent, leave
// the gun's own values; every other section writes its values whether it is
// there or not, its defaults standing in for what is missing.
void readWeapon(const XmlNode& element, Weapon& weapon);
