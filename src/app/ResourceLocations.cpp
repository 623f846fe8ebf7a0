#include "app/ResourceLocations.h"

#include "app/Log.h"
#include "app/ZipMembers.h"
#include "core/EngineMeshes.h"
#include "core/Game.h"
#include "core/materials/MaterialLookup.h"

#include <OgreException.h>
#include <OgreResourceGroupManager.h>

#include <boost/filesystem.hpp>

namespace {

bool locationExists(const std::string& path)
{
    boost::system::error_code error;
    return boost::filesystem::exists(path, error);
}

void addLocation(const ResourceLocation& location)
{
    // A missing archive makes Ogre throw and a missing folder would be silently
    // empty: both are named in the log and the game goes on without them.
    if (!locationExists(location.path)) {
        logLine("[ERROR] resource location not found: " + location.path);
        return;
    }
    // Ogre loses the archive it made when opening a damaged one throws: one
    // that is no Zip file at all is turned away first.
    if (location.type == "Zip" && !endsAsZip(location.path)) {
        logLine("[ERROR] can't open resource location " + location.path + ": not a Zip archive");
        return;
    }
    try {
        Ogre::ResourceGroupManager::getSingleton().addResourceLocation(location.path, location.type,
                                                                       location.group, false, true);
    } catch (const Ogre::Exception& e) {
        logLine("[ERROR] can't open resource location " + location.path + ": " + e.getDescription());
    }
}

void initialiseGroup(const std::string& group)
{
    try {
        initialiseScriptGroup(group);
    } catch (const Ogre::Exception& e) {
        logLine("[ERROR] can't initialise resource group " + group + ": " + e.getDescription());
    }
}

} // namespace

std::string soundFolder(const std::string& gamePath) { return gamePath + "/data/Sounds"; }

std::vector<ResourceLocation> gameResourceLocations(const std::string& gamePath,
                                                    const std::string& preferenceFolder)
{
    std::vector<ResourceLocation> locations = {
        {gamePath, "FileSystem", "Media"},
        {gamePath + "/data/data.tzn", "Zip", "Media"},
        {gamePath + "/data/Extensions.tzn", "Zip", "GAMERSC"},
        {soundFolder(gamePath), "FileSystem", "GAMERSC"},
        {soundFolder(gamePath) + "/Music", "FileSystem", "GAMERSC"},
        {soundFolder(gamePath) + "/SoundFX", "FileSystem", "GAMERSC"},
        {gamePath + "/data/game.tzn", "Zip", "GAMERSC"},
        {gamePath + "/data", "FileSystem", "GAMERSC"},
        {gamePath + "/Codec_ss.tzn", "Zip", "media"},
    };
    if (!preferenceFolder.empty())
        locations.push_back({preferenceFolder, "FileSystem", "GAMERSC"});
    return locations;
}

void createResourceGroupOnce(const std::string& group)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    if (!groups.resourceGroupExists(group))
        groups.createResourceGroup(group, group == "Media" || group == "GAMERSC");
}

namespace {

// Texture shadows make Ogre set up its shadow-volume programs at the first
// frame, whichever render system draws; their files live in Ogre's media.
void addShadowVolumeMedia()
{
    const std::string folder = std::string(ZARNITH_OGRE_MEDIA_DIR) + "/ShadowVolume";
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    if (groups.resourceLocationExists(folder, Ogre::RGN_INTERNAL))
        return;
    groups.addResourceLocation(folder, "FileSystem", Ogre::RGN_INTERNAL);
    groups.initialiseResourceGroup(Ogre::RGN_INTERNAL);
}

} // namespace

void initResourceLocations(Game& game, const std::string& gamePath)
{
    game.extensionPath = "Extensions/";
    logLine("extensionPath: " + game.extensionPath);
    logLine("resources gamepath = " + gamePath);

    createResourceGroupOnce("Media");
    createResourceGroupOnce("GAMERSC");

    for (const ResourceLocation& location : gameResourceLocations(gamePath, game.preferenceFolder))
        addLocation(location);

    initialiseGroup("Media");
    initialiseGroup("GAMERSC");
    ensureEngineMeshes();
    createResourceGroupOnce("GAMERSC_materials");
    addShadowVolumeMedia();
    logLine("resources paths initialized");
}
