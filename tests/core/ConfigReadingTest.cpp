#include "GameTestSupport.h"

#include "core/ConfigReading.h"
#include "core/ConfigText.h"
#include "support/LogCapture.h"

#include <OISKeyboard.h>
#include <OgreConfigFile.h>
#include <OgreDataStream.h>

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <vector>

using namespace gametest;

namespace {

Ogre::ConfigFile settingsFile(std::string text)
{
    Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(&text[0], text.size(), false, true));
    Ogre::ConfigFile file;
    file.load(stream, "\t:=", true);
    return file;
}

void applyText(Game& game, const std::string& text) { applyConfig(game, settingsFile(text)); }

// The record with its defaults after the settings text is applied.
Game& gameReadFrom(const std::string& text)
{
    Game& game = cleanGame();
    applyText(game, text);
    return game;
}

std::string sampleTemplate()
{
    std::ifstream in(std::string(ZARNITH_GAME_DIR) + "/data/config.ini_", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The Game's defaults are the template's values, written as the template
// writes them; only the sample's Select key (P) is its own, apart from Start.
TEST(ConfigReading, TheDefaultsWriteTheTemplate)
{
    Game& game = cleanGame();
    EXPECT_EQ(game.startButton, game.selectButton);
    game.selectButton = OIS::KC_P;
    const std::string written = configFileText(game, 0, 0);
    const std::string expected = sampleTemplate();
    const std::size_t debug = expected.find("[debug]");
    EXPECT_EQ(written.substr(0, debug), expected.substr(0, debug));
    // The folder, game and level names of the debug section belong to the game.
    const std::string gameNames = "lastDirectorySaved";
    EXPECT_EQ(written.substr(debug, written.find(gameNames, debug) - debug),
              expected.substr(debug, expected.find(gameNames, debug) - debug));
}

// A key config.ini lacks or cannot read comes from the game's template, and
// failing that from the defaults.
TEST(ConfigReading, TheGamesTemplateFillsWhatTheFileLacks)
{
    Game& game = cleanGame();
    game.leftKey = 99;
    game.maxSpritesPriorities = 7; // applied if present: kept when neither file has it
    const Ogre::ConfigFile gameTemplate =
        settingsFile("[keyboard] \n upKey = 200 \n downKey = 208 \n leftKey = left \n[sound] \nmasterVolume  = 90 \n");
    applyConfig(game, settingsFile("[keyboard] \n upKey = up \n downKey = 1 \n"), &gameTemplate);

    EXPECT_EQ(game.upKey, 200);
    EXPECT_EQ(game.downKey, 1);
    EXPECT_EQ(game.leftKey, 30);
    EXPECT_EQ(game.masterVolume, 90);
    EXPECT_EQ(game.maxSpritesPriorities, 7u);
}

// A number out of a key's range (beyond 32 bits, negative where the key
// cannot be, a size beyond a float's whole numbers) takes the template's
// value, with one line naming the key; a whole number is written back whole.
TEST(ConfigReading, NumbersOutOfAKeysRangeTakeTheTemplatesValue)
{
    const Ogre::ConfigFile gameTemplate =
        settingsFile("[prefs] \ngridSize  = 4 \nscaleSnapSize = 5 \nsnap3DSize = 6 \nmaxSpritesPriorities = 7 \n");
    // The key, its text, and the value written back (the text when in range).
    for (const auto& [key, text, written] : std::vector<std::array<std::string, 3>>{
             {"gridSize", "99999999999999999999", "4"}, {"gridSize", "-2147483649", "4"}, {"gridSize", "-1", "4"},
             {"gridSize", "1000000", "1000000"}, {"scaleSnapSize", "2147483648", "5"},
             {"snap3DSize", "-999999999999", "6"}, {"snap3DSize", "16777217", "6"},
             {"maxSpritesPriorities", "-1", "7"}, {"gridAngle", "2147483648", "15"}}) {
        Game& game = cleanGame();
        LogCapture log;
        applyConfig(game, settingsFile("[prefs] \n" + key + " = " + text + " \n"), &gameTemplate);
        EXPECT_EQ(settingsFile(configFileText(game, 0, 0)).getSetting(key, "prefs"), written) << key << " = " << text;
        const std::string line = "[ERROR] config.ini: " + key + " out of range, the template's value used: \"" + text + "\"";
        EXPECT_EQ(log.lines.size() == 2 && log.contains(line), written != text) << testing::PrintToString(log.lines);
    }
}

TEST(ConfigReading, AbsentOrEmptyKeysAppliedIfPresentKeepTheirValues)
{
    Game& game = cleanGame();
    game.IsPostFXOutline = false;
    game.triggerIconSize = 2.0f;
    applyText(game, "[renderer] \nIsPostFXOutline = \nGpuFlush = 3 \n");

    EXPECT_FALSE(game.IsPostFXOutline);
    EXPECT_FLOAT_EQ(game.triggerIconSize, 2.0f);
    EXPECT_FALSE(game.isUseOldBulletTiming);
    EXPECT_EQ(game.GpuFlush, 3);
}

// Ogre's converter reads leading digits with C's base detection.
TEST(ConfigReading, WholeNumbersFollowOgresConverter)
{
    const Game& game =
        gameReadFrom("[sound] \nmasterVolume  = 55.9 \n[pad] \ndeadzone = 08 \nstart = 010 \n");
    EXPECT_EQ(game.masterVolume, 55);
    EXPECT_EQ(game.deadzone, 0);
    EXPECT_EQ(game.start, 8);
}

TEST(ConfigReading, ComparesTheLibraryNameByteForByte)
{
    EXPECT_EQ(libraryFromText("D3D9"), 0);
    EXPECT_EQ(libraryFromText("D3D11"), 1);
    EXPECT_EQ(libraryFromText("D3D"), 1);
    EXPECT_EQ(libraryFromText("OGL"), 2);
    EXPECT_EQ(libraryFromText("d3d11"), 0);
    EXPECT_EQ(libraryFromText(""), 0);
    EXPECT_EQ(libraryFromText("Vulkan"), 0);
}

TEST(ConfigReading, WritesTheLibraryBackAsItWasRead)
{
    const Game& opengl = gameReadFrom("[renderer] \nlibrary = OGL \n");
    EXPECT_NE(configFileText(opengl, 0, 0).find("\nlibrary = OGL \n"), std::string::npos);
    const Game& lowercase = gameReadFrom("[renderer] \nlibrary = d3d11 \n");
    EXPECT_NE(configFileText(lowercase, 0, 0).find("\nlibrary = D3D9 \n"), std::string::npos);
}

TEST(ConfigReading, PrefersTheCarriedGameFolderAndLogsIt)
{
    LogCapture log;
    const Game& game = gameReadFrom("[debug] \nlastDirectorySaved = written\nlastGameSaved = carried\n");
    EXPECT_EQ(game.gameFolder, "carried");
    EXPECT_TRUE(log.contains("currentGameDirectory2 carried"));

    EXPECT_EQ(gameReadFrom("[debug] \nlastDirectorySaved = written\n").gameFolder, "written");
}

TEST(ConfigReading, KeepsTheGameFolderWhenNoneIsStored)
{
    Game& game = cleanGame();
    game.gameFolder = "beside the program";
    applyText(game, "[debug] \nlastDirectorySaved = \n");
    EXPECT_EQ(game.gameFolder, "beside the program");
}

} // namespace
