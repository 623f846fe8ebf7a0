// Fuzz targets of the game's libraries ("gamebox.*"): each file read into a
// library of its own, which is freed again.
#include "FuzzTarget.h"

#include "app/SoundDefinition.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "core/effects/sfxLibraryEntry.h"
#include "core/materials/MaterialModule.h"
#include "data/BackgroundsReader.h"
#include "data/ExplosionsReader.h"
#include "data/ItemsReader.h"
#include "data/Materials3DReader.h"
#include "data/PicturesReader.h"
#include "data/SfxReader.h"
#include "data/SoundsReader.h"
#include "data/WaypointsReader.h"
#include "data/pictureDefinition.h"
#include "world/Item.h"
#include "world/background.h"

#include <map>

namespace {

const char* const group = "GAMERSC";

template <typename Definition>
void freeAll(std::map<std::string, Definition*>& library)
{
    for (auto& entry : library)
        delete entry.second;
}

void readPictures()
{
    std::map<std::string, pictureDefinition*> library;
    loadPicturesGamebox("gamebox.pictures", group, library);
    freeAll(library);
}

void readWaypoints()
{
    std::map<std::string, Wave*> library;
    loadWaypointsGamebox("gamebox.waypoints", group, library);
    for (auto& entry : library) {
        entry.second->destroyGraphics();
        delete entry.second;
    }
}

void readItems()
{
    std::map<std::string, Item*> library;
    loadItemsGamebox("gamebox.items", group, library);
    freeAll(library);
}

void readBackgrounds()
{
    std::map<std::string, background*> library;
    loadBackgroundGamebox("gamebox.background", group, library);
    freeAll(library);
    // The reader asks whether collision meshes exist; names from data must not pile up.
    Game::getSingletonPtr()->resourceAvailability.clear();
}

void readExplosions()
{
    explosionLibraryMap library;
    loadExplosionsGamebox("gamebox.explosions", group, library);
    for (auto& entry : library)
        freeExplosion(entry.second);
}

void readSounds()
{
    std::map<std::string, soundDefinition*> library;
    loadSoundsGamebox("gamebox.sounds", group, library);
    freeAll(library);
}

void readEffects()
{
    std::map<std::string, sfxLibraryEntry*> library;
    loadSfxGamebox("gamebox.sfx", group, library);
    freeAll(library);
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
        {"waypoints", group, "gamebox.waypoints", {}, nullptr, readWaypoints},
        {"items", group, "gamebox.items", {}, nullptr, readItems},
        {"backgrounds", group, "gamebox.background", {}, nullptr, readBackgrounds},
        {"explosions", group, "gamebox.explosions", {}, nullptr, readExplosions},
        {"sounds", group, "gamebox.sounds", {}, nullptr, readSounds},
        {"effects", group, "gamebox.sfx", {}, nullptr, readEffects},
        {"materials3D", group, "gamebox.materials3D", {}, nullptr, readMaterials},
    };
}
