// Reads one file out of an archive of the built sample game (data/*.tzn), or
// registers both archives as the game's resource groups.
#pragma once

#include "app/ResourceLocations.h"
#include "core/Game.h"

#include <OgreArchive.h>
#include <OgreArchiveManager.h>
#include <OgreResourceGroupManager.h>

#include <string>

inline std::string sampleArchiveText(const std::string& archive, const std::string& file)
{
    Ogre::ArchiveManager& archives = Ogre::ArchiveManager::getSingleton();
    Ogre::Archive* zip = archives.load(std::string(ZARNITH_GAME_DIR) + "/data/" + archive, "Zip", true);
    const std::string text = zip->open(file)->getAsString();
    archives.unload(zip);
    return text;
}

// The built sample game's two archives as the resource groups "Media" and
// "GAMERSC", and the game folder set so that the game's own group is searched.
inline void addSampleArchives(Game& game)
{
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    createResourceGroupOnce("Media");
    createResourceGroupOnce("GAMERSC");
    resources.addResourceLocation(std::string(ZARNITH_GAME_DIR) + "/data/data.tzn", "Zip", "Media");
    resources.addResourceLocation(std::string(ZARNITH_GAME_DIR) + "/data/game.tzn", "Zip", "GAMERSC");
    game.gameFolder = std::string(ZARNITH_GAME_DIR) + "/";
}
