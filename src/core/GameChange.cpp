// Switching the whole game data to another exported game, and the resource
// locations of the game's enabled extensions.
#include "core/Game.h"

#include "app/AudioService.h"
#include "app/Log.h"
#include "combat/Player.h"
#include "core/materials/MaterialLookup.h"
#include "core/materials/MaterialModule.h"
#include "data/GameFileReader.h"
#include "data/LocalizationReader.h"
#include "frontend/GameHUD.h"

#include <OgreException.h>
#include <OgreResourceGroupManager.h>

#include <boost/filesystem.hpp>

#include <algorithm>
#include <vector>

namespace {

const char* const extensionGroup = "EXTENSIONS";

// The names of the folders directly inside `path`, sorted.
std::vector<std::string> subfolderNames(const std::string& path)
{
    std::vector<std::string> names;
    boost::system::error_code error;
    for (boost::filesystem::directory_iterator entry(path, error), end; !error && entry != end;
         entry.increment(error))
        if (boost::filesystem::is_directory(entry->status()))
            names.push_back(entry->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void addExtensionLocations(const std::string& folder)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    for (const char* subfolder : {"", "/icons", "/models", "/Particles", "/Sounds/Music", "/Sounds/SoundFX"})
        groups.addResourceLocation(folder + subfolder, "FileSystem", extensionGroup, false);
}

} // namespace

void Game::logResourcesInitialized() { logLine("Initialized game resources "); }

void Game::setupResourceLocations()
{
    boost::system::error_code error;
    if (extensionPath.empty() || !boost::filesystem::exists(extensionPath, error))
        return;
    try {
        bool added = false;
        for (const std::string& name : subfolderNames(extensionPath)) {
            const auto enabled = extensions.find(name);
            if (enabled == extensions.end() || !enabled->second)
                continue;
            addExtensionLocations(extensionPath + name);
            added = true;
        }
        if (!added)
            return;
        Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
        initialiseScriptGroup(extensionGroup);
        groups.loadResourceGroup(extensionGroup);
        logLine("Initialized Extentions resources ");
    } catch (const Ogre::Exception& e) {
        logLine("EXCEPTION: initGameResources extensions");
        logLine("[ERROR] game extensions not loaded: " + e.getDescription());
    }
}

void Game::changeGame()
{
    spriteEffectTextures.clear();
    releaseSounds();
    clearMaterialCaches();
    if (hud)
        hud->destroy();
    playerName.clear();
    delete player;
    player = nullptr;
    clearLibraries();
    gameFolder = pendingGameFolder;
    levelName = pendingLevelName;
    pendingGameFolder.clear();
    pendingLevelName.clear();
    extensions.clear();
    versionNumber.clear();
    logResourcesInitialized();
    if (!gameFolder.empty())
        readGameFile(*this);
    defaultTexts.clear();
    std::string defaultLanguage = "default";
    readLocalization(*this, defaultLanguage, defaultTexts);
    setupResourceLocations();
    loadGameData();
    isGameChanged = true;
    logLine("Changed game: " + gameFolder);
}
