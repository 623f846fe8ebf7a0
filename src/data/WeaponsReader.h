// Reads "gamebox.weapons" into the weapon library, and binds the guns of the
// library's owners (players, wave members) to the library guns they were
// made from.
#pragma once

#include <map>
#include <string>
#include <vector>

class Wave;
class Weapon;

// The parse-failure line of the weapon library, its own among the libraries.
extern const char* const weaponsFailureLine;
// The library gun that stands in for one of an unknown name.
extern const char* const fallbackWeaponName;

// A later gun of a name replaces the earlier one in the library; the earlier
// object is freed. A file the group lacks leaves the library as it was.
void loadWeaponsGamebox(const std::string& fileName, const std::string& group,
                        std::map<std::string, Weapon*>& library);

// Points every gun of the sets at the library gun named by its parentName,
// or at the fallback gun; when the library lacks both, the gun keeps its
// definition. A name the library lacks is logged once in an "[ERROR] " line
// that ends with `namer` (namedBy: the owner and its file).
void bindWeaponSets(const std::vector<std::vector<Weapon*>>& sets, const std::map<std::string, Weapon*>& library,
                    const std::string& namer);

// Waves are read before the weapons: the guns of each library wave's first
// member (the one its copies are made from) are bound once the weapons are in.
void bindWaveWeapons(const std::map<std::string, Wave*>& waves, const std::map<std::string, Weapon*>& library);
