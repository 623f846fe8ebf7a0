#include "data/LocalizationReader.h"

#include "app/Log.h"
#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "data/XmlFile.h"

#include <OgreException.h>
#include <OgreResourceGroupManager.h>

#include <memory>

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

const char* const failureLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument";

std::string elementText(const XmlNode& element) { return std::string(element.value(), element.value_size()); }

void readFonts(const XmlNode& root, std::map<std::string, std::string>& fonts)
{
    for (const XmlNode* font : childElements(root, "Font")) {
        const char* from = attributeText(*font, "from");
        const char* to = attributeText(*font, "to");
        fonts[from ? from : ""] = to ? to : "";
    }
}

void readStrings(const XmlNode& root, std::map<std::string, textEntry>& table)
{
    for (const XmlNode* entry : childElements(root, "string")) {
        const char* name = attributeText(*entry, "name");
        if (!name || !*name)
            continue;
        int level = 0;
        readOptional(*entry, "level", level);
        const std::string text = elementText(*entry);
        table[name] = textEntry{text, text, 3, level};
    }
}

} // namespace

void readLocalization(Game& game, std::string& language, std::map<std::string, textEntry>& table)
{
    if (!Ogre::ResourceGroupManager::getSingleton().resourceGroupExists("GAMERSC"))
        return;
    if (!groupHolds("GAMERSC", language + ".localization")) {
        language = "default";
        game.language = "default";
    }
    const std::string fileName = language + ".localization";
    if (!groupHolds("GAMERSC", fileName))
        return;
    std::unique_ptr<XmlText> xml;
    try {
        xml = std::make_unique<XmlText>(fileName, "GAMERSC");
    } catch (...) {
        logNormal(failureLine);
        return;
    }
    table.clear();
    if (const XmlNode* root = xml->firstElement()) {
        readFonts(*root, game.languageTables[language]);
        readStrings(*root, table);
    }
}

void readLocalizationTags(const std::string& fileName, std::map<std::string, std::string>& table)
{
    const std::string group = groupHolding(fileName);
    if (group.empty())
        return;
    try {
        readXmlResource(fileName, group, failureLine, [&table](XmlNode& root) {
            for (const XmlNode* tag : childElements(root, "Tag")) {
                const char* key = attributeText(*tag, "basis");
                if (key)
                    table[key] = elementText(*tag);
            }
        });
    } catch (const Ogre::Exception&) {
        logNormal(failureLine);
    }
}
