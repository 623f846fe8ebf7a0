#include "GameTestSupport.h"
#include "GoldenSettings.h"

#include "core/ConfigReading.h"
#include "core/ConfigText.h"
#include "support/LogCapture.h"

#include <OgreConfigFile.h>
#include <OgreDataStream.h>

#include <gtest/gtest.h>

using namespace gametest;

namespace {

void applyText(Game& game, std::string text)
{
    Ogre::DataStreamPtr stream(new Ogre::MemoryDataStream(&text[0], text.size(), false, true));
    Ogre::ConfigFile file;
    file.load(stream, "\t:=", true);
    applyConfig(game, file);
}

// The record with its defaults after the settings text is applied.
Game& gameReadFrom(const std::string& text)
{
    Game& game = cleanGame();
    applyText(game, text);
    return game;
}

// Every key read comes back unchanged in the writer's round trip; these are the
// ones that do not.
TEST(ConfigReading, SomeWrittenSettingsAreNotTakenAsWritten)
{
    const Game& game = gameReadFrom(goldenConfigText());

    EXPECT_FLOAT_EQ(game.gridSize, 2.0f);      // 2.5: read as a whole number
    EXPECT_FLOAT_EQ(game.snap3DSize, 1.0f);    // 1.5
    EXPECT_FLOAT_EQ(game.scaleSnapSize, 1.0f); // 0.5 reads 0, which becomes 1
    EXPECT_EQ(game.gridAngle, 0);
    EXPECT_FALSE(game.isLastElementSnapping);
    EXPECT_TRUE(game.gameName.empty());
    EXPECT_TRUE(game.tutorialsSeen.empty());
    EXPECT_TRUE(game.lastTutorial.empty());
}

TEST(ConfigReading, AbsentKeysAppliedAlwaysGiveZeroFalseOrEmpty)
{
    const Game& game = gameReadFrom("[renderer] \nwidth = 800 \n");

    EXPECT_EQ(game.width, 800);
    EXPECT_TRUE(game.isSoundOn);
    EXPECT_EQ(game.masterVolume, 0);
    EXPECT_EQ(game.musicVolume, 0);
    EXPECT_EQ(game.sfxVolume, 0);
    EXPECT_EQ(game.shadowTextureRes, 0u);
    EXPECT_EQ(game.language, "");
    EXPECT_FALSE(game.isFirstLaunch);
    EXPECT_EQ(game.shootButtonNumber, (std::array<int, 8>{}));
    EXPECT_EQ(game.upKey, 0);
    EXPECT_FLOAT_EQ(game.scaleSnapSize, 1.0f);
}

TEST(ConfigReading, AbsentOrEmptyKeysAppliedIfPresentKeepTheirDefaults)
{
    const Game& game = gameReadFrom("[renderer] \nfullScreenWidth = \n");

    EXPECT_EQ(game.fullScreenWidth, 1920u);
    EXPECT_EQ(game.fullScreenHeigth, 1080u);
    EXPECT_TRUE(game.IsPostFXOutline);
    EXPECT_FALSE(game.isUseOldBulletTiming);
    EXPECT_FLOAT_EQ(game.triggerIconSize, 1.0f);
    EXPECT_FALSE(game.isCheckForDuplicates);
    EXPECT_TRUE(game.isPostInEditor);
    EXPECT_EQ(game.maxSpritesPriorities, 99u);
}

TEST(ConfigReading, UnparsableValuesGiveZeroOrFalse)
{
    const Game& game = gameReadFrom("[renderer] \nwidth = wide \nfullScreenWidth = huge \n"
                                    "IsPostFXOutline = maybe \n"
                                    "[prefs] \ngridSize  = abc \ntriggerIconSize  = big \n"
                                    "[sound] \nIsSoundMuted  = maybe \nmasterVolume  = loud \n");
    EXPECT_EQ(game.width, 0);
    EXPECT_EQ(game.fullScreenWidth, 0u);
    EXPECT_FALSE(game.IsPostFXOutline);
    EXPECT_FLOAT_EQ(game.gridSize, 0.0f);
    EXPECT_FLOAT_EQ(game.triggerIconSize, 0.0f);
    EXPECT_TRUE(game.isSoundOn);
    EXPECT_EQ(game.masterVolume, 0);
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
