// Fuzz targets of the game's libraries ("gamebox.*"): each file read into
// its library of the Game, which is freed again.
#include "FuzzTarget.h"

#include "app/SoundDefinition.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "core/Game.h"
#include "core/effects/sfxLibraryEntry.h"
#include "core/materials/MaterialModule.h"
#include "data/BackgroundsReader.h"
#include "data/BulletsReader.h"
#include "data/ExplosionsReader.h"
#include "data/ItemsReader.h"
#include "data/Materials3DReader.h"
#include "data/PicturesReader.h"
#include "data/PlayersReader.h"
#include "data/SfxReader.h"
#include "data/SoundsReader.h"
#include "data/WavesReader.h"
#include "data/WaypointsReader.h"
#include "data/WeaponsReader.h"
#include "data/pictureDefinition.h"
#include "world/Item.h"
#include "world/background.h"

namespace {

const char* const group = "GAMERSC";

// Read into the Game's own library and freed by the Game, as a level change
// frees them: the fuzzer also walks the freeing of what a damaged file left.
template <typename Library, typename Reader>
void readIntoGame(const char* file, Library Game::*library, Reader reader)
{
    Game& game = *Game::getSingletonPtr();
    reader(file, group, game.*library);
    game.clearLibraries();
}

void readPictures() { readIntoGame("gamebox.pictures", &Game::pictureLibrary, loadPicturesGamebox); }
void readBullets() { readIntoGame("gamebox.bullets", &Game::bulletLibrary, loadBulletsGamebox); }
void readWaypoints() { readIntoGame("gamebox.waypoints", &Game::waypointLibrary, loadWaypointsGamebox); }
void readItems() { readIntoGame("gamebox.items", &Game::itemLibrary, loadItemsGamebox); }
void readExplosions() { readIntoGame("gamebox.explosions", &Game::explosionLibrary, loadExplosionsGamebox); }
void readSounds() { readIntoGame("gamebox.sounds", &Game::soundLibrary, loadSoundsGamebox); }
void readWaves() { readIntoGame("gamebox.waves", &Game::waveLibrary, loadWavesGamebox); }
void readPlayers() { readIntoGame("gamebox.players", &Game::playerLibrary, loadPlayersGamebox); }
void readWeapons() { readIntoGame("gamebox.weapons", &Game::weaponLibrary, loadWeaponsGamebox); }
void readEffects() { readIntoGame("gamebox.sfx", &Game::sfxLibrary, loadSfxGamebox); }

void readBackgrounds()
{
    readIntoGame("gamebox.background", &Game::backgroundLibrary, loadBackgroundGamebox);
    // The reader asks whether collision meshes exist; names from data must not pile up.
    Game::getSingletonPtr()->resourceAvailability.clear();
}

void readMaterials()
{
    loadMaterials3DGamebox("gamebox.materials3D");
    materialModule().definitions.clear();
}

} // namespace

std::vector<FuzzTarget> libraryTargets()
{
    return {
        {"pictures", group, "gamebox.pictures", {}, nullptr, readPictures},
        {"bullets", group, "gamebox.bullets", {}, nullptr, readBullets},
        {"waypoints", group, "gamebox.waypoints", {}, nullptr, readWaypoints},
        {"items", group, "gamebox.items", {}, nullptr, readItems},
        {"backgrounds", group, "gamebox.background", {}, nullptr, readBackgrounds},
        {"explosions", group, "gamebox.explosions", {}, nullptr, readExplosions},
        {"sounds", group, "gamebox.sounds", {}, nullptr, readSounds},
        {"waves", group, "gamebox.waves", {}, nullptr, readWaves},
        {"players", group, "gamebox.players", {}, nullptr, readPlayers},
        {"weapons", group, "gamebox.weapons", {}, nullptr, readWeapons},
        {"effects", group, "gamebox.sfx", {}, nullptr, readEffects},
        {"materials3D", group, "gamebox.materials3D", {}, nullptr, readMaterials},
    };
}
