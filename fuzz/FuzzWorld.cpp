#include "FuzzWorld.h"

#include "data/SampleArchive.h"
#include "support/OgreTestRoot.h"

#include <OgreArchiveManager.h>
#include <OgreDefaultHardwareBufferManager.h>
#include <OgreResourceGroupManager.h>

namespace {

const char* const inputArchive = "fuzz-input";

} // namespace

FuzzWorld::FuzzWorld()
{
    sharedTestOverlaySystem();
    // Cameras and particle systems need buffers; without a render system they live in memory.
    if (!Ogre::HardwareBufferManager::getSingletonPtr())
        new Ogre::DefaultHardwareBufferManager;
    Ogre::ArchiveManager::getSingleton().addArchiveFactory(&archives);
}

void FuzzWorld::addArchiveGroup(const std::string& group, const std::string& archiveName, MemoryFiles files)
{
    archives.filesOf(archiveName) = std::move(files);
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    if (!groups.resourceGroupExists(group))
        groups.createResourceGroup(group);
    groups.addResourceLocation(archiveName, archives.getType(), group);
    groups.initialiseResourceGroup(group);
}

std::string FuzzWorld::addInputGroup(const std::string& group, const std::string& fileName,
                                     const std::vector<std::string>& companions)
{
    MemoryFiles files{{fileName, ""}};
    for (const std::string& companion : companions)
        files[companion];
    addArchiveGroup(group, inputArchive, files);
    inputName = fileName;
    input = &archives.filesOf(inputArchive)[fileName];
    return std::string(inputArchive) + "/" + fileName;
}

void FuzzWorld::storeInput(const std::uint8_t* data, std::size_t size)
{
    input->assign(reinterpret_cast<const char*>(data), size);
}

std::size_t FuzzWorld::inputOpens() { return archives.opensOf(inputArchive, inputName); }

void FuzzWorld::addSampleGroup(const std::string& group, const std::string& archive, const std::string& pattern)
{
    Ogre::ArchiveManager& manager = Ogre::ArchiveManager::getSingleton();
    Ogre::Archive* zip = manager.load(std::string(ZARNITH_GAME_DIR) + "/data/" + archive, "Zip", true);
    MemoryFiles files;
    const Ogre::StringVectorPtr names = zip->find(pattern);
    for (const std::string& name : *names)
        files[name] = zip->open(name)->getAsString();
    manager.unload(zip);
    addArchiveGroup(group, "sample-" + group, std::move(files));
}

FuzzWorld& fuzzWorld()
{
    static FuzzWorld world;
    return world;
}

std::string sampleFile(const std::string& archive, const std::string& fileName)
{
    fuzzWorld();
    return sampleArchiveText(archive, fileName);
}
