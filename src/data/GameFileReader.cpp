#include "data/GameFileReader.h"

#include "app/Log.h"
#include "core/Game.h"
#include "data/GameFileSection.h"
#include "data/HighScoreReader.h"
#include "data/LibraryFile.h"
#include "data/LocalizationReader.h"
#include "data/ShownNames.h"
#include "data/XmlFile.h"

#include <OgreResourceGroupManager.h>

#include <algorithm>
#include <memory>

namespace {

const char* const failureLine = "Error creating tinyxml2::XMLDocument";
const char* const gameFileSuffix = ".game";

// The first game file by name; resource listings come unsorted.
std::string findGameFile()
{
    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    if (!groups.resourceGroupExists("GAMERSC"))
        return std::string();
    Ogre::StringVectorPtr names = groups.findResourceNames("GAMERSC", std::string("*") + gameFileSuffix, false);
    if (!names || names->empty())
        return std::string();
    return *std::min_element(names->begin(), names->end());
}

void readSettingSections(Game& game, const XmlNode& root)
{
    for (auto sections : {gameRulesSections, gamePresentationSections, gameMenuSections})
        for (const GameFileSection& section : sections(game))
            readGameFileSection(game, root, section);
}

void readLevelList(Game& game, const XmlNode& root)
{
    logLine("will read the level list");
    for (gameFileEntry* entry : game.levels)
        delete entry;
    game.levels.clear();
    for (const XmlNode* element : childElements(root, "LEVEL")) {
        auto entry = std::make_unique<gameFileEntry>();
        entry->name = reportedRequiredText(*element, "name");
        entry->screenName = shownName(reportedRequiredText(*element, "screenName"), "LEVEL screenName");
        entry->thumbnail = reportedRequiredText(*element, "thumbnail");
        readOptional(*element, "isTriggerEnd", entry->isTriggerEnd);
        readOptional(*element, "isIncludedInBuild", entry->isIncludedInBuild);
        readOptional(*element, "isGameplayLevel", entry->isGameplayLevel);
        readOptional(*element, "isDuplicated", entry->isDuplicated);
        if (!Ogre::ResourceGroupManager::getSingleton().resourceExists("GAMERSC", entry->name + ".level")) {
            logLine("level" + entry->name + "do not exist");
            continue;
        }
        logLine("added " + entry->name);
        // A level left out of the build is read and let go.
        if (entry->isIncludedInBuild)
            game.levels.push_back(entry.release());
    }
    // The menu still opens, and starts nothing.
    if (game.levels.empty())
        logLine("[ERROR] " + xmlFileBeingRead() + ": no level to play, each is missing or left out of the build");
    game.findLevelIndex();
}

void readGameModes(Game& game, const XmlNode& root)
{
    game.gameModes.clear();
    for (const XmlNode* element : childElements(root, "GAMEMODE")) {
        // A mode without a key could only take some other mode's place.
        if (!reportedAttributeText(*element, "modeName"))
            continue;
        int modeName = 0;
        readOptional(*element, "modeName", modeName);
        gameModeDefinition mode;
        mode.screenName = reportedRequiredText(*element, "screenName");
        readOptional(*element, "maxDifficulties", mode.maxDifficulties);
        for (const XmlNode* difficulty : childElements(*element, "DIFFICULTY"))
            mode.difficulties.push_back(reportedRequiredText(*difficulty, "screenName"));
        game.gameModes[modeName] = mode;
    }
}

void readExtensionsAndPlayers(Game& game, const XmlNode& root)
{
    game.extensions.clear();
    for (const XmlNode* element : childElements(root, "Extension"))
        game.extensions[reportedRequiredText(*element, "name")] = true;
    game.playerNames.clear();
    for (const XmlNode* element : childElements(root, "PLAYERS"))
        game.playerNames.push_back(reportedRequiredText(*element, "name"));
}

} // namespace

std::string findGameName()
{
    const std::string fileName = findGameFile();
    return fileName.substr(0, fileName.size() - std::min(fileName.size(), std::string(gameFileSuffix).size()));
}

void readGameFile(Game& game)
{
    const std::string fileName = findGameFile();
    if (fileName.empty())
        return;
    const bool parsed = readXmlResource(fileName, "GAMERSC", [&](XmlNode& root) {
        game.gameName = findGameName();
        readLocalization(game, game.language, game.defaultTexts);
        readSettingSections(game, root);
        readLevelList(game, root);
        readGameModes(game, root);
        readExtensionsAndPlayers(game, root);
    });
    if (!parsed) {
        logUnusedFile("game file", fileName, failureLine);
        return;
    }
    if (!game.levels.empty())
        readHighScores(game);
    logLine("game read");
}
