#include "core/ConfigResource.h"

#include <OgreConfigFile.h>
#include <OgreResourceGroupManager.h>

namespace {

const char* const configGroup = "ini";
const char* const configName = "config.ini";

} // namespace

bool hasConfigResource()
{
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    return resources.resourceGroupExists(configGroup)
        && !resources.findResourceFileInfo(configGroup, configName)->empty();
}

bool loadConfigResource(Ogre::ConfigFile& file)
{
    if (!hasConfigResource())
        return false;
    // Ogre refuses absolute paths here, so the file is opened by its resource name.
    Ogre::DataStreamPtr stream =
        Ogre::ResourceGroupManager::getSingleton().openResource(configName, configGroup);
    file.load(stream, "\t:=", true);
    return true;
}
