#include "data/ReferenceCheck.h"

#include "app/Log.h"
#include "app/SoundNameCheck.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "core/effects/ExplosionElement.h"
#include "data/GameFileReader.h"
#include "data/LibraryFile.h"
#include "world/Item.h"
#include "world/Trigger.h"
#include "world/Waypoint.h"

namespace {

// An unset name ("", "none", "None") names nothing and is not checked.
template <typename Library>
void check(const Library& library, const char* kind, const std::string& name, const std::string& namer)
{
    if (isEffectNameSet(name) && library.count(name) == 0)
        logLineOnce("[ERROR] can't find " + std::string(kind) + ": " + name + namer);
}

void checkGun(const Game& game, const Weapon& gun, const std::string& owner, const std::string& file)
{
    const std::string namer = namedBy("gun " + gun.name + (owner.empty() ? "" : " of " + owner), file);
    check(game.bulletLibrary, "shot", gun.meshName, namer);
    check(game.sfxLibrary, "effect", gun.sfxFireName, namer);
    check(game.sfxLibrary, "effect", gun.sfxSmokeName, namer);
    check(game.itemLibrary, "item", gun.destroyedBulletItem, namer);
    for (const std::string* sound : {&gun.shot, &gun.impactSoundName, &gun.chargeSoundName, &gun.chargeSoundReadyName})
        checkSoundName(*sound, namer);
}

void checkGuns(const Game& game, const std::vector<std::vector<Weapon*>>& sets, const std::string& owner,
               const std::string& file)
{
    for (const std::vector<Weapon*>& set : sets)
        for (const Weapon* gun : set)
            checkGun(game, *gun, owner, file);
}

// The names a wave gives of its own, in the library or in a level, its path's
// sounds included; a level's wave takes its look, explosion and start sound
// included, from its definition.
void checkWave(const Game& game, const Wave& wave, const std::string& file)
{
    const std::string namer = namedBy("wave " + wave.waveName, file);
    check(game.itemLibrary, "item", wave.itemSpawned, namer);
    check(game.itemLibrary, "item", wave.cancelBulletItemName, namer);
    check(game.sfxLibrary, "effect", wave.startSfxName, namer);
    for (const Waypoint* waypoint : wave.waypoints)
        checkSoundName(waypoint->soundName, namer);
}

void checkItemSounds(const Game& game)
{
    for (const auto& [name, item] : game.itemLibrary) {
        const std::string namer = namedBy("item " + name, itemsFileName);
        for (const std::string* sound : {&item->soundName, &item->ForceFieldEndSound, &item->ForceFieldHitSound})
            checkSoundName(*sound, namer);
    }
}

void checkExplosionSounds(const Game& game)
{
    for (const auto& [name, explosion] : game.explosionLibrary)
        for (const ExplosionElement* element : explosion.second)
            checkSoundName(element->soundName, namedBy("explosion " + name, explosionsFileName));
}

// The sounds the game file's settings name, by their attribute; its musics
// are not sounds.
void checkGameFileSounds(const Game& game)
{
    const std::pair<const char*, std::string Game::*> settings[] = {
        {"pauseSound", &Game::pauseSound},
        {"startMenuValidate", &Game::startMenuValidate},
        {"startMenuBack", &Game::startMenuBack},
        {"startMenuGo", &Game::startMenuGo},
        {"startMenuClick", &Game::startMenuClick},
        {"startMenuStartsGame", &Game::startMenuStartsGame},
        {"Sound1up", &Game::Sound1up},
        {"gaugeReadySound", &Game::gaugeReadySound},
        {"gaugeStartSound", &Game::gaugeStartSound},
        {"cancelSoundName", &Game::cancelSoundName},
        {"textSound", &Game::textSound},
        {"HSspinnerSound", &Game::HSspinnerSound},
        {"HSleftRightSound", &Game::HSleftRightSound},
        {"HSvalidateSound", &Game::HSvalidateSound},
        {"scoreSound", &Game::scoreSound},
        {"lockSoundName", &Game::lockSoundName},
        {"lockMaxSoundName", &Game::lockMaxSoundName},
    };
    const std::string gameName = findGameName();
    const std::string file = gameName.empty() ? std::string() : gameName + ".game";
    for (const auto& [attribute, setting] : settings)
        checkSoundName(game.*setting, namedBy(attribute, file));
}

} // namespace

void checkLibraryReferences(const Game& game)
{
    for (const auto& gun : game.weaponLibrary)
        checkGun(game, *gun.second, "", weaponsFileName);
    for (const auto& wave : game.waveLibrary) {
        const std::string namer = namedBy("wave " + wave.first, wavesFileName);
        check(game.explosionLibrary, "explosion", wave.second->explosionName, namer);
        checkSoundName(wave.second->startSoundName, namer);
        checkWave(game, *wave.second, wavesFileName);
        if (!wave.second->members.empty())
            checkGuns(game, wave.second->members.front()->weaponSets, "wave " + wave.first, wavesFileName);
    }
    for (const auto& ship : game.playerLibrary) {
        const std::string namer = namedBy("ship " + ship.first, playersFileName);
        check(game.explosionLibrary, "explosion", ship.second->explosionName, namer);
        checkSoundName(ship.second->collisionSound, namer);
        checkSoundName(ship.second->collisionBulletsSound, namer);
        checkGuns(game, ship.second->weaponSets, "ship " + ship.first, playersFileName);
    }
    checkItemSounds(game);
    checkExplosionSounds(game);
    checkGameFileSounds(game);
}

void checkLevelWaveReferences(const Game& game, const std::vector<Wave*>& waves, const std::string& levelFile)
{
    for (const Wave* wave : waves)
        checkWave(game, *wave, levelFile);
}

void checkLevelTriggerReferences(const std::vector<Trigger*>& triggers, const std::string& levelFile)
{
    for (const Trigger* trigger : triggers)
        checkSoundName(trigger->soundName, namedBy("trigger " + trigger->name, levelFile));
}
