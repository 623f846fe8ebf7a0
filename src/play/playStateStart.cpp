// Starting play of the loaded level: the views, sounds and screen effects of
// the level, the level put back to its start, the fade in, the ship and the
// enemies' looks, and play in game mode 1.
#include "play/playState.h"

#include "app/AudioService.h"
#include "app/OverlayVisibility.h"
#include "combat/Player.h"
#include "combat/bulletSpriteBatch.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/GameHUD.h"
#include "play/Level.h"
#include "platform/TerminationSignals.h"
#include "world/GameCamera.h"
#include "world/Obb.h"
#include "world/Trigger.h"

#include <OgreControllerManager.h>
#include <OgreOverlay.h>
#include <OgreOverlayElement.h>
#include <OgreOverlayManager.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneNode.h>
#include <OgreViewport.h>

#include <btBulletDynamicsCommon.h>

namespace {

constexpr double backgroundRefreshSeconds = 0.6;
constexpr float startFadeSeconds = 0.5f;
constexpr btScalar firstPhysicsStep = 0.01f;
constexpr int firstPhysicsSubSteps = 10;
constexpr btScalar physicsFixedStep = 1.0f / 60.0f;
// The window is swapped a few more times when the screen has a fixed format,
// so that both buffers hold the background.
constexpr int fixedFormatSwaps = 3;
constexpr int screenFormatNone = 0;

// The play overlay shows; the editor's guides do not.
void showPlayOverlays()
{
    setOverlayVisible("GameOverlay", true);
    setOverlayElementVisible("DebugMenu/Game", true);
    for (const char* guide : {"DebugMenu/safeFrame01", "DebugMenu/safeFrame02", "DebugMenu/safeFrameLine01",
                              "DebugMenu/safeFrameLine02"})
        setOverlayElementVisible(guide, false);
    setOverlayVisible("EditorOverlay", false);
}

} // namespace

// The frames drawn while a level starts are left out once a quit signal
// has come: the program is closing, and a crowded level's first frames are
// slow to draw.
void playState::renderFrame()
{
    if (root && window && !platform::terminationRequested())
        root->renderOneFrame();
}

void playState::updateWindow()
{
    if (window && !platform::terminationRequested())
        window->update();
}

void playState::startLevel()
{
    gameViewport->setOverlaysEnabled(true);
    if (game->screenRatio != screenFormatNone)
        backgroundViewport->setAutoUpdated(true);
    if (game->hud)
        game->hud->setBackground(level->backgroundGameName);
    setControllerTimeFactor(1.0f);
    game->playClock = 0.0f;
    padLost = game->gameController != nullptr;
    level->assignRenderQueues();
    if (level->bulletBatch && level->bulletBatch->sceneManager != sceneManager)
        level->bulletBatch->create(sceneManager);

    game->isPaused = false;
    game->isPlayStartPending = false;
    isPlayStartPending = false;
    showPlayOverlays();
    applySoundSettings();
    camera->applyLevelSettings();
    level->applyPostEffects();

    renderFrame();
    restartLevel();
    renderFrame();
    updateWindow();
    if (game->hud) {
        game->hud->layout();
        game->hud->setVisible(level->isShowHUD);
        game->hud->clearRefreshFlag();
        game->hud->updateTexts();
    }
    showPlayerAndLayers();
    openStartView();
    startPlayerAndEnemies();
    if (game->isSoundOn) {
        pauseMusic(false);
        playMusicNow(level->music, level->musicVolume);
        resumeMusic();
    }
    armPlayer();
    // From here the level plays: its chain timer may count down.
    level->isRunning = true;
    game->setGameState(gameModePlaying);
    renderFrame();
    updateWindow();
    if (game->screenRatio != screenFormatNone) {
        for (int swap = 0; swap < fixedFormatSwaps; ++swap)
            updateWindow();
        backgroundViewport->setAutoUpdated(true);
    }
    detachHiddenEntities();
}

void playState::showPlayerAndLayers()
{
    // A ship aimed with the mouse shows its crosshair.
    if (player->type == Player::rotationCrosshair && player->aimNode)
        player->aimNode->setVisible(true, true);
    level->attachEntitiesToLayers();
}

// The background is drawn for a moment, the camera goes back to the start of
// its path and the picture fades in.
void playState::openStartView()
{
    backgroundViewport->setAutoUpdated(true);
    game->isDisplayCountdownDone = false;
    game->displayCountdown = backgroundRefreshSeconds;
    camera->restartPath();
    game->cancelBackgroundFade();
    game->startFadeIn(startFadeSeconds);
    game->updateFade(0.0);
    renderFrame();
}

void playState::startPlayerAndEnemies()
{
    player->followCameraNode(false);
    player->updateIntro(0.0);
    if (world)
        world->stepSimulation(firstPhysicsStep, firstPhysicsSubSteps, physicsFixedStep);
    buildEnemyVisuals();
}

void playState::armPlayer()
{
    player->updateObbs();
    player->setWeaponLevel(game->weaponLevel);
    for (Trigger* trigger : triggers)
        if (trigger && trigger->outline)
            trigger->outline->updateScreenPolygon();
}

void playState::detachHiddenEntities()
{
    for (Trigger* trigger : triggers) {
        if (!trigger || trigger->needsOwnNode() || !trigger->sceneNode)
            continue;
        if (Ogre::SceneNode* parent = trigger->sceneNode->getParentSceneNode())
            parent->removeChild(trigger->sceneNode);
    }
}
