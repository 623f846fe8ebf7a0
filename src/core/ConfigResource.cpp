#include "core/ConfigResource.h"

#include <OgreArchive.h>
#include <OgreConfigFile.h>
#include <OgreResourceGroupManager.h>

namespace {

// The file's entries in group "ini"; empty when the group or the file is missing.
Ogre::FileInfoListPtr findConfigFile()
{
    Ogre::ResourceGroupManager& resources = Ogre::ResourceGroupManager::getSingleton();
    if (!resources.resourceGroupExists("ini"))
        return std::make_shared<Ogre::FileInfoList>();
    return resources.findResourceFileInfo("ini", "config.ini");
}

} // namespace

bool hasConfigResource() { return !findConfigFile()->empty(); }

bool loadConfigResource(Ogre::ConfigFile& file)
{
    const Ogre::FileInfoListPtr found = findConfigFile();
    if (found->empty())
        return false;
    // Opened through the archive that holds it: the group's index does not know
    // a file written after the group was set up, and Ogre refuses absolute paths.
    const Ogre::FileInfo& info = found->front();
    file.load(info.archive->open(info.filename), "\t:=", true);
    return true;
}
