// The play flow: what a change of the Game's mode sets off, the death timer
// and the player's return after a death or a continue.
#include "play/playState.h"

#include "combat/Player.h"
#include "combat/bulletSpriteBatch.h"
#include "core/FadeStates.h"
#include "core/Game.h"
#include "core/GameMode.h"
#include "frontend/ContinueMenu.h"
#include "frontend/GameEndScreen.h"
#include "frontend/HighScoreMenu.h"
#include "frontend/ScoreMenu.h"
#include "play/Level.h"
#include "world/GameCamera.h"

#include <OgreCamera.h>
#include <OgreSceneNode.h>

namespace {

// The item cancelled shots could turn into; the flow never asks for items.
const char* const cancelItem = "Item6_Gold";
constexpr float levelEndFadeSeconds = 1.0f;
constexpr float respawnFadeSeconds = 0.5f;
// Enough to kill anything on screen.
constexpr int checkpointKillDamage = 99999999;

// The count-up stops and the score the end screens show is kept.
void stopScoreCountUp(Game& game)
{
    game.displayedScore = game.totalScore;
    game.endScore = game.totalScore;
}

void markLevelEnded(Game& game)
{
    if (game.player)
        game.player->isLevelEnded = true;
}

// The weapon set the game keeps from level to level, and again when the
// game asked for its weapons to be reset.
void keepWeaponLevel(Game& game)
{
    if (!game.player)
        return;
    const int kept = static_cast<int>(game.baseWeaponLevel);
    if (game.baseWeaponLevel > 0.0f)
        game.player->setWeaponLevel(kept);
    if (game.isWeaponResetRequested) {
        game.isWeaponResetRequested = false;
        game.player->setWeaponLevel(kept);
    }
}

// Shots and enemy guns stop when play ends.
void endPlayCleanUp(playState& play)
{
    play.cancelEnemyBullets(false, true, true, cancelItem);
    play.clearPlayerBullets();
    play.stopEnemyWeapons();
}

// The message screen, when asked for, chooses the next mode itself.
void chooseAfterLevelComplete(playState& play, Game& game)
{
    if (game.isEndOfLevelShowMessage) {
        if (play.endScreen)
            play.endScreen->show(gameModeLevelComplete);
        return;
    }
    if (game.isEndOfLevelShowScoreScreen) {
        game.setGameState(gameModeLevelScores);
        return;
    }
    game.setGameState(gameModeNextLevel);
    game.startFadeOut(levelEndFadeSeconds);
}

// Run once, in the frame that sees the new mode.
void enterGameMode(playState& play, Game& game, int mode)
{
    switch (mode) {
    case gameModeGameOver:
        endPlayCleanUp(play);
        if (game.level && game.level->bulletBatch)
            game.level->bulletBatch->clear();
        stopScoreCountUp(game);
        if (play.endScreen)
            play.endScreen->show(gameModeGameOver);
        break;
    case gameModeLevelComplete:
        endPlayCleanUp(play);
        stopScoreCountUp(game);
        markLevelEnded(game);
        keepWeaponLevel(game);
        chooseAfterLevelComplete(play, game);
        break;
    case gameModeGameCompleted:
        endPlayCleanUp(play);
        game.endScore = game.totalScore;
        if (game.player)
            game.player->setWeaponLevel(0);
        markLevelEnded(game);
        if (play.endScreen)
            play.endScreen->show(gameModeGameCompleted);
        break;
    case gameModeGameOverScores:
    case gameModeLevelScores:
    case gameModeGameScores:
        if (play.scoreMenu)
            play.scoreMenu->open();
        break;
    case gameModeContinueOffer:
        if (play.continueMenu)
            play.continueMenu->open();
        break;
    case gameModeHighScoreEntry:
        if (play.highScoreMenu)
            play.highScoreMenu->start(false);
        break;
    default:
        break;
    }
}

void stopCameraShake(GameCamera* camera)
{
    if (!camera)
        return;
    camera->shakeTime = 0.0f;
    if (camera->playCamera)
        camera->playCamera->setFrustumOffset(0.0f, 0.0f);
}

// Back to the last checkpoint the camera passed: the enemies on screen may
// be killed, the level and the camera go back, and the level's objects too
// when the game asks for it. Without a continue the game may keep it all.
void returnToCheckpoint(playState& play, Game& game, int mode)
{
    if (game.checkPointOnlyWithContinue && mode != gameModeContinueAccepted)
        return;
    if (game.checkPointKillEnemies)
        play.hitOnScreenEnemies(checkpointKillDamage);
    GameCamera* camera = play.camera;
    if (!camera || !camera->hasCheckpoint)
        return;
    if (game.level)
        game.level->restart(false);
    camera->setPathTime(camera->checkpointDistance);
    camera->resetPosition();
    if (camera->headNode)
        camera->headNode->setPosition(camera->checkpointHeadPosition);
    if (game.checkPointResetLevel) {
        play.clearPlayerBullets();
        play.renderFrame();
        play.updateWindow();
        play.resetLevelState(false);
    }
}

// The player's return after a death or an accepted continue: the level's
// timers, the shots, the camera, the checkpoint, the ship and the fade, then
// play again.
void respawnPlayer(playState& play, Game& game, double dt)
{
    const int mode = game.gameMode;
    game.modeTimer += static_cast<float>(dt);
    game.resetLevel();
    if (game.level)
        game.level->updateGaugeDisplay(game.gaugeValue);
    play.clearPlayerBullets();
    Player* player = game.player;
    if (player && player->isRestartCancelBullets)
        play.cancelEnemyBullets(false, true, false, cancelItem);
    stopCameraShake(play.camera);
    returnToCheckpoint(play, game, mode);
    play.renderFrame();
    play.updateWindow();
    if (player) {
        player->respawn(true);
        player->createPhysicsBody();
        player->syncScale();
    }
    game.currentLife = game.life;
    if (game.fadeState == fadingOut || game.fadeState == fadedOut)
        game.startFadeIn(respawnFadeSeconds);
    game.setGameState(gameModePlaying);
    if (player)
        game.enemyFirePause = player->timeBeforeEnemiesCanShoot;
}

// The table is saved once the screen has ended, then play goes back to the
// start menu.
void updateHighScores(playState& play, Game& game, double dt)
{
    if (!play.highScoreMenu || !play.highScoreMenu->update(dt))
        return;
    if (!game.noHighScoreSave)
        game.saveHighScores();
    play.updateWindow();
    game.setGameState(gameModeBackToStartMenu);
}

} // namespace

