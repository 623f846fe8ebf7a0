#include "data/LocalizationReader.h"

#include "core/Game.h"
#include "core/ResourceAvailability.h"
#include "data/LibraryFile.h"

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

const char* const failureLine = "[DotSceneLoader] Error creating tinyxml2::XMLDocument";

std::string elementText(const XmlNode& element) { return std::string(element.value(), element.value_size()); }

// A pair without both names substitutes nothing.
void readFonts(const XmlNode& root, std::map<std::string, std::string>& fonts)
{
    for (const XmlNode* font : childElements(root, "Font")) {
        const char* from = reportedAttributeText(*font, "from");
        const char* to = reportedAttributeText(*font, "to");
        if (from && to)
            fonts[from] = to;
    }
}

void readStrings(const XmlNode& root, std::map<std::string, textEntry>& table)
{
    for (const XmlNode* entry : childElements(root, "string")) {
        const char* name = reportedAttributeText(*entry, "name");
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
    // Emptied only once the file parsed: a broken one leaves the table whole,
    // and so does one without any element, which holds no text of the game.
    const bool isRead = readXmlResource(fileName, "GAMERSC", [&](XmlNode& root) {
        table.clear();
        readFonts(root, game.languageTables[language]);
        readStrings(root, table);
    });
    if (!isRead)
        logUnusedFile("language file", fileName, failureLine);
}

void readLocalizationTags(const std::string& fileName, std::map<std::string, std::string>& table)
{
    const std::string group = groupHolding(fileName);
    if (group.empty())
        return;
    const bool isRead = readXmlResource(fileName, group, [&table](XmlNode& root) {
        for (const XmlNode* tag : childElements(root, "Tag"))
            if (const char* key = reportedAttributeText(*tag, "basis"))
                table[key] = elementText(*tag);
    });
    if (!isRead)
        logUnusedFile("language file", fileName, failureLine);
}
