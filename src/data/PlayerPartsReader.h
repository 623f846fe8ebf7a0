// The repeating children of a "player" element: the particle effects that
// follow the ship ("SFX"), its outlines ("OBB"), its rotating parts
// ("ROTOR") and its weapon sets ("WEAPONSET"). Each appends to the ship's
// lists in document order.
#pragma once

#include "data/PlayersReader.h"

void readPlayerEffects(const XmlNode& element, Player& player);
// The last outline marked as a hit box gives the hit-box index; the first
// outline always counts as a hit box.
void readPlayerOutlines(const XmlNode& element, Player& player);
void readPlayerRotors(const XmlNode& element, Player& player);
// The n-th "WEAPONSET" fills set n - 1. An instance's guns are bound to the
// level and the ship's mesh node as they are read.
void readPlayerWeaponSets(const XmlNode& element, Player& player, Level* level, PlayerElementMode mode);