void playState::updatePlayFlow(double dt)
{
    Game& game = *Game::getSingletonPtr();
    if (game.gameMode != lastGameMode) {
        lastGameMode = game.gameMode;
        enterGameMode(*this, game, game.gameMode);
    }
    switch (game.gameMode) {
    case gameModePlayerDying:
        game.modeTimer += static_cast<float>(dt);
        if (game.player && game.player->timeBeforeRestart < game.modeTimer)
            game.setGameState(gameModeRespawn);
        break;
    case gameModeRespawn:
    case gameModeContinueAccepted:
        respawnPlayer(*this, game, dt);
        break;
    case gameModeContinueOffer:
        if (continueMenu)
            continueMenu->update(dt);
        break;
    case gameModeGameOver:
    case gameModeLevelComplete:
    case gameModeGameCompleted:
        if (endScreen)
            endScreen->update(dt);
        break;
    case gameModeGameOverScores:
    case gameModeLevelScores:
        if (scoreMenu)
            scoreMenu->update(dt);
        break;
    case gameModeGameScores:
        if (scoreMenu && scoreMenu->update(dt))
            game.setGameState(game.isEndOfLevelShowHighScoreScreen ? gameModeHighScoreEntry
                                                                   : gameModeBackToStartMenu);
        break;
    case gameModeHighScoreEntry:
        updateHighScores(*this, game, dt);
        break;
    default:
        break;
    }
}
