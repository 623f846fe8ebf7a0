#include "core/Game.h"

void Game::resetGame()
{
    gameMode = 0;
    isLevelChanging = false;
    isGameCompleted = false;
    isBackgroundDark = false;
    multiplier = 1.0;
    chainCount = 0;
    chainScoreCounters = {0, 0};
    gaugeValue = 0.0f;
    powerUpLevel = 0.0f;
    isGaugeActive = false;
    bombFlashTime = 0.0f;
    totalScore = 0;
    levelScore = 0;
    displayedScore = 0;
    playClock = 0.0f;
    resetLevel();
    currentContinues = continues;
    currentLives = lives;
    currentLife = life;
    currentBombs = smartBombStartNumber;
}

void Game::resetLevel()
{
    gameMode = 0;
    isLevelChanging = false;
    isGaugeActive = false;
    chainTimer = 0.0f;
    invincibilityTime = 0.0f;
    smartBombTime = 0.0f;
    bombFlashTime = 0.0f;
    // The per-level timers and lists of play are zeroed here once they exist.
    // The two per-level colour triples go back to (1, 1, 1) here once they exist.
    // The power-up level goes to 0 here once the per-level power-up reset option exists.
    // The per-level counter that restarts at 20 is set here once it exists.
}
