#include "core/ConfigResource.h"

#include "app/Log.h"
#include "platform/TextCodec.h"

#include <OgreArchive.h>
#include <OgreConfigFile.h>
#include <OgreDataStream.h>
#include <OgreResourceGroupManager.h>

#include <fstream>

namespace {

const char* const separators = "\t:=";

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
    std::string text = info.archive->open(info.filename)->getAsString();
    if (!platform::isUtf8Text(text)) {
        logLineOnce("[ERROR] settings file is not UTF-8 text, the template's values used: " + info.filename);
        text.clear();
    }
    file.load(Ogre::DataStreamPtr(new Ogre::MemoryDataStream(&text[0], text.size(), false, true)), separators, true);
    return true;
}

bool loadSettingsTemplate(Ogre::ConfigFile& file, const std::string& programFolder)
{
    // Without a program folder the name would be taken from the working folder.
    if (programFolder.empty())
        return false;
    std::ifstream in(programFolder + "data/config.ini_", std::ios::binary);
    if (!in)
        return false;
    file.load(Ogre::DataStreamPtr(new Ogre::FileStreamDataStream(&in, false)), separators, true);
    return true;
}
