#include "combat/WaveKill.h"

#include "combat/Enemy.h"
#include "combat/Wave.h"
#include "core/Game.h"
#include "data/AttributeValues.h"
#include "play/Level.h"
#include "play/playState.h"

#include <cmath>

namespace {

// The item name that drops nothing, besides the empty one.
const char* const noItemName = "None";
// The multiplier is shown to hundredths.
constexpr double hundredths = 100.0;

} // namespace

bool isKillScored(const Wave& wave)
{
    if (wave.noScore)
        return false;
    const auto* parent = dynamic_cast<const Wave*>(wave.parentObject);
    return !(parent && parent->killChildren && parent->status != Wave::statusRunning);
}

void scoreKill(const Wave& wave, const Enemy& member, const Ogre::Vector3& where)
{
    Game& game = *Game::getSingletonPtr();
    Level* level = wave.level;
    game.killScore += member.score;
    double factor = 1.0;
    if (game.isKillFactor) {
        game.killScore = truncatedInto<std::int64_t>(static_cast<double>(game.killScore) * game.killFactor, 0);
        factor = game.killFactor;
        if (factor > 1.0 && level)
            level->spawnMultiplierPopup(where, factor);
    }
    const double chain = static_cast<double>(game.chainCount) + 1.0;
    const std::int64_t points = game.isEnemiesTotalChaining && game.isChaining
        ? truncatedInto<std::int64_t>(chain * static_cast<double>(game.killScore), 0)
        : truncatedInto<std::int64_t>(chain * member.score * factor, 0);
    const double shownMultiplier = std::round(game.multiplier * hundredths) / hundredths;
    if (level) {
        level->addScore(points);
        if (game.isShowEnemyScore)
            level->spawnScorePopup(where, truncatedInto<std::int64_t>(points * shownMultiplier, 0));
        level->spawnMultiplierPopup(where, chain * shownMultiplier);
    }
    game.addGauge(truncatedInto<int>(game.killAddGauge, 0));
    ++game.killedEnemyTotal;
}

void rewardGroupDestroyed(const Wave& wave, const Ogre::Vector3& where)
{
    dropWaveItems(wave, where);
    // The group's end clears the screen: every enemy shot that can be
    // cancelled ends, leaving the group's item, and enemy beams stop.
    if (wave.isDeathCancelBullets && wave.level && wave.level->state)
        wave.level->state->cancelEnemyBullets(true, true, false, wave.cancelBulletItemName);
}

void dropWaveItems(const Wave& wave, const Ogre::Vector3& where)
{
    if (wave.itemSpawned.empty() || wave.itemSpawned == noItemName)
        return;
    Game& game = *Game::getSingletonPtr();
    const int count = truncatedInto<int>(static_cast<double>(wave.itemNumber) * game.itemDropFactor, 0);
    game.spawnItem(wave.itemSpawned, where, count, wave.itemRadius, wave.itemRandom);
}
