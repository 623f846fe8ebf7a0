// Copying a library definition into the ship: its outlines, rotating parts,
// particle definitions and weapon sets. A ship that is itself a library
// definition takes the data only; the play ship also builds what it takes.
#include "combat/Player.h"

#include "app/Log.h"
#include "combat/PlayerSettings.h"
#include "combat/Weapon.h"
#include "combat/rotor.h"
#include "core/Game.h"
#include "world/Obb.h"
#include "world/sfxDefinition.h"

namespace {

const char* const emptyGunName = "Weapon_empty";
const char* const emptyGunScreenName = "empty";

void copyOutlines(Player& ship, const Player& definition, bool isLive)
{
    for (Obb* outline : ship.outlines)
        delete outline;
    ship.outlines.clear();
    for (const Obb* model : definition.outlines) {
        auto* outline = new Obb(*model);
        outline->bindCamera(ship.sceneManager, ship.sceneNode);
        if (isLive)
            outline->init();
        ship.outlines.push_back(outline);
    }
}

void copyRotors(Player& ship, const Player& definition, bool isLive)
{
    ship.destroyRotors();
    for (rotor* part : ship.rotors)
        delete part;
    ship.rotors.clear();
    for (const rotor* model : definition.rotors)
        ship.rotors.push_back(new rotor(*model));
    if (isLive)
        ship.createRotor();
}

void copyEffects(Player& ship, const Player& definition, bool isLive)
{
    for (sfxDefinition* effect : ship.sfxDefinitions)
        delete effect;
    ship.sfxDefinitions.clear();
    for (const sfxDefinition* model : definition.sfxDefinitions) {
        auto* effect = new sfxDefinition(*model);
        if (isLive) {
            effect->sceneManager = ship.sceneManager;
            effect->layer = ship.layer;
            effect->createVisuals(ship.meshNode);
        }
        ship.sfxDefinitions.push_back(effect);
    }
}

// The library gun the definition's gun names. A name the library lacks
// takes the stand-by "Weapon_empty", shown as "empty"; null when the
// library lacks that one too.
Weapon* libraryGunFor(const Weapon& gun)
{
    std::map<std::string, Weapon*>& library = Game::getSingletonPtr()->weaponLibrary;
    auto found = library.find(gun.name);
    if (found != library.end())
        return found->second;
    found = library.find(emptyGunName);
    if (found == library.end())
        return nullptr;
    found->second->screenName = emptyGunScreenName;
    return found->second;
}

// The ship's copy of one gun of the definition, linked to its library gun.
Weapon* copyGun(Weapon& model)
{
    Weapon* entry = libraryGunFor(model);
    if (!entry) {
        logLineOnce("[ERROR] can't find weapon " + model.name + " nor " + emptyGunName + ": a default weapon instead");
        return new Weapon();
    }
    auto* gun = new Weapon(model);
    gun->definition = entry;
    gun->name = entry->name;
    if (entry->screenName == emptyGunScreenName) {
        model.name = gun->name = emptyGunName;
        model.screenName = gun->screenName = emptyGunScreenName;
        model.definition = entry;
    }
    return gun;
}

void copyWeaponSets(Player& ship, const Player& definition, bool isLive, bool isQuiet)
{
    for (std::vector<Weapon*>& set : ship.weaponSets)
        for (Weapon* gun : set)
            delete gun;
    ship.weaponSets.assign(definition.weaponSets.size(), {});
    ship.weaponSetNames = definition.weaponSetNames;
    for (std::size_t s = 0; s < definition.weaponSets.size(); ++s)
        for (Weapon* model : definition.weaponSets[s]) {
            Weapon* gun = copyGun(*model);
            ship.weaponSets[s].push_back(gun);
            if (isLive)
                gun->init(&ship, ship.level, ship.canonNode, ship.sceneManager);
            gun->isPlayerWeapon = 1;
            if (isLive)
                gun->createParticles();
            gun->createEffects(gun->definition, !isLive);
            if (!isQuiet)
                gun->reset();
            placeGun(*gun, *model);
        }
}

} // namespace

void Player::setupFromDefinition(const Player* definition, bool quiet)
{
    if (!definition)
        return;
    const bool isLive = !isLibraryDefinition;
    copyOutlines(*this, *definition, isLive);
    copyRotors(*this, *definition, isLive);
    copyEffects(*this, *definition, isLive);
    if (!quiet)
        setSfxEmitting(true);
    copyWeaponSets(*this, *definition, isLive, quiet);
}
