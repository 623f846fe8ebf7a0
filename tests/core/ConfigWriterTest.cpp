#include "GameTestSupport.h"
#include "GoldenSettings.h"

#include "core/ConfigReading.h"
#include "core/ConfigResource.h"
#include "core/ConfigText.h"
#include "support/LogCapture.h"

#include <OgreConfigFile.h>

#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>

using namespace gametest;

namespace {

const std::string oldConfig = "[preferences] \nlanguage = old \n";

TEST(ConfigWriter, WritesEveryKeyByteForByte)
{
    Game& game = cleanGame();
    setGoldenSettings(game);
    IniFolder ini(&oldConfig);
    game.preferenceFolder = ini.folder.path();

    game.saveConfig();

    EXPECT_EQ(ini.folder.read("config.ini"), goldenConfigText());
    EXPECT_FALSE(ini.folder.exists("config.ini.tmp"));
}

TEST(ConfigWriter, WritesTheWindowPositionItIsGiven)
{
    const std::string text = configFileText(cleanGame(), 100, -20);
    EXPECT_NE(text.find("\nposX = 100 \nposY = -20 \n"), std::string::npos);
}

TEST(ConfigWriter, TakesThePositionOfTheGamesWindow)
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    Game& game = cleanGame();
    game.sdlWindow = SDL_CreateWindow("settings", 100, 200, 64, 64, SDL_WINDOW_HIDDEN);
    IniFolder ini(&oldConfig);
    game.preferenceFolder = ini.folder.path();

    game.saveConfig();

    SDL_DestroyWindow(game.sdlWindow);
    game.sdlWindow = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    EXPECT_NE(ini.folder.read("config.ini").find("\nposX = 100 \nposY = 200 \n"), std::string::npos);
}

TEST(ConfigWriter, NamesTheRendererLibrary)
{
    EXPECT_EQ(libraryText(0), "D3D9");
    EXPECT_EQ(libraryText(1), "D3D11");
    EXPECT_EQ(libraryText(2), "OGL");
}

TEST(ConfigWriter, WritesNothingWhenThePreferenceGroupHasNoConfigFile)
{
    Game& game = cleanGame();
    IniFolder ini;
    game.preferenceFolder = ini.folder.path();
    LogCapture log;

    game.saveConfig();

    EXPECT_TRUE(std::filesystem::is_empty(ini.folder.path()));
    EXPECT_TRUE(log.lines.empty());
}

TEST(ConfigWriter, AFailedReplaceIsLoggedAndLeavesTheOldOneAlone)
{
    Game& game = cleanGame();
    IniFolder ini(&oldConfig);
    // A preference folder whose config.ini cannot be replaced: it is a folder itself.
    ini.folder.write("blocked/config.ini/inside", "kept");
    game.preferenceFolder = ini.folder.path() + "blocked";
    LogCapture log;

    game.saveConfig();

    EXPECT_TRUE(log.contains("Couldn't write config.ini file"));
    EXPECT_EQ(ini.folder.read("blocked/config.ini/inside"), "kept");
    EXPECT_FALSE(ini.folder.exists("blocked/config.ini.tmp"));
}

// Written, read back into a record with defaults, written again: the same
// bytes, for every value that reading gives back unchanged.
TEST(ConfigWriter, ReadingBackAndWritingAgainGivesTheSameFile)
{
    Game& game = cleanGame();
    setGoldenSettings(game);
    game.gridSize = 2.0f; // read as whole numbers
    game.scaleSnapSize = 3.0f;
    game.snap3DSize = 5.0f;
    game.gridAngle = 0; // not read back
    game.isLastElementSnapping = false;
    FSAA = 0; // no render system here to allow more
    IniFolder ini(&oldConfig);
    game.preferenceFolder = ini.folder.path();
    game.saveConfig();
    const std::string first = ini.folder.read("config.ini");

    cleanGame();
    game.preferenceFolder = ini.folder.path();
    // Written only: the record keeps them, reading does not bring them back.
    game.lastTutorial = "tutoIntro";
    game.tutorialsSeen = {{"intro", true}, {"Bombs", false}};
    game.gameName = "StarFighter 2";
    vsync = true;
    Ogre::ConfigFile file;
    ASSERT_TRUE(loadConfigResource(file));
    applyConfig(game, file);
    game.saveConfig();

    EXPECT_EQ(ini.folder.read("config.ini"), first);
}

} // namespace
