#include "play/Level.h"

#include "app/AudioService.h"
#include "combat/Player.h"
#include "core/Game.h"
#include "play/playState.h"

#include <algorithm>
#include <cmath>

namespace {

// The bar's fill for a value against its full value; empty below 0 and for
// a bar without a full value.
float fillOf(float value, float full)
{
    return value > 0.0f && full > 0.0f ? value / full : 0.0f;
}

} // namespace

void Level::updateGaugeDisplay(float value)
{
    const Game& game = *Game::getSingletonPtr();
    gaugeFill = fillOf(value, game.maxGauge);
    if (gaugeFill > gaugeShown)
        gaugeShown = gaugeFill;
    // The ready state, its sound and the automatic release follow here with
    // the gauge settings and bars of the play state.
}

void Level::useGauge()
{
    Game& game = *Game::getSingletonPtr();
    game.isGaugeActive = true;
    playSound(game.gaugeStartSound, game.gaugeStartSoundVolume, noSoundPosition, false);
    if (game.player && game.gaugeWeaponSetNumber != game.weaponLevel)
        game.player->setWeaponLevel(game.gaugeWeaponSetNumber);
    if (game.isGaugeCancels && state)
        state->cancelBulletsForScore(game.gaugeStartSpawnedItem, false);
    // Enemy guns stay silent for the cancelling time, so no shot replaces
    // the cancelled ones meanwhile.
    game.enemyFirePause = std::max(game.enemyFirePause, game.gaugeCancelDuration);
    if (game.player)
        game.player->invincibilityTime =
            std::max(game.player->invincibilityTime, static_cast<float>(game.gaugeInvincibleTime));
}

void Level::setChainGauge(float chainTimer)
{
    const Game& game = *Game::getSingletonPtr();
    chainFill = fillOf(chainTimer, game.timeBetweenChains);
    if (chainFill > chainShown)
        chainShown = chainFill;
}

bool Level::hasTriggers() const
{
    return state && !state->triggers.empty();
}

void Level::spawnScorePopup(const Ogre::Vector3& /*position*/, std::int64_t /*points*/)
{
    // The level's 999 score pop-ups arrive with the play state's score display.
}

std::uint16_t Level::nextItemRenderPriority()
{
    const unsigned count = std::max(1u, Game::getSingletonPtr()->maxSpritesPriorities);
    itemPriorityCounter = static_cast<std::uint16_t>((itemPriorityCounter + 1u) % count);
    return itemPriorityCounter;
}
