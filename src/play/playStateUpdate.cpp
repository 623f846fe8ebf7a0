// The frame of play: the Game's timers, the world step of the level with
// the guns and shots in fixed steps, the physics world, the listener of the
// 3D sound and the two game modes that leave the state.
#include "play/playState.h"

#include "app/AudioService.h"
#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/ShotLaunchStep.h"
#include "combat/bulletSpriteBatch.h"
#include "core/FadeStates.h"
#include "core/Game.h"
#include "core/GameManager.h"
#include "core/GameMode.h"
#include "frontend/GameHUD.h"
#include "frontend/PauseMenu.h"
#include "frontend/StartMenuState.h"
#include "play/FixedSteps.h"
#include "play/Level.h"
#include "play/PlayerPosition.h"
#include "world/GameCamera.h"
#include "world/background.h"

#include <OgreCamera.h>
#include <OgreCompositorInstance.h>
#include <OgreRenderTarget.h>
#include <OgreRenderWindow.h>
#include <OgreRoot.h>
#include <OgreSceneManager.h>
#include <OgreViewport.h>

#include <btBulletDynamicsCommon.h>

namespace {

// The Game's full-screen mode value under which the television look draws
// the overlays into its own scene target.
constexpr int fullScreenModeScaled = 2;
// Physics steps a frame takes for a ship that is not layered: one plus these.
constexpr int extraPhysicsSteps = 11;

bool isWorldStepMode(int mode)
{
    switch (mode) {
    case gameModeBeforePlay:
    case gameModePlaying:
    case gameModePlayerDying:
    case gameModeRespawn:
    case gameModeLevelComplete:
    case gameModeGameCompleted: return true;
    default: return false;
    }
}

bool isLevelEnding(int mode) { return mode == gameModeLevelComplete || mode == gameModeGameCompleted; }

// The television look renders the scene into a texture first: that
// texture's viewport must draw the overlays then.
void showOverlaysUnderTv(const Game& game, const Level* level)
{
    if (game.fullscreen != fullScreenModeScaled || !level || !level->isPostTV || !level->tvCompositor
        || !level->tvCompositor->getEnabled())
        return;
    Ogre::RenderTarget* target = level->tvCompositor->getRenderTarget("scene");
    if (!target || target->getNumViewports() == 0)
        return;
    Ogre::Viewport* viewport = target->getViewport(0);
    if (!viewport->getOverlaysEnabled())
        viewport->setOverlaysEnabled(true);
}

bool isFadeSettled(const Game& game) { return game.fadeState == fadeIdle || game.fadeState == fadedOut; }

} // namespace

void playState::update(double dt)
{
    if (!game)
        return;
    showOverlaysUnderTv(*game, level);
    setDebugOverlaysVisible(true);
    updatePlayFlow(dt);
    endBackgroundRefresh();
    game->update(dt);
    if (!game->isLevelChanging)
        updateSfx(dt);
    if (game->hud) {
        game->hud->updateTexts();
        game->hud->updateDebugInfos();
    }
    if (!game->isLevelChanging && !game->isPaused && isWorldStepMode(game->gameMode))
        runWorldStep(dt);
    if (pauseMenu && pauseMenu->isShown)
        pauseMenu->update(dt);
    if (game->isSoundOn && camera && camera->playCamera)
        updateSound(static_cast<float>(dt), camera->playCamera->getRealPosition(),
                    camera->playCamera->getRealDirection());
    freedMemoryPace.advance(dt);
    leaveWhenFaded();
}

void playState::endBackgroundRefresh()
{
    if (game->displayCountdown > 0.0 || game->isDisplayCountdownDone)
        return;
    if (backgroundViewport)
        backgroundViewport->setAutoUpdated(false);
    game->isDisplayCountdownDone = true;
    game->displayCountdown = 0.0;
}

void playState::runWorldStep(double dt)
{
    watchController();
    const int mode = game->gameMode;
    if (camera && !isLevelEnding(mode))
        camera->update(dt);
    collectActiveEnemies();
    updateBackgroundVisibility();
    collectVisibleBackgrounds();
    for (background* entry : visibleBackgrounds)
        entry->updateObbScreenPolygons();
    if (!isLevelEnding(mode))
        updateTriggers(dt);
    updateWaves(dt);
    if (player && player->status == Player::statusPlaying)
        player->updateFocus(dt);
    if (mode != gameModePlayerDying && !isLevelEnding(mode)) {
        updatePlayerControl(dt);
        if (game->smartBombTime > 0.0f)
            updateBombTimer(dt);
    }
    stepGunsAndShots(dt);
    if (level && level->bulletBatch)
        level->bulletBatch->update(game->enemyBullets.data(), game->playerBullets.data());
    updateItems(dt);
    if (level)
        level->update(dt);
    if (player)
        player->syncPhysicsTransform();
    stepPhysics(dt);
    if (player) {
        player->syncFromPhysics();
        player->checkPhysicsContacts(dt);
    }
}

void playState::watchController()
{
    if (game->gameController) {
        padLost = 1;
    } else if (padLost) {
        padLost = 0;
        setGamePaused(true);
    }
}

void playState::stepGunsAndShots(double dt)
{
    if (!player || !level)
        return;
    const Ogre::Vector3 target = playerPosition(*player);
    runFixedSteps(enemyFireTime, dt, maxEnemyFireSteps, [&] {
        ShotLaunchStep step(*level);
        for (Enemy* enemy : activeEnemies)
            if (enemy->status == Enemy::statusAlive)
                enemy->updateShoot(target);
    });
    runFixedSteps(shotTime, dt, maxShotSteps, [&] {
        if (player->status == Player::statusPlaying) {
            ShotLaunchStep step(*level);
            player->shoot(fixedStep);
        }
        if (game->isUseOldBulletTiming)
            return;
        updateEnemyBullets(fixedStep, target);
        updatePlayerBullets(fixedStep, target);
        if (sceneManager && sceneManager->hasSceneNode("CamNode1"))
            sceneManager->getSceneNode("CamNode1")->_update(true, false);
    });
    if (game->isUseOldBulletTiming) {
        updateEnemyBullets(dt, target);
        updatePlayerBullets(dt, target);
    }
}

void playState::stepPhysics(double dt)
{
    if (!world || dt <= 0.0)
        return;
    const int steps = player && player->isLayered ? 1 : 1 + extraPhysicsSteps;
    for (int i = 0; i < steps; ++i)
        world->stepSimulation(static_cast<btScalar>(dt), 0, static_cast<btScalar>(fixedStep));
}

void playState::leaveWhenFaded()
{
    const int mode = game->gameMode;
    if ((mode != gameModeBackToStartMenu && mode != gameModeNextLevel) || !isFadeSettled(*game))
        return;
    if (mode == gameModeBackToStartMenu) {
        stopAllSoundsWithFade();
        GameManager::getSingleton().changeState(startMenuState::getInstance());
        return;
    }
    if (game->hud)
        game->hud->showLoading();
    if (root)
        root->renderOneFrame();
    for (int i = 0; i < 3; ++i)
        if (window)
            window->update();
    game->gameMode = gameModeBeforePlay;
    game->isPaused = false;
    GameManager::getSingleton().changeState(this);
}
