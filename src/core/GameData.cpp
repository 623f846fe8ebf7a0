// The exported game's libraries in the Game: read in their fixed order,
// finished after reading and freed again.
#include "core/Game.h"

#include "app/Log.h"
#include "app/SoundDefinition.h"
#include "core/effects/SpriteEffectMaterials.h"
#include "core/effects/sfxLibraryEntry.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "combat/bulletDefinition.h"
#include "data/BackgroundsReader.h"
#include "data/BulletsReader.h"
#include "data/ExplosionsReader.h"
#include "data/ItemsReader.h"
#include "data/LibraryFile.h"
#include "data/Materials3DReader.h"
#include "data/PicturesReader.h"
#include "data/PlayersReader.h"
#include "data/ReferenceCheck.h"
#include "data/SfxReader.h"
#include "data/SoundsReader.h"
#include "data/StartMenuReader.h"
#include "data/WavesReader.h"
#include "data/WaypointsReader.h"
#include "data/WeaponsReader.h"
#include "data/pictureDefinition.h"
#include "world/Item.h"
#include "world/background.h"

#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>

#include <algorithm>
#include <iterator>
#include <set>

namespace {

const char* const gameGroup = "GAMERSC";

template <typename Definition>
void freeLibrary(std::map<std::string, Definition*>& library)
{
    for (auto& entry : library)
        delete entry.second;
    library.clear();
}

// Waves and waypoint paths let go of their graphics before they are freed.
template <typename Object>
void freeEntityLibrary(std::map<std::string, Object*>& library)
{
    for (auto& entry : library) {
        entry.second->destroyGraphics();
        delete entry.second;
    }
    library.clear();
}

// Templates that are no effect of their own: the score and multiplier
// pop-ups, the editor's presets and drafts, and the names of no effect.
bool isParticlePresetLeftOut(const std::string& name)
{
    static const char* const prefixes[] = {"scoreParticles", "multiplierParticle", "presetParticle_", "ParticleNew_"};
    static const char* const names[] = {"none", "enemyChain", "defaultParticleSystem"};
    if (name.empty())
        return true;
    for (const char* prefix : prefixes)
        if (name.rfind(prefix, 0) == 0)
            return true;
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

} // namespace

void Game::loadGameData()
{
    noHighScoreSave = false;
    menuScreens.clear();
    readStartMenu(*this, "gamebox.startMenu");
    loadSoundSettings();
    autoObbCache.clear();
    loadGameboxes();
    buildToybox();
}

// Every reader skips an absent file and reports its own parse failure, so
// each line is logged whatever became of the file.
void Game::loadGameboxes()
{
    if (!gameFolder.empty()) {
        loadPicturesGamebox("gamebox.pictures", gameGroup, pictureLibrary);
        logLine("pictures gamebox loaded");
        loadPicturesGamebox("gamebox.sprites", gameGroup, spriteLibrary);
        logLine("sprites gamebox loaded");
        loadBulletsGamebox("gamebox.bullets", gameGroup, bulletLibrary);
        logLine("bullets gamebox loaded");
        loadWaypointsGamebox("gamebox.waypoints", gameGroup, waypointLibrary);
        logLine("waypoints gamebox loaded");
        loadItemsGamebox(itemsFileName, gameGroup, itemLibrary);
        logLine("items gamebox loaded");
        loadWavesGamebox(wavesFileName, gameGroup, waveLibrary);
        logLine("waves gamebox loaded");
        loadPlayersGamebox(playersFileName, gameGroup, playerLibrary);
        logLine("players gamebox loaded");
        loadBackgroundGamebox("gamebox.background", gameGroup, backgroundLibrary);
        logLine("background gamebox loaded");
        loadWeaponsGamebox(weaponsFileName, gameGroup, weaponLibrary);
        logLine("weapons gamebox loaded");
        loadExplosionsGamebox(explosionsFileName, gameGroup, explosionLibrary);
        logLine("explosions gamebox loaded");
        loadSoundsGamebox("gamebox.sounds", gameGroup, soundLibrary);
        logLine("sounds gamebox loaded");
        loadSfxGamebox(effectsFileName, gameGroup, sfxLibrary);
        logLine("sfx gamebox loaded");
        loadMaterials3DGamebox("gamebox.materials3D");
        logLine("materials3D gamebox loaded");
    }
    logLine("Gameboxes loaded");
}

void Game::buildToybox()
{
    // The engine's own menu stands in for a game that brings none.
    if (menuScreens.empty())
        readStartMenu(*this, "toybox.startMenu");
    bindWaveWeapons(waveLibrary, weaponLibrary);
    for (auto& entry : playerLibrary)
        bindWeaponSets(entry.second->weaponSets, weaponLibrary, namedBy("ship " + entry.first, playersFileName));
    loadParticlePresets();
    makeParticleTemplateMaterials();
    checkLibraryReferences(*this);
}

// Every particle template is an effect by its own name, unless the library
// already has that name; then entries that name no template are dropped,
// unless they play an animated sheet, which needs none.
void Game::loadParticlePresets()
{
    std::set<std::string> templates;
    auto iterator = Ogre::ParticleSystemManager::getSingleton().getTemplateIterator();
    for (; iterator.hasMoreElements(); iterator.moveNext()) {
        const std::string& name = iterator.peekNextKey();
        templates.insert(name);
        if (sfxLibrary.count(name) || isParticlePresetLeftOut(name))
            continue;
        auto* entry = new sfxLibraryEntry;
        entry->screenName = name;
        sfxLibrary[name] = entry;
    }
    for (auto entry = sfxLibrary.begin(); entry != sfxLibrary.end();) {
        if (entry->second->isAnimatedTexture || templates.count(entry->first)) {
            ++entry;
            continue;
        }
        delete entry->second;
        entry = sfxLibrary.erase(entry);
    }
}

void Game::clearLibraries()
{
    freeLibrary(sfxLibrary);
    freeLibrary(soundLibrary);
    freeLibrary(itemLibrary);
    freeLibrary(playerLibrary);
    freeLibrary(weaponLibrary);
    freeEntityLibrary(waveLibrary);
    freeLibrary(backgroundLibrary);
    freeLibrary(bulletLibrary);
    freeEntityLibrary(waypointLibrary);
    for (auto& explosion : explosionLibrary)
        freeExplosion(explosion.second);
    explosionLibrary.clear();
    freeLibrary(pictureLibrary);
    freeLibrary(spriteLibrary);
}
