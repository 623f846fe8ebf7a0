#include "Main/RunGame.h"

#include "Main/FirstRun.h"
#include "Main/MainLoop.h"
#include "app/AudioService.h"
#include "app/GraphicsSystem.h"
#include "app/Log.h"
#include "app/ProgramPaths.h"
#include "app/ResourceListeners.h"
#include "app/ResourceLocations.h"
#include "app/StickDirection.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/materials/MaterialModule.h"
#include "data/GameFileReader.h"
#include "data/LocalizationReader.h"
#include "frontend/GameHUD.h"
#include "frontend/IntroState.h"
#include "frontend/StartMenuState.h"
#include "platform/Folders.h"
#include "platform/ShaderGeneration.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "world/affectors/ParticleAffectors.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreMath.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>

#include <SDL.h>

#include <exception>

namespace {

const char* const singleInstanceName = "ZARNITHGAME";
const char* const preferenceOrganisation = "Zarnith";
// A program that cannot keep its settings and scores ends at once, with this code.
constexpr int noPreferenceFolderExit = 1;

struct Process {
    Ogre::Math* math = nullptr;
    GameManager* manager = nullptr;
};

void createRoot()
{
    graphics.root = new Ogre::Root("", "", "Ogre.log");
    installResourceListeners();
}

void findProgramFolders()
{
    programPaths.mydocuments = platform::documentsFolder();
    splitProgramPath(programPaths, platform::executablePath());
    logLine("Zarnith Engine v" + programPaths.engineVersion);
    logLine("prefPath: " + programPaths.exeBaseName);
}

// The folder SDL was asked for and why it gave none.
std::string preferenceFolderFailure()
{
    const std::string tried = platform::preferenceFolder(preferenceOrganisation, programPaths.exeBaseName);
    return (tried.empty() ? std::string() : tried + ": ") + SDL_GetError();
}

// Returns false when SDL gives no preference folder.
bool findPreferenceFolder()
{
    char* folder = SDL_GetPrefPath(preferenceOrganisation, programPaths.exeBaseName.c_str());
    const std::string prefPath = folder ? folder : "";
    SDL_free(folder);
    logLine("Looking for prefs.ini in: " + prefPath);
    if (prefPath.empty()) {
        logLine("[ERROR] Don't have access to the preference folder: " + preferenceFolderFailure());
        logLine("Exiting.");
        return false;
    }
    logLine("Preferences path found.");
    programPaths.prefPath = prefPath;
    return true;
}

// Without a stored folder the game is the one in the program folder ("."),
// never a name that would be looked for from the working folder.
std::string chooseGameFolder()
{
    const std::string directory = graphics.configFile.getSetting("lastDirectorySaved", "debug", "");
    if (!directory.empty())
        return directory;
    const std::string game = graphics.configFile.getSetting("lastGameSaved", "debug", "");
    if (!game.empty())
        return game;
    return ".";
}

void setUpRendererAndResources(Game& game)
{
    createOverlaySystem();
    GraphicsSystem::initialize();
    logLine("renderer initialized");
    game.preferenceFolder = programPaths.prefPath; // the resource locations add it
    initResourceLocations(game, programPaths.exePath);
    game.gameFolder = chooseGameFolder();
    logLine("currentGameDirectory " + game.gameFolder);
    logLine("resources initialized");
}

// The window shows the game's name from its first frame: the game file is
// found (its resources are registered) though not yet read.
void showWindow(Game& game)
{
    const std::string title = findGameName() + " - engine v" + programPaths.engineVersion;
    SDL_SetWindowTitle(graphics.sdlWindow, title.c_str());
    game.renderWindow = graphics.renderWindow;
    SDL_ShowWindow(graphics.sdlWindow);
    graphics.renderWindow->update(true);
    graphics.renderWindow->update(true);
}

void createGame(Game& game, Process& process)
{
    process.math = new Ogre::Math(4096);
    // The sprite directions are filled once, with the rest of the maths.
    initDirectionTable();
    game.documentsFolder = programPaths.mydocuments;
    game.programFolder = programPaths.exePath;
    game.editorRoot = programPaths.exePath;
    game.preferenceFolder = programPaths.prefPath;
    logLine("mydocuments = " + programPaths.mydocuments);
    logLine("editorRoot = " + programPaths.exePath);
    logLine("exePath = " + programPaths.exePath);

    initMaterialModule();
    game.init();
    initSound();

    process.manager = new GameManager();
    process.manager->renderWindow = graphics.renderWindow;
    process.manager->renderSystem = graphics.renderSystem;
    process.manager->game = &game;
    process.manager->setup();

    game.engineVersion = programPaths.engineVersion;
    logLine("Zarnith - version: " + programPaths.engineVersion);
    logLine("game created");
}

void loadGame(Game& game)
{
    game.isStartMenuPresent = true;
    logLine("will start the game");
    readGameFile(game);
    game.loadGameData();
    readLocalizationTags(game.language + "_localization.xml", game.localizationTags);
    readLocalizationTags(game.language + "_tutsLocalization.xml", game.tutorialTags);
}

void removeIntroCamera()
{
    graphics.sceneManager->destroyCamera("IntroCam");
    if (graphics.renderWindow->hasViewportWithZOrder(0))
        graphics.renderWindow->removeViewport(0);
}

void enterFirstState(Game& game, GameManager& manager)
{
    removeIntroCamera();
    if (game.splashScreenPicture != "none" || game.splashScreenPicture2 != "none") {
        manager.changeState(introState::getInstance());
    } else {
        // A game without levels still opens its menu, with no level chosen.
        game.levelName = game.levels.empty() ? std::string() : game.levels.front()->name;
        manager.changeState(startMenuState::getInstance());
    }
    if (Ogre::Overlay* splash = Ogre::OverlayManager::getSingleton().getByName("SplashScreens"))
        splash->hide();
    if (game.fullscreen != 0)
        SDL_ShowCursor(SDL_DISABLE);
}

void deleteHud(Game& game)
{
    delete game.hud;
    game.hud = nullptr;
}

void releaseEngine()
{
    destroyOverlaySystem();
    // The shader generator holds Ogre resources: it goes before the root.
    platform::stopShaderGeneration();
    delete graphics.root;
    graphics.root = nullptr;
    destroyParticleAffectorFactories();
    if (graphics.sdlWindow) {
        SDL_SetWindowFullscreen(graphics.sdlWindow, 0);
        SDL_DestroyWindow(graphics.sdlWindow);
        graphics.sdlWindow = nullptr;
    }
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
}

// Start-up from the Ogre root to the first state; false when the process
// must end at once (no preference folder).
bool startUp(Game& game, Process& process)
{
    createRoot();
    if (!platform::unguardedReason().empty())
        logLine("[ERROR] running without the single-instance lock: " + platform::unguardedReason());
    findProgramFolders();
    if (!findPreferenceFolder())
        return false;
    removeStaleReplacements(programPaths.prefPath);
    moveOldHighScores(programPaths.exePath, programPaths.exeBaseName, programPaths.prefPath);
    moveOldSettings(programPaths.exePath, programPaths.prefPath);
    setUpRendererAndResources(game);
    showWindow(game);
    createGame(game, process);
    loadGame(game);
    enterFirstState(game, *process.manager);
    return true;
}

// The first shutdown steps, which may throw: the rest of shutdown is then
// skipped, as after an exception in the loop.
void releaseGameObjects(Game& game, Process& process)
{
    delete process.math;
    process.math = nullptr;
    deleteHud(game);
    delete process.manager;
    process.manager = nullptr;
}

void shutDown(Game& game)
{
    shutdownSound();
    resetMaterialModule();
    game.shutdown();
    releaseEngine();
    platform::releaseSingleInstance();
}

} // namespace

int runGame()
{
    programPaths.engineVersion = "1.7.2.0";
    if (!platform::acquireSingleInstance(singleInstanceName))
        return 0;
    platform::catchTerminationSignals();
    Game& game = *Game::getSingletonPtr();
    Process process;
    try {
        if (!startUp(game, process))
            return noPreferenceFolderExit;
        logLine("will start the main loop");
        runMainLoop(game, *process.manager);
        releaseGameObjects(game, process);
    } catch (const std::exception& e) {
        logLine(e.what());
        return 1;
    }
    shutDown(game);
    return 0;
}
