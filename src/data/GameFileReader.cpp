#include "data/GameFileReader.h"

#include "app/Log.h"
#include "core/Game.h"
#include "data/HighScoreReader.h"
#include "data/LocalizationReader.h"
#include "data/XmlFile.h"

#include <OgreResourceGroupManager.h>

#include <algorithm>
#include <memory>

namespace {

// The first game file by name; resource listings come unsorted.
std::string findGameFile()
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    if (!groups.resourceGroupExists("GAMERSC"))
        return std::string();
    Ogre::StringVectorPtr names = groups.findResourceNames("GAMERSC", "*.game", false);
    if (!names || names->empty())
        return std::string();
    return *std::min_element(names->begin(), names->end());
}

void readStartMenuSection(Game& game, const XmlNode& root)
{
    // Only the splash pictures are taken for now; the rest of the start-menu
    // look is read with the front-end screens.
    game.splashScreenPicture.clear();
    game.splashScreenPicture2.clear();
    if (const XmlNode* section = root.first_node("STARTMENU")) {
        readOptional(*section, "splashScreenPicture", game.splashScreenPicture);
        readOptional(*section, "splashScreenPicture2", game.splashScreenPicture2);
    }
}

std::string attributeOrEmpty(const XmlNode& node, const char* name)
{
    const char* text = attributeText(node, name);
    return text ? text : "";
}

void readLevelList(Game& game, const XmlNode& root)
{
    logLine("will read the level list");
    for (gameFileEntry* entry : game.levels)
        delete entry;
    game.levels.clear();
    for (const XmlNode* element : childElements(root, "LEVEL")) {
        auto entry = std::make_unique<gameFileEntry>();
        entry->name = attributeOrEmpty(*element, "name");
        entry->screenName = attributeOrEmpty(*element, "screenName");
        entry->thumbnail = attributeOrEmpty(*element, "thumbnail");
        readOptional(*element, "isTriggerEnd", entry->isTriggerEnd);
        readOptional(*element, "isIncludedInBuild", entry->isIncludedInBuild);
        readOptional(*element, "isGameplayLevel", entry->isGameplayLevel);
        readOptional(*element, "isDuplicated", entry->isDuplicated);
        if (!Ogre::ResourceGroupManager::getSingleton().resourceExists("GAMERSC", entry->name + ".level")) {
            logLine("level" + entry->name + "do not exist");
            continue;
        }
        logLine("added " + entry->name);
        if (entry->isIncludedInBuild)
            game.levels.push_back(entry.release());
    }
    game.findLevelIndex();
}

void readGameModes(Game& game, const XmlNode& root)
{
    game.gameModes.clear();
    int modeName = 0; // a mode without a name takes the key of the one before it
    for (const XmlNode* element : childElements(root, "GAMEMODE")) {
        readOptional(*element, "modeName", modeName);
        gameModeDefinition mode;
        mode.screenName = attributeOrEmpty(*element, "screenName");
        readOptional(*element, "maxDifficulties", mode.maxDifficulties);
        for (const XmlNode* difficulty : childElements(*element, "DIFFICULTY"))
            mode.difficulties.push_back(attributeOrEmpty(*difficulty, "screenName"));
        game.gameModes[modeName] = mode;
    }
}

void readExtensionsAndPlayers(Game& game, const XmlNode& root)
{
    game.extensions.clear();
    for (const XmlNode* element : childElements(root, "Extension"))
        game.extensions[attributeOrEmpty(*element, "name")] = true;
    game.playerNames.clear();
    for (const XmlNode* element : childElements(root, "PLAYERS"))
        game.playerNames.push_back(attributeOrEmpty(*element, "name"));
}

} // namespace

void readGameFile(Game& game)
{
    const std::string fileName = findGameFile();
    if (fileName.empty())
        return;
    readLocalization(game, game.language, game.defaultTexts);
    game.gameName = fileName.substr(0, fileName.size() - 5);
    const bool parsed = readXmlResource(fileName, "GAMERSC", "Error creating tinyxml2::XMLDocument", [&game](XmlNode& root) {
        // The rule sections (GAME to GAMEHUD) are read with the subsystems that
        // use them; start-up needs the splash pictures and the level list.
        readStartMenuSection(game, root);
        readLevelList(game, root);
        readGameModes(game, root);
        readExtensionsAndPlayers(game, root);
    });
    if (!parsed)
        return;
    if (!game.levels.empty())
        readHighScores(game);
    logLine("game read");
}
