// Reads files out of the archives of the built sample game (data/*.tzn), or
// registers both archives as the game's resource groups.
#pragma once

#include "app/ResourceLocations.h"
#include "core/Game.h"

#include <OgreArchive.h>
#include <OgreArchiveManager.h>
#include <OgreResourceGroupManager.h>

#include <regex>
#include <set>
#include <string>

// The built sample game's folder, followed by "/".
inline const std::string sampleGameDir = std::string(ZARNITH_GAME_DIR) + "/";

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

// The names a script of "data.tzn" defines after the keyword ("particle_system",
// "material").
inline std::set<std::string> sampleScriptNames(const std::string& script, const std::string& keyword)
{
    const std::string text = sampleArchiveText("data.tzn", script);
    std::set<std::string> names;
    const std::regex definition(keyword + " ([^\\s]+)");
    for (std::sregex_iterator match(text.begin(), text.end(), definition), end; match != end; ++match)
        names.insert((*match)[1]);
    return names;
}

// Every particle template of the sample game's scripts.
inline std::set<std::string> sampleParticleTemplateNames()
{
    std::set<std::string> names = sampleScriptNames("zarnithEffects.particle", "particle_system");
    names.merge(sampleScriptNames("zarnithLevelEffects.particle", "particle_system"));
    return names;
}
