// The gauge's states: released at once without the switch, ready (with its
// sound once) past the start threshold with it, and reset by an empty gauge.
#include "core/GameTestSupport.h"

#include "play/Level.h"

#include <gtest/gtest.h>

namespace {

class Gauge : public ::testing::Test {
protected:
    void SetUp() override
    {
        gametest::cleanGame();
        game.isGauge = true;
        game.maxGauge = 100.0f;
        game.minStartgauge = 50.0f;
        game.isGaugeActive = game.isGaugeReady = game.isGaugeReadySoundPlayed = game.isGaugeSwitch = false;
        game.gaugeWeaponSetNumber = game.weaponLevel;
    }
    void TearDown() override { gametest::cleanGame(); }

    Game& game = *Game::getSingletonPtr();
    Level level;
};

TEST_F(Gauge, WithoutTheSwitchAFullGaugeIsReleasedAtOnce)
{
    level.updateGaugeDisplay(99.0f);
    EXPECT_FALSE(game.isGaugeActive);
    EXPECT_FLOAT_EQ(level.gaugeFill, 0.99f);
    level.updateGaugeDisplay(100.0f);
    EXPECT_TRUE(game.isGaugeActive);
    EXPECT_FALSE(game.isGaugeReady);
}

TEST_F(Gauge, WithTheSwitchItTurnsReadyPastTheStartThresholdUntilItDropsBelow)
{
    game.isGaugeSwitch = true;
    struct Step {
        float value;
        bool ready, soundPlayed;
    };
    const Step steps[] = {
        {49.0f, false, false}, {50.0f, true, true}, {80.0f, true, true},
        {40.0f, false, true},  {60.0f, true, true}, {0.0f, false, false},
    };
    for (const Step& step : steps) {
        level.updateGaugeDisplay(step.value);
        EXPECT_EQ(game.isGaugeReady, step.ready) << step.value;
        EXPECT_EQ(game.isGaugeReadySoundPlayed, step.soundPlayed) << step.value;
        EXPECT_FALSE(game.isGaugeActive) << step.value;
    }
    EXPECT_EQ(level.gaugeFill, 0.0f);
    EXPECT_FLOAT_EQ(level.gaugeShown, 0.8f);
}

TEST_F(Gauge, AGaugeWithoutAFullValueOrSwitchedOffStaysEmptyAndIdle)
{
    game.maxGauge = 0.0f;
    level.updateGaugeDisplay(10.0f);
    EXPECT_EQ(level.gaugeFill, 0.0f);
    game.maxGauge = 100.0f;
    game.isGauge = false;
    level.updateGaugeDisplay(100.0f);
    EXPECT_FALSE(game.isGaugeActive);
    game.timeBetweenChains = 0.0f;
    level.setChainGauge(1.0f);
    EXPECT_EQ(level.chainFill, 0.0f);
}

} // namespace
