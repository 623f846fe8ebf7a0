// Fuzz targets of the files read at start-up: the player's settings and
// high scores, the game file and the game's texts.
#include "FuzzTarget.h"

#include "core/ConfigReading.h"
#include "core/ConfigResource.h"
#include "core/Game.h"
#include "data/GameFileReader.h"
#include "data/HighScoreReader.h"
#include "data/LocalizationReader.h"

#include <OgreConfigFile.h>

#include <map>

namespace {

Game& game() { return *Game::getSingletonPtr(); }

void readSettings()
{
    Ogre::ConfigFile file;
    if (loadConfigResource(file))
        applyConfig(game(), file);
    game().loadSoundSettings();
}

void readScores() { readHighScores(game()); }

void readGame()
{
    readGameFile(game());
    game().languageTables.clear();
}

void readLanguage()
{
    std::string language = "english";
    std::map<std::string, textEntry> table;
    readLocalization(game(), language, table);
    game().languageTables.clear();
}

void readTags()
{
    std::map<std::string, std::string> table;
    readLocalizationTags("english_localization.xml", table);
}

} // namespace

std::vector<FuzzTarget> fileTargets()
{
    return {
        {"settings", "ini", "config.ini", {}, nullptr, readSettings},
        {"high_scores", "GAMERSC", "high.scores", {}, nullptr, readScores},
        // The level file lets the level list, and with it the high scores, be read.
        {"game_file", "GAMERSC", "Skyward.game", {"Level01.level"}, nullptr, readGame},
        {"localization", "GAMERSC", "default.localization", {}, nullptr, readLanguage},
        {"localization_tags", "GAMERSC", "english_localization.xml", {}, nullptr, readTags},
    };
}
