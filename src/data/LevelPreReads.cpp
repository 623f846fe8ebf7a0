#include "data/LevelPreReads.h"

#include "core/Game.h"
#include "data/LayoutFile.h"
#include "data/LevelReader.h"
#include "data/SectionAttributes.h"

#include <Overlay/OgreFont.h>
#include <Overlay/OgreFontManager.h>
#include <OgreResourceGroupManager.h>

#include <functional>

namespace {

const char* const gameGroup = "GAMERSC";

enum class levelSearch { goOn, stop };

// Hands the root of each included level's file to `look`, in list order,
// until a file is missing or `look` stops the search. A file that does not
// parse is named (once in a run: the level reader names it in the same
// words) and stops it too; one without an element has nothing to look at.
// The file `read` already holds is looked into, not read again.
void searchLevels(const Game& game, const std::function<levelSearch(const XmlNode& root)>& look,
                  const LevelFile* read = nullptr)
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    if (!groups.resourceGroupExists(gameGroup))
        return;
    for (const gameFileEntry* level : game.levels) {
        if (!level->isIncludedInBuild)
            continue;
        const std::string fileName = level->name + ".level";
        if (!groups.resourceExists(gameGroup, fileName))
            return;
        levelSearch next = levelSearch::goOn;
        const auto lookInto = [&look, &next](XmlNode* root) {
            if (root)
                next = look(*root);
        };
        const bool isRead = read && read->name() == fileName;
        const bool parsed = isRead ? read->walk(lookInto) : readXmlDocument(fileName, gameGroup, lookInto);
        if (!parsed)
            logUnusedFile("level file", fileName, layoutFailureLine);
        if (!parsed || next == levelSearch::stop)
            return;
    }
}

void addTriggerFonts(const XmlNode& root, fontSourceSet& fonts)
{
    for (const XmlNode* trigger : childElements(root, "triggers")) {
        const SectionAttributes overlay = SectionAttributes::child(*trigger, "overlayText");
        if (!overlay.isPresent() || !overlay.required("isTextOnly", false))
            continue;
        const std::string fontName = overlay.required("fontName", std::string());
        if (!fontName.empty() && fontName != "None")
            fonts[getFontSource(fontName)] = true;
    }
}

} // namespace

std::string getFontSource(std::string fontName)
{
    Ogre::FontManager* manager = Ogre::FontManager::getSingletonPtr();
    const bool canHold = manager && Ogre::ResourceGroupManager::getSingleton().resourceGroupExists(gameGroup);
    const Ogre::FontPtr font = canHold ? manager->getByName(fontName, gameGroup) : Ogre::FontPtr();
    if (!font)
        return std::string();
    const std::string& source = font->getSource();
    return source.size() < 4 ? source : source.substr(0, source.size() - 4);
}

fontSourceSet collectLevelFonts(Game& game, const LevelFile* read)
{
    fontSourceSet fonts{{"ArialBlkOutline18", true}, {"verdana", true}};
    for (const std::string* setting : {&game.continueMenuFont, &game.gameEndFont, &game.gameHUDFont,
                                       &game.gameMenuFont, &game.pauseMenuFont, &game.scoreFont,
                                       &game.startMenuFont, &game.startMenuLogoFont})
        fonts[getFontSource(*setting)] = true;
    searchLevels(game, [&fonts](const XmlNode& root) {
        if (root.first_node("Level"))
            addTriggerFonts(root, fonts);
        return levelSearch::goOn;
    }, read);
    return fonts;
}

bool readLevelShadows(Game& game)
{
    bool isShadows = false;
    searchLevels(game, [&isShadows](const XmlNode& root) {
        const XmlNode* level = root.first_node("Level");
        const SectionAttributes sun = SectionAttributes(level ? level->first_node("Sun") : nullptr);
        isShadows = sun.required("isShadows", false);
        return isShadows ? levelSearch::stop : levelSearch::goOn;
    });
    return isShadows;
}
