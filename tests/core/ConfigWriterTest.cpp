#include "GameTestSupport.h"
#include "GoldenSettings.h"

#include "core/ConfigReading.h"
#include "core/ConfigResource.h"
#include "core/ConfigText.h"
#include "core/SettingsTable.h"
#include "support/LogCapture.h"

#include <OgreConfigFile.h>
#include <OgreDataStream.h>

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

    EXPECT_TRUE(log.containsPrefix("[ERROR] Couldn't write config.ini file: "));
    EXPECT_EQ(ini.folder.read("blocked/config.ini/inside"), "kept");
    EXPECT_FALSE(ini.folder.exists("blocked/config.ini.tmp"));
}

Ogre::ConfigFile loadedText(std::string text)
{
    Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(&text[0], text.size(), false, true));
    Ogre::ConfigFile file;
    file.load(stream, "\t:=", true);
    return file;
}

// Every key that start-up takes back reads back as the value it was written
// from, also numbers that need all their digits or are far from the usual.
TEST(ConfigWriter, EveryValueWrittenReadsBackUnchanged)
{
    Game& game = cleanGame();
    setGoldenSettings(game);
    game.gridSize = 1234567.0f;
    game.snap3DSize = 7654321.0f; // read back as a whole number
    game.triggerIconSize = 1.0f / 3.0f;
    game.gizmosSize = 0.1f;
    game.snap3DAngleSize = -2.5e-8f;
    game.scaleSnapSize = 16777216.0f;
    game.width = 2147483647;
    game.height = 5;
    game.shadowTextureRes = 4294967295u;
    game.deadzone = -2147483647 - 1;
    FSAA = 0; // no render system here to allow more
    const std::string first = configFileText(game, -300, 99999);
    const Ogre::ConfigFile written = loadedText(first);

    cleanGame();
    applyConfig(game, written);
    const WindowPosition position = applyWindowConfig(game, written);
    const Ogre::ConfigFile readBack = loadedText(configFileText(game, position.x, position.y));

    const Ogre::ConfigFile defaults = loadedText(configFileText(cleanGame(), 0, 0));
    for (const SettingSection& section : settingSections()) {
        for (const SettingKey& key : section.keys) {
            const std::string value = written.getSetting(key.name, section.name);
            const bool takenBack = key.read && key.use != KeyUse::startsAtDefault;
            // A key written for the editor only starts from its default.
            const std::string expected = takenBack ? value : defaults.getSetting(key.name, section.name);
            EXPECT_EQ(readBack.getSetting(key.name, section.name), expected) << key.name;
            // Each key is tried with a value of its own, not its default.
            if (takenBack && key.name != std::string("FSAA")) {
                EXPECT_NE(value, defaults.getSetting(key.name, section.name)) << key.name;
            }
        }
    }
}

} // namespace
