// The runtime object of the level being played (the Game's `level`): what the
// level's objects and the Game's play-flow counters read and call of it. The
// play state builds and runs it; until the play state exists this is the part
// the Game and the level objects use, and its displays draw nothing yet.
#pragma once

#include <vector>

class Enemy;
class entity;

class Level {
public:
    // Shows the gauge at the value: its fill (a share of the Game's maxGauge)
    // and the highest fill shown.
    void updateGaugeDisplay(float value);
    // Shows the time left to continue the chain (a share of the Game's
    // timeBetweenChains) and the highest fill shown.
    void setChainGauge(float chainTimer);
    // Whether the play state's trigger list holds a trigger: the chain timer
    // runs only then.
    bool hasTriggers() const { return triggers && !triggers->empty(); }

    // The level file's "isSpriteLighting": while set, sprites get the lit
    // sprite materials.
    bool isSpriteLighting = false;
    // While set, sprite materials are made anew instead of reused; clear when
    // the Level is made, cleared by the play state once it has built the level.
    bool isSpriteRefresh = false;
    // Set while the level plays.
    bool isRunning = false;
    // The play state's trigger list, bound by the play state; not owned.
    const std::vector<entity*>* triggers = nullptr;
    // The enemy hit last (its life bar shows); cleared when a chain breaks.
    Enemy* lastHitEnemy = nullptr;
    // Gauge and chain gauge: the fill to show (0 to 1) and the fill drawn,
    // which the bar's layout brings down to the fill each frame.
    float gaugeFill = 0.0f;
    float gaugeShown = 0.0f;
    float chainFill = 0.0f;
    float chainShown = 0.0f;
};
