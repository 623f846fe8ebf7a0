// Reads one file out of an archive of the built sample game (data/*.tzn).
#pragma once

#include <OgreArchive.h>
#include <OgreArchiveManager.h>

#include <string>

inline std::string sampleArchiveText(const std::string& archive, const std::string& file)
{
    Ogre::ArchiveManager& archives = Ogre::ArchiveManager::getSingleton();
    Ogre::Archive* zip = archives.load(std::string(ZARNITH_GAME_DIR) + "/data/" + archive, "Zip", true);
    const std::string text = zip->open(file)->getAsString();
    archives.unload(zip);
    return text;
}
