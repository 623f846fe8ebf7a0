// Game::update: what the Game itself advances in every frame of play.
#include "core/Game.h"

#include "combat/Player.h"
#include "core/GameMode.h"
#include "play/Level.h"

#include <algorithm>

namespace {


void countDown(float& timer, double dt)
{
    timer = std::max(0.0f, static_cast<float>(timer - dt));
}

// The chain timer runs only while a level with triggers is played and the
// ship is in play.
bool isChainTimerRunning(const Game& game)
{
    return game.chainTimer > 0.0f && game.gameMode == gameModePlaying && game.level && game.level->isRunning
           && game.player && game.player->status == Player::statusPlaying && game.level->hasTriggers();
}

void breakChain(Game& game)
{
    game.chainCount = 0;
    game.chainScoreCounters = {0, 0};
    game.multiplier = 1.0;
    if (game.level)
        game.level->lastHitEnemy = nullptr;
}

void updateChain(Game& game, double dt)
{
    if (isChainTimerRunning(game))
        game.chainTimer = static_cast<float>(game.chainTimer - dt);
    if (game.chainTimer < 0.0f) {
        game.chainTimer = 0.0f;
        // A multiplier that decays instead ends its chain slowly, below.
        if (game.timeBetweenChains > 0.0f && game.decreasingMultSpeed == 0.0f)
            breakChain(game);
    }
    if (game.chainTimer <= 0.0f)
        game.multiplier = std::max(1.0, game.multiplier - game.decreasingMultSpeed * dt);
    if (game.level)
        game.level->setChainGauge(game.chainTimer);
}

} // namespace

void Game::update(double dt)
{
    updateFade(dt);
    updateBackgroundFade(dt);
    if (!isDisplayCountdownDone)
        displayCountdown -= dt;
    pollGamepads();
    // The play clock runs on while paused.
    playClock = static_cast<float>(playClock + dt);
    if (isPaused)
        return;
    countDown(invincibilityTime, dt);
    countDown(smartBombTime, dt);
    countDown(bombFlashTime, dt);
    countDown(enemyFirePause, dt);
    if (isChaining)
        updateChain(*this, dt);
}
