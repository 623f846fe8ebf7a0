// Changing to another exported game: everything of the old game is let go
// and the new game's file, texts and libraries are read; and the resource
// locations of the game's enabled extensions.
#include "app/SoundDefinition.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "core/GameTestSupport.h"
#include "core/materials/MaterialModule.h"
#include "data/pictureDefinition.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

namespace {

// One exported game's data files, with its own names throughout.
void writeGame(const TempFolder& folder, const std::string& name)
{
    folder.write(name + ".game", "<GAMEFILE/>");
    folder.write("gamebox.pictures", "<Picture name=\"" + name + ".png\" screenName=\"" + name + "\"/>");
    folder.write("gamebox.sounds",
                 "<SOUND soundName=\"" + name + ".wav\" screenName=\"" + name + "\" volume=\"1\" isSFX=\"true\"/>");
    folder.write("gamebox.materials3D", "<MATERIAL meshName=\"" + name + ".mesh\"/>");
    folder.write("default.localization", "<L><string name=\"KEY_00000\">" + name + "</string></L>");
}

class GameChangeTest : public ::testing::Test {
protected:
    GameChangeTest()
    {
        writeGame(first, "Alpha");
        writeGame(second, "Beta");
    }
    ~GameChangeTest() override
    {
        gametest::cleanGame();
        game.pendingGameFolder.clear();
        game.pendingLevelName.clear();
        game.defaultTexts.clear();
        game.languageTables.clear();
        clearMaterialCaches();
    }
    // The game's resources as the group "GAMERSC" holds them.
    void useResourcesOf(const TempFolder& folder)
    {
        Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
        if (groups.resourceGroupExists("GAMERSC"))
            groups.destroyResourceGroup("GAMERSC");
        ResourceGroupScope::addFolder(folder.path(), "GAMERSC");
        log.lines.clear();
    }
    // Each line appears in the log after the one before it.
    void expectInOrder(const std::vector<std::string>& lines) const
    {
        auto from = log.lines.begin();
        for (const std::string& line : lines) {
            from = std::find(from, log.lines.end(), line);
            ASSERT_NE(from, log.lines.end()) << "missing or out of order: " << line;
        }
    }

    Game& game = gametest::cleanGame();
    ResourceGroupScope groups{{"GAMERSC", "EXTENSIONS"}};
    TempFolder first;
    TempFolder second;
    LogCapture log;
};

TEST_F(GameChangeTest, TheNewGamesFileTextsAndLibrariesReplaceTheOldOnes)
{
    useResourcesOf(first);
    game.gameFolder = first.path();
    game.loadGameData();
    ASSERT_EQ(game.pictureLibrary.count("Alpha.png"), 1u);

    useResourcesOf(second);
    game.pendingGameFolder = second.path();
    game.pendingLevelName = "Opening";
    game.extensions["Rivers"] = true;
    game.player = new Player;
    game.playerName = "Kite";
    game.versionNumber = "1.0";
    game.changeGame();

    EXPECT_EQ(game.gameFolder, second.path());
    EXPECT_EQ(game.levelName, "Opening");
    EXPECT_TRUE(game.pendingGameFolder.empty());
    EXPECT_TRUE(game.pendingLevelName.empty());
    EXPECT_TRUE(game.extensions.empty());
    EXPECT_EQ(game.player, nullptr);
    EXPECT_TRUE(game.playerName.empty());
    EXPECT_TRUE(game.versionNumber.empty()) << "the new game's file gives none";
    EXPECT_EQ(game.gameName, "Beta");
    EXPECT_EQ(game.defaultTexts.at("KEY_00000").text, "Beta");
    EXPECT_EQ(game.pictureLibrary.size(), 1u);
    EXPECT_EQ(game.pictureLibrary.count("Beta.png"), 1u);
    EXPECT_EQ(game.soundLibrary.size(), 1u);
    EXPECT_EQ(game.soundLibrary.count("Beta.wav"), 1u);
    EXPECT_EQ(materialModule().definitions.count("Alpha.mesh"), 0u);
    EXPECT_EQ(materialModule().definitions.count("Beta.mesh"), 1u);
    expectInOrder({"Initialized game resources ", "game read", "pictures gamebox loaded", "sounds gamebox loaded",
                   "Gameboxes loaded", "Changed game: " + second.path()});
}

TEST_F(GameChangeTest, ChangingToNoGameFolderLeavesEveryLibraryEmpty)
{
    useResourcesOf(first);
    game.gameFolder = first.path();
    game.loadGameData();
    log.lines.clear();
    game.changeGame();
    EXPECT_TRUE(game.gameFolder.empty());
    EXPECT_TRUE(game.pictureLibrary.empty());
    EXPECT_TRUE(game.soundLibrary.empty());
    EXPECT_FALSE(std::count(log.lines.begin(), log.lines.end(), "game read"));
    EXPECT_FALSE(std::count(log.lines.begin(), log.lines.end(), "pictures gamebox loaded"));
    expectInOrder({"Initialized game resources ", "Gameboxes loaded", "Changed game: "});
    // The default texts are read whatever the folder: the group still holds them.
    EXPECT_EQ(game.defaultTexts.at("KEY_00000").text, "Alpha");
}

TEST_F(GameChangeTest, OnlyEnabledExtensionFoldersBecomeResourceLocations)
{
    TempFolder extensionFolder;
    extensionFolder.write("Rivers/models/river.mesh", "");
    extensionFolder.write("Rivers/river.png", "");
    extensionFolder.write("Hills/hill.png", "");
    extensionFolder.write("Other/other.png", "");
    extensionFolder.write("notAFolder.png", "");
    game.extensionPath = extensionFolder.path();
    game.extensions = {{"Rivers", true}, {"Hills", false}};
    game.setupResourceLocations();

    Ogre::ResourceGroupManager& groups = Ogre::ResourceGroupManager::getSingleton();
    ASSERT_TRUE(groups.resourceGroupExists("EXTENSIONS"));
    EXPECT_TRUE(groups.resourceExists("EXTENSIONS", "river.png"));
    EXPECT_TRUE(groups.resourceExists("EXTENSIONS", "river.mesh"));
    EXPECT_FALSE(groups.resourceExists("EXTENSIONS", "hill.png"));
    EXPECT_FALSE(groups.resourceExists("EXTENSIONS", "other.png"));
    EXPECT_TRUE(log.contains("Initialized Extentions resources "));
}

TEST_F(GameChangeTest, WithoutAnEnabledExtensionOrItsFolderNothingIsAdded)
{
    TempFolder extensionFolder;
    extensionFolder.write("Hills/hill.png", "");
    game.extensionPath = extensionFolder.path();
    game.extensions = {{"Hills", false}};
    game.setupResourceLocations();
    game.extensionPath = extensionFolder.path() + "missing/";
    game.extensions = {{"Hills", true}};
    game.setupResourceLocations();
    EXPECT_FALSE(Ogre::ResourceGroupManager::getSingleton().resourceGroupExists("EXTENSIONS"));
    EXPECT_FALSE(log.contains("Initialized Extentions resources "));
}

} // namespace
