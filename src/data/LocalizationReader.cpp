#include "data/LocalizationReader.h"

#include "app/Log.h"
#include "data/XmlFile.h"

#include <OgreException.h>
#include <OgreResourceGroupManager.h>

namespace {

// The group to open the file from; empty when neither holds it. Groups are
// strict here, so the file is opened from the group that holds it.
std::string groupHolding(const std::string& fileName)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    for (const char* group : {"Media", "GAMERSC"})
        if (groups.resourceGroupExists(group) && groups.resourceExists(group, fileName))
            return group;
    return std::string();
}

} // namespace

void readLocalizationTags(const std::string& fileName, std::map<std::string, std::string>& table)
{
    const std::string group = groupHolding(fileName);
    if (group.empty())
        return;
    const std::string failureLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument";
    try {
        readXmlResource(fileName, group, failureLine, [&table](XmlNode& root) {
            for (const XmlNode* tag : childElements(root, "Tag")) {
                const char* key = attributeText(*tag, "basis");
                if (key)
                    table[key] = std::string(tag->value(), tag->value_size());
            }
        });
    } catch (const Ogre::Exception&) {
        logNormal(failureLine);
    }
}
