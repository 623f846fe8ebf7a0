// The counters of a new game, of a new level and of a change of level.
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
    continuesUsed = 0;
    currentLives = lives;
    nextExtendScore = firstExtendScore();
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
    enemyFirePause = 0.0f;
    // A bomb of the last life must not go on cancelling, nor its cool-down
    // hold the next one back, and no shoot button is held at a level start.
    smartBombCoolDown = 0.0f;
    isBombCancelling = false;
    heldShootButtons.clear();
    enemyBulletColour = Ogre::Vector3::UNIT_SCALE;
    playerBulletColour = Ogre::Vector3::UNIT_SCALE;
    if (resetPlayerWeaponSetAtLevelStart)
        powerUpLevel = 0.0f;
    levelCounter = levelCounterStart;
}

void Game::applyLevelResets()
{
    if (isNextLevelBreakMultiplier) {
        multiplier = 1.0;
        chainCount = 0;
        chainScoreCounters = {0, 0};
    }
    if (isResetGaugeNextLevel) {
        gaugeValue = 0.0f;
        isGaugeActive = false;
    }
}
