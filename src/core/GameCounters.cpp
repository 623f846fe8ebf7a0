// The chain and multiplier step, the gauge, the power-ups and the lives.
#include "core/Game.h"

#include "combat/Player.h"
#include "play/Level.h"
#include "world/sfxManager.h"

#include <algorithm>

void Game::stepMultiplier()
{
    const bool bombHolds = isSmartBombsBreakMultiplier && smartBombTime > 0.0f;
    const bool chainRanOut = chainTimer <= 0.0f && timeBetweenChains != 0.0f;
    if (chainRanOut || bombHolds) {
        // A hit after the chain ran out starts the next one.
        if (!bombHolds)
            chainTimer = timeBetweenChains;
        return;
    }
    ++chainCount;
    if (chainCount <= maxChains)
        multiplier = std::min(multiplier + chainAddedPoints, maxMultiplier);
    else
        chainCount = maxChains;
    chainTimer = timeBetweenChains;
}

void Game::addGauge(int amount)
{
    if (isGaugeActive && dontAddToGaugeWhenStarted)
        return;
    gaugeValue = std::min(gaugeValue + static_cast<float>(amount), maxGauge);
    if (level)
        level->updateGaugeDisplay(gaugeValue);
}

void Game::addEnergy(float amount)
{
    powerUpLevel = std::max(std::min(powerUpLevel + amount, static_cast<float>(maxPlayerPowerUps)), 0.0f);
    if (player && !isGaugeActive && !player->isWeaponSetOverride)
        player->setWeaponLevel(static_cast<int>(powerUpLevel));
}

void Game::loseLife()
{
    --currentLives;
    ++deaths;
    if (isDeathResetMedals)
        chainScoreCounters = {0, 0};
    if (isResetGaugePlayerDeath) {
        gaugeValue = 0.0f;
        isGaugeActive = false;
        if (level)
            level->updateGaugeDisplay(0.0f);
        if (level && level->effects)
            level->effects->stopReadyGauge();
    }
    if (deathResetsMultiplier)
        multiplier = 1.0;
    chainCount = 0;
    if (isSmartBombLostWhenDead)
        currentBombs = smartBombStartNumber;
    if (playerPowerUpBehavior == 1 && powerUpLevel > 0.0f)
        powerUpLevel -= 1.0f;
    else if (playerPowerUpBehavior == 2)
        powerUpLevel = 0.0f;
}

std::int64_t Game::firstExtendScore() const
{
    // A threshold of 0 or below would give a life on every score; it means off.
    const std::int64_t first = extendType != 0 ? extendScore1 : extendEvery;
    return std::max<std::int64_t>(first, 0);
}
