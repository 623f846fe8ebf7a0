#include "data/WeaponsReader.h"

#include "app/Log.h"
#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "data/LibraryFile.h"
#include "data/WeaponReader.h"

#include <memory>

const char* const weaponsFailureLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument weapon";
const char* const fallbackWeaponName = "Weapon_empty";

void loadWeaponsGamebox(const std::string& fileName, const std::string& group,
                        std::map<std::string, Weapon*>& library)
{
    readLibraryFile(fileName, group, "weapon", weaponsFailureLine, [&library](const XmlNode& element) {
        auto weapon = std::make_unique<Weapon>();
        readWeapon(element, *weapon);
        // The library key is the gun's own name; copies find their library
        // gun again through it.
        weapon->parentName = weapon->name;
        weapon->definition = weapon.get();
        weapon->isLibraryDefinition = 1;
        Weapon*& slot = library[weapon->name];
        // Nothing else holds the replaced gun.
        delete slot;
        slot = weapon.release();
    });
}

void bindWeaponSets(const std::vector<std::vector<Weapon*>>& sets, const std::map<std::string, Weapon*>& library,
                    const std::string& namer)
{
    const auto fallback = library.find(fallbackWeaponName);
    for (const std::vector<Weapon*>& set : sets)
        for (Weapon* weapon : set) {
            const auto named = library.find(weapon->parentName);
            if (named != library.end()) {
                weapon->definition = named->second;
            } else if (fallback != library.end()) {
                weapon->definition = fallback->second;
                logLineOnce("[ERROR] can't find weapon: " + weapon->parentName + namer);
            } else {
                logLineOnce("[ERROR] weapon not found, nor " + std::string(fallbackWeaponName) + ": " +
                            weapon->parentName + namer);
            }
        }
}

void bindWaveWeapons(const std::map<std::string, Wave*>& waves, const std::map<std::string, Weapon*>& library)
{
    for (const auto& entry : waves)
        if (!entry.second->members.empty())
            bindWeaponSets(entry.second->members.front()->weaponSets, library,
                           namedBy("wave " + entry.first, wavesFileName));
}
