#include "data/ReferenceCheck.h"

#include "app/Log.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bulletEffects.h"
#include "core/Game.h"
#include "data/LibraryFile.h"

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
}

void checkGuns(const Game& game, const std::vector<std::vector<Weapon*>>& sets, const std::string& owner,
               const std::string& file)
{
    for (const std::vector<Weapon*>& set : sets)
        for (const Weapon* gun : set)
            checkGun(game, *gun, owner, file);
}

// The names a wave gives of its own, in the library or in a level; a level's
// wave takes its look, explosion included, from its definition.
void checkWave(const Game& game, const Wave& wave, const std::string& file)
{
    const std::string namer = namedBy("wave " + wave.waveName, file);
    check(game.itemLibrary, "item", wave.itemSpawned, namer);
    check(game.itemLibrary, "item", wave.cancelBulletItemName, namer);
    check(game.sfxLibrary, "effect", wave.startSfxName, namer);
}

} // namespace

void checkLibraryReferences(const Game& game)
{
    for (const auto& gun : game.weaponLibrary)
        checkGun(game, *gun.second, "", weaponsFileName);
    for (const auto& wave : game.waveLibrary) {
        check(game.explosionLibrary, "explosion", wave.second->explosionName,
              namedBy("wave " + wave.first, wavesFileName));
        checkWave(game, *wave.second, wavesFileName);
        if (!wave.second->members.empty())
            checkGuns(game, wave.second->members.front()->weaponSets, "wave " + wave.first, wavesFileName);
    }
    for (const auto& ship : game.playerLibrary) {
        const std::string namer = namedBy("ship " + ship.first, playersFileName);
        check(game.explosionLibrary, "explosion", ship.second->explosionName, namer);
        checkGuns(game, ship.second->weaponSets, "ship " + ship.first, playersFileName);
    }
}

void checkLevelWaveReferences(const Game& game, const std::vector<Wave*>& waves, const std::string& levelFile)
{
    for (const Wave* wave : waves)
        checkWave(game, *wave, levelFile);
}
