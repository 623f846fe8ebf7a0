#include "GameTestSupport.h"
#include "GoldenSettings.h"

#include "frontend/GameHUD.h"
#include "support/LogCapture.h"

#include <OgreDefaultHardwareBufferManager.h>
#include <OgreMovableObject.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace gametest;

namespace {

// Sets the desktop language for one test and puts the old one back.
class DesktopLanguage {
public:
    explicit DesktopLanguage(const char* locale)
    {
        if (const char* old = std::getenv("LC_ALL"))
            saved = old;
        setenv("LC_ALL", locale, 1);
    }
    ~DesktopLanguage()
    {
        if (saved.empty())
            unsetenv("LC_ALL");
        else
            setenv("LC_ALL", saved.c_str(), 1);
    }
    DesktopLanguage(const DesktopLanguage&) = delete;
    DesktopLanguage& operator=(const DesktopLanguage&) = delete;

private:
    std::string saved;
};

// Runs Game::init on the shared root (with its overlay system) and takes the
// scene, the HUD and the global movable-object defaults back afterwards.
class InitRun {
public:
    explicit InitRun(Game& game)
        : game(game), visibility(Ogre::MovableObject::getDefaultVisibilityFlags()),
          query(Ogre::MovableObject::getDefaultQueryFlags())
    {
        sharedTestOverlaySystem();
        // Cameras need vertex buffers; without a render system they live in memory.
        if (!Ogre::HardwareBufferManager::getSingletonPtr())
            new Ogre::DefaultHardwareBufferManager;
        game.init();
    }
    ~InitRun()
    {
        Ogre::Root::getSingleton().destroySceneManager(game.sceneManager);
        game.sceneManager = nullptr;
        delete game.hud;
        game.hud = nullptr;
        game.fadeOverlay = nullptr;
        Ogre::MovableObject::setDefaultVisibilityFlags(visibility);
        Ogre::MovableObject::setDefaultQueryFlags(query);
    }
    InitRun(const InitRun&) = delete;
    InitRun& operator=(const InitRun&) = delete;

private:
    Game& game;
    Ogre::uint32 visibility;
    Ogre::uint32 query;
};

TEST(GameInit, WithoutConfigFileKeepsTheDefaultsAndStillLogsTheStart)
{
    Game& game = cleanGame();
    IniFolder ini;
    DesktopLanguage english("en_US.UTF-8");
    LogCapture log;
    InitRun run(game);

    EXPECT_EQ(game.masterVolume, 80);
    EXPECT_EQ(game.fullScreenWidth, 1920u);
    EXPECT_TRUE(game.isFirstLaunch);
    EXPECT_FALSE(log.containsPrefix("currentGameDirectory2 "));
    EXPECT_TRUE(log.contains("sceneManager initialized"));
    EXPECT_TRUE(log.contains("Langage is: english"));
    EXPECT_TRUE(log.contains("LANGID is: 1033"));
}

TEST(GameInit, ReadsTheConfigFileAndLogsTheGameFolder)
{
    Game& game = cleanGame();
    const std::string golden = goldenConfigText();
    IniFolder ini(&golden);
    LogCapture log;
    InitRun run(game);

    EXPECT_EQ(game.masterVolume, 70);
    EXPECT_EQ(game.upKey, 200);
    EXPECT_EQ(game.levelName, "level_02");
    // The grid and snap sizes stored as 2.5, 0.5 and 1.5 are read as whole numbers.
    EXPECT_EQ(game.gridSize, 2.0f);
    EXPECT_EQ(game.scaleSnapSize, 1.0f);
    EXPECT_EQ(game.snap3DSize, 1.0f);
    EXPECT_TRUE(log.contains("currentGameDirectory2 /games/star fighter"));
}

TEST(GameInit, BuildsThePlaySceneAndTheHud)
{
    Game& game = cleanGame();
    IniFolder ini;
    InitRun run(game);

    ASSERT_NE(game.sceneManager, nullptr);
    ASSERT_TRUE(game.sceneManager->hasSceneNode("CamNode1"));
    const Ogre::SceneNode* node = game.sceneManager->getSceneNode("CamNode1");
    EXPECT_EQ(node->getParent(), game.sceneManager->getRootSceneNode());
    EXPECT_EQ(node->getPosition(), Ogre::Vector3::ZERO);
    EXPECT_TRUE(game.sceneManager->hasCamera("PlayCam"));
    EXPECT_TRUE(game.sceneManager->hasCamera("PlayCollisionCam"));
    EXPECT_EQ(Ogre::MovableObject::getDefaultVisibilityFlags(), 1u);
    EXPECT_EQ(Ogre::MovableObject::getDefaultQueryFlags(), 0u);
    EXPECT_NE(game.hud, nullptr);
}

TEST(GameInit, TheDesktopLanguageWinsOverTheConfigFile)
{
    Game& game = cleanGame();
    const std::string frenchConfig = "[preferences] \nlanguage = french \n";
    IniFolder ini(&frenchConfig);
    {
        DesktopLanguage frenchDesktop("fr_FR.UTF-8");
        InitRun run(game);
        EXPECT_EQ(game.language, "english");
    }
    DesktopLanguage japanese("ja_JP.UTF-8");
    LogCapture log;
    InitRun run(game);
    EXPECT_EQ(game.language, "japanese");
    EXPECT_TRUE(log.contains("Langage is: japanese"));
    EXPECT_TRUE(log.contains("LANGID is: 1041"));
}

TEST(GameInit, HidesTheBlackOverlay)
{
    Game& game = cleanGame();
    IniFolder ini;
    sharedTestOverlaySystem();
    Ogre::OverlayManager& overlays = Ogre::OverlayManager::getSingleton();
    Ogre::Overlay* black = overlays.create("BlackBG");
    black->show();
    {
        InitRun run(game);
        EXPECT_EQ(game.fadeOverlay, black);
        EXPECT_FALSE(black->isVisible());
    }
    overlays.destroy(black);
}

TEST(GameInit, AMissingBlackOverlayIsLoggedAndLeavesNoFadeOverlay)
{
    Game& game = cleanGame();
    IniFolder ini;
    LogCapture log;
    InitRun run(game);

    EXPECT_EQ(game.fadeOverlay, nullptr);
    EXPECT_TRUE(log.contains("[ERROR] can't find overlay: BlackBG, named by the screen fade at start-up"));
}

TEST(GameInit, StartsANewGame)
{
    Game& game = cleanGame();
    IniFolder ini;
    game.lives = 3;
    game.totalScore = 1000;
    InitRun run(game);

    EXPECT_EQ(game.gameMode, 0);
    EXPECT_EQ(game.currentLives, 3);
    EXPECT_EQ(game.totalScore, 0);
}

TEST(GameSoundSettings, TakeTheWholePartOfTheStoredVolumesAndKeepTheVolumeForANonNumber)
{
    Game& game = cleanGame();
    const std::string text = "[sound] \nmusicVolume  = 55.9 \nsfxVolume  = loud \n";
    IniFolder ini(&text);

    game.loadSoundSettings();

    EXPECT_EQ(game.musicVolume, 55);
    EXPECT_EQ(game.sfxVolume, 40);
}

TEST(GameSoundSettings, AnAbsentVolumeKeepsTheCurrentOne)
{
    Game& game = cleanGame();
    IniFolder ini;
    // Also a file written after the group was set up is found.
    ini.folder.write("config.ini", "[sound] \nmusicVolume  = 12 \n");
    game.sfxVolume = 33;

    game.loadSoundSettings();

    EXPECT_EQ(game.musicVolume, 12);
    EXPECT_EQ(game.sfxVolume, 33);
}

TEST(GameSoundSettings, WithoutConfigFileNothingChanges)
{
    Game& game = cleanGame();
    IniFolder ini;
    game.loadSoundSettings();
    EXPECT_EQ(game.musicVolume, 60);
    EXPECT_EQ(game.sfxVolume, 40);
}

} // namespace
