#include "data/SfxReader.h"

#include "core/ResourceAvailability.h"
#include "core/effects/sfxLibraryEntry.h"
#include "data/LibraryFile.h"

#include <OgreString.h>

#include <cstring>

namespace {

void readFlag(const XmlNode& node, const char* name, std::uint8_t& target)
{
    bool value = target != 0;
    readOptional(node, name, value);
    target = value ? 1 : 0;
}

sfxLibraryEntry* readEntry(const XmlNode& node)
{
    auto* entry = new sfxLibraryEntry;
    entry->screenName = reportedRequiredText(node, "screenName");
    readFlag(node, "Sfx", entry->isSfx);
    readOptional(node, "duration", entry->duration);
    readFlag(node, "isLooping", entry->isLooping);
    readFlag(node, "isLocalSpace", entry->isLocalSpace);
    // Both names fill the one pair; the later one read stays.
    readOptional(node, "lineColumn", entry->columnsRows);
    readOptional(node, "columnsRows", entry->columnsRows);
    readFlag(node, "isAnimatedTexture", entry->isAnimatedTexture);
    readFlag(node, "entitySfx", entry->entitySfx);
    readFlag(node, "bulletSfx", entry->bulletSfx);
    readFlag(node, "weaponSfx", entry->weaponSfx);
    readFlag(node, "explosionSfx", entry->explosionSfx);
    readFlag(node, "hotTimerSfx", entry->hotTimerSfx);
    readFlag(node, "itemSfx", entry->itemSfx);
    readFlag(node, "customParticleEffect", entry->customParticleEffect);
    readFlag(node, "isLaserSfx", entry->isLaserSfx);
    return entry;
}

void readSfx(const XmlNode& node, std::map<std::string, sfxLibraryEntry*>& library)
{
    const std::string name = reportedRequiredText(node, "sfxName");
    if (!library.count(name))
        library[name] = readEntry(node);
}

bool isSfxElement(const XmlNode& node)
{
    return node.type() == rapidxml::node_element && node.name_size() == 3 && std::memcmp(node.name(), "SFX", 3) == 0;
}

} // namespace

void loadSfxGamebox(std::string fileName, std::string group, std::map<std::string, sfxLibraryEntry*>& library)
{
    std::string baseName, path;
    Ogre::StringUtil::splitFilename(fileName, baseName, path);
    if (!groupHolds(group, baseName))
        return;
    // Unlike the other libraries, the first element is taken whatever its name.
    const auto walk = [&library](XmlNode& first) {
        readSfx(first, library);
        for (XmlNode* node = first.next_sibling(); node; node = node->next_sibling())
            if (isSfxElement(*node))
                readSfx(*node, library);
    };
    if (!readXmlResource(baseName, group, walk))
        logUnusedFile("library file", baseName, libraryFailureLine);
}
