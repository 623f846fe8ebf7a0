// Entering a level: the whole scene of the Game's current level is built in
// a fixed order and play starts.
#include "play/playState.h"

#include "app/Log.h"
#include "app/OverlayTextFonts.h"
#include "app/ResourceLookup.h"
#include "app/TextUtils.h"
#include "combat/Player.h"
#include "combat/bulletDefinition.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/materials/ShotMaterials.h"
#include "core/materials/SpriteMaterials.h"
#include "data/LevelReader.h"
#include "data/ReferenceCheck.h"
#include "frontend/ContinueMenu.h"
#include "frontend/GameEndScreen.h"
#include "frontend/GameHUD.h"
#include "frontend/HighScoreMenu.h"
#include "frontend/PauseMenu.h"
#include "frontend/ScoreMenu.h"
#include "play/Level.h"
#include "platform/Random.h"
#include "platform/TerminationSignals.h"
#include "platform/SdlKeyboard.h"
#include "world/GameCamera.h"
#include "world/sfxManager.h"

#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreTimer.h>
#include <OgreViewport.h>

#include <ctime>

playState* playState::getInstance()
{
    static playState instance;
    return &instance;
}

void playState::enter(Ogre::RenderWindow* renderWindow)
{
    logLine("playstate starting!");
    root = Ogre::Root::getSingletonPtr();
    window = renderWindow;
    game = Game::getSingletonPtr();
    keyboard = game->keyboard;
    mouse = game->mouse;
    game->listGameFiles();
    platform::seedRandom(static_cast<unsigned>(std::time(nullptr)));

    enemyFireTime = shotTime = 0.0;
    invincibilityBounds = nullptr;
    game->isGameChanged = false;
    lastGameMode = -1;
    sceneManager = game->sceneManager;
    restartPending = 0;
    game->findLevelIndex();
    game->createItemPool();

    camera = new GameCamera();
    camera->setupScene();
    playCamera = camera->playCamera;
    logLine("cameraGame initialized");
    createBackgroundViewport();
    createGameViewport();
    createOverlayPreferer();
    createPhysicsWorld();

    const unsigned long started = root->getTimer()->getMilliseconds();
    {
        // One read of the level's file serves the level's creation, its
        // build and the look for the fonts it needs.
        const LevelFile file(game->levelName + ".level");
        createLevel(file);
        buildLevel(file);
        logLine("playstate starting time " + std::to_string(root->getTimer()->getMilliseconds() - started));
        // A quit signal during the build: the level is not started, and the
        // main loop quits before its next frame.
        if (platform::terminationRequested())
            return;
        camera->updateAspectRatio();
        preloadOverlays(file);
    }
    if (game->hud)
        game->hud->hideLoading();
    pauseMenu = new PauseMenu();
    pauseMenu->create(this);
    backgroundViewport->update();
    startLevel();
    settleEarlierKeys();
}

void playState::settleEarlierKeys()
{
    if (GameManager* manager = GameManager::getSingletonPtr())
        manager->pumpSdlEvents();
    if (auto* keys = dynamic_cast<platform::SdlKeyboard*>(keyboard))
        keys->settle();
}

void playState::createLevel(const LevelFile& file)
{
    level = new Level();
    level->state = this;
    game->level = level;
    // The post-effect compositors hang on the camera's viewport.
    level->camera = camera;
    level->create(sceneManager);
    level->physicsWorld = world;
    readLevelLighting(file, *level);
    setupShadows();
    camera->level = level;
    level->effects->camera = camera;
    createBulletMaterials("notFoundBullet.jpg");
    createSpriteMaterial("notFound.jpg", false);
    logLine("Level object initialized");

    player = new Player();
    game->player = player;
    player->level = level;
    level->bulletBatch->player = player;
    level->bulletBatch->waves = &waves;
    logLine("Player created");
    createScreenBounds();
    pumpWindowsMessages();
    resolveFontSources();
    mendOverlayTextFonts();
}

void playState::buildLevel(const LevelFile& file)
{
    readLevel(file, *level, *player, waves, items, triggers, sfxList, game->waveLibrary, levelEntities,
              game->backgroundLibrary, game->itemLibrary);
    checkLevelWaveReferences(*game, waves, file.name());
    checkLevelTriggerReferences(triggers, file.name());
    level->waves = waves;
    level->backgrounds = levelEntities;
    level->placedEffects = &sfxList;
    level->effects->preloadSounds();
    logLine("Read the level");

    game->createPlayer(game->playerName);
    linkEntities();
    attachEntities();
    level->effects->createSharedParticles();
    level->bulletBatch->create(sceneManager);
    pumpWindowsMessages();
    continueMenu = new ContinueMenu();
    continueMenu->create(this);
    scoreMenu = new ScoreMenu();
    scoreMenu->create(this);
    endScreen = new GameEndScreen();
    endScreen->init();
    highScoreMenu = new HighScoreMenu();
    highScoreMenu->create(game, this);

    for (const auto& entry : game->bulletLibrary)
        if (entry.second)
            createBulletMaterials(entry.second->meshName);
    level->assignRenderQueues();
    level->build();
    level->updateShadowFlags();
    level->isSpriteRefresh = false;
    pumpWindowsMessages();
}
