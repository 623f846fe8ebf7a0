#include "play/Level.h"

#include "core/Game.h"

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

void Level::setChainGauge(float chainTimer)
{
    const Game& game = *Game::getSingletonPtr();
    chainFill = fillOf(chainTimer, game.timeBetweenChains);
    if (chainFill > chainShown)
        chainShown = chainFill;
}
