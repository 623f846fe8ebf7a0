// The chain step, the gauge, the power-ups and the lives, and what a change
// of level resets.
#include "PlayFlowSupport.h"

#include "support/LogCapture.h"

#include <gtest/gtest.h>

namespace {

using playflowtest::PlayFlowFixture;

class PlayCounters : public PlayFlowFixture {
protected:
    void chain(float timer, unsigned count, double multiplier)
    {
        game.timeBetweenChains = 2.0f;
        game.maxChains = 3;
        game.chainAddedPoints = 0.5;
        game.maxMultiplier = 2.2;
        game.chainTimer = timer;
        game.chainCount = count;
        game.multiplier = multiplier;
    }
};

TEST_F(PlayCounters, AHitInARunningChainRaisesTheMultiplierAndRefillsTheTimer)
{
    chain(0.5f, 0, 1.0);
    game.stepMultiplier();
    EXPECT_EQ(game.chainCount, 1u);
    EXPECT_DOUBLE_EQ(game.multiplier, 1.5);
    EXPECT_FLOAT_EQ(game.chainTimer, 2.0f);
}

TEST_F(PlayCounters, TheMultiplierStopsAtItsMaximumAndTheCountAtMaxChains)
{
    chain(0.5f, 2, 2.0);
    game.stepMultiplier();
    EXPECT_EQ(game.chainCount, 3u);
    EXPECT_DOUBLE_EQ(game.multiplier, 2.2);
    game.stepMultiplier();
    EXPECT_EQ(game.chainCount, 3u);
    EXPECT_DOUBLE_EQ(game.multiplier, 2.2);
}

TEST_F(PlayCounters, AHitAfterTheChainRanOutOnlyStartsTheNextOne)
{
    chain(0.0f, 2, 1.5);
    game.stepMultiplier();
    EXPECT_EQ(game.chainCount, 2u);
    EXPECT_DOUBLE_EQ(game.multiplier, 1.5);
    EXPECT_FLOAT_EQ(game.chainTimer, 2.0f);
}

TEST_F(PlayCounters, WithoutAChainTimeEveryHitCounts)
{
    chain(0.0f, 0, 1.0);
    game.timeBetweenChains = 0.0f;
    game.stepMultiplier();
    EXPECT_EQ(game.chainCount, 1u);
    EXPECT_DOUBLE_EQ(game.multiplier, 1.5);
}

TEST_F(PlayCounters, ARunningBombHoldsTheChainWhenItBreaksTheMultiplier)
{
    chain(0.0f, 1, 1.5);
    game.smartBombTime = 0.3f;
    game.stepMultiplier(); // bombs do not break it: the chain restarts
    EXPECT_FLOAT_EQ(game.chainTimer, 2.0f);

    chain(0.0f, 1, 1.5);
    game.isSmartBombsBreakMultiplier = true;
    game.stepMultiplier();
    EXPECT_EQ(game.chainTimer, 0.0f);
    chain(0.5f, 1, 1.5);
    game.stepMultiplier();
    EXPECT_EQ(game.chainCount, 1u);
    EXPECT_FLOAT_EQ(game.chainTimer, 0.5f);
}

TEST_F(PlayCounters, TheGaugeFillsUpToItsMaximumAndShowsOnTheLevel)
{
    game.level = &level;
    game.maxGauge = 100.0f;
    game.addGauge(30);
    EXPECT_FLOAT_EQ(game.gaugeValue, 30.0f);
    EXPECT_FLOAT_EQ(level.gaugeFill, 0.3f);
    game.addGauge(90);
    EXPECT_FLOAT_EQ(game.gaugeValue, 100.0f);
    EXPECT_FLOAT_EQ(level.gaugeShown, 1.0f);
}

TEST_F(PlayCounters, AGaugeInUseTakesNothingWhenTheGameSaysSo)
{
    game.isGaugeActive = true;
    game.addGauge(10);
    EXPECT_FLOAT_EQ(game.gaugeValue, 10.0f);
    game.dontAddToGaugeWhenStarted = true;
    game.addGauge(10);
    EXPECT_FLOAT_EQ(game.gaugeValue, 10.0f);
}

TEST_F(PlayCounters, PowerUpsStayBetweenZeroAndTheMaximum)
{
    game.maxPlayerPowerUps = 3;
    game.addEnergy(1.5f);
    EXPECT_FLOAT_EQ(game.powerUpLevel, 1.5f);
    game.addEnergy(5.0f);
    EXPECT_FLOAT_EQ(game.powerUpLevel, 3.0f);
    game.addEnergy(-7.0f);
    EXPECT_FLOAT_EQ(game.powerUpLevel, 0.0f);
}

TEST_F(PlayCounters, ALostLifeCountsAndResetsWhatTheGameAsks)
{
    game.level = &level;
    level.gaugeFill = 0.8f;
    game.currentLives = 3;
    game.deaths = 1;
    game.gaugeValue = 80.0f;
    game.isGaugeActive = true;
    game.multiplier = 4.0;
    game.chainCount = 6;
    game.currentBombs = 0;
    game.smartBombStartNumber = 2;
    game.powerUpLevel = 2.5f;
    game.isDeathResetMedals = false;
    game.chainScoreCounters = {1, 2};

    game.loseLife();
    EXPECT_EQ(game.chainScoreCounters, (std::array<int, 2>{1, 2}));
    EXPECT_EQ(game.currentLives, 2);
    EXPECT_EQ(game.deaths, 2);
    EXPECT_EQ(game.chainCount, 0u);
    EXPECT_FLOAT_EQ(game.gaugeValue, 80.0f);
    EXPECT_DOUBLE_EQ(game.multiplier, 4.0);
    EXPECT_EQ(game.currentBombs, 0);
    EXPECT_FLOAT_EQ(game.powerUpLevel, 2.5f);

    game.isResetGaugePlayerDeath = game.deathResetsMultiplier = game.isSmartBombLostWhenDead = true;
    game.playerPowerUpBehavior = 1;
    game.isDeathResetMedals = true;
    game.loseLife();
    EXPECT_EQ(game.chainScoreCounters, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(game.gaugeValue, 0.0f);
    EXPECT_FALSE(game.isGaugeActive);
    EXPECT_EQ(level.gaugeFill, 0.0f);
    EXPECT_DOUBLE_EQ(game.multiplier, 1.0);
    EXPECT_EQ(game.currentBombs, 2);
    EXPECT_FLOAT_EQ(game.powerUpLevel, 1.5f);

    game.playerPowerUpBehavior = 2;
    game.loseLife();
    EXPECT_EQ(game.powerUpLevel, 0.0f);
    game.playerPowerUpBehavior = 1;
    game.loseLife();
    EXPECT_EQ(game.powerUpLevel, 0.0f);
}

TEST_F(PlayCounters, AChangeOfLevelResetsOnlyWhatTheGameAsks)
{
    game.multiplier = 3.0;
    game.chainCount = 4;
    game.chainScoreCounters = {1, 2};
    game.gaugeValue = 50.0f;
    game.isGaugeActive = true;
    game.applyLevelResets();
    EXPECT_DOUBLE_EQ(game.multiplier, 3.0);
    EXPECT_FLOAT_EQ(game.gaugeValue, 50.0f);

    game.isNextLevelBreakMultiplier = game.isResetGaugeNextLevel = true;
    game.applyLevelResets();
    EXPECT_DOUBLE_EQ(game.multiplier, 1.0);
    EXPECT_EQ(game.chainCount, 0u);
    EXPECT_EQ(game.chainScoreCounters, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(game.gaugeValue, 0.0f);
    EXPECT_FALSE(game.isGaugeActive);
}

TEST_F(PlayCounters, ANewLevelLiftsTheEnemyFireHoldAndDropsPowerUpsWhenTheGameSaysSo)
{
    game.enemyFirePause = 2.0f;
    game.powerUpLevel = 2.0f;
    game.resetLevel();
    EXPECT_EQ(game.enemyFirePause, 0.0f);
    EXPECT_EQ(game.powerUpLevel, 2.0f);
    game.resetPlayerWeaponSetAtLevelStart = true;
    game.resetLevel();
    EXPECT_EQ(game.powerUpLevel, 0.0f);
}

TEST_F(PlayCounters, ThePlayerTakesItsDefinitionsName)
{
    Player definition;
    definition.name = "PlayerDefault01";
    definition.meshName = "ship.mesh";
    game.playerLibrary["PlayerDefault01"] = &definition;
    game.player = &player;
    player.meshName = "level.mesh";
    LogCapture log;

    game.createPlayer("PlayerDefault01");

    EXPECT_EQ(player.name, "PlayerDefault01");
    EXPECT_EQ(player.templateObject, &definition);
    EXPECT_EQ(player.meshName, "ship.mesh");
    EXPECT_EQ(game.playerName, "PlayerDefault01");
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(PlayCounters, AMissingPlayerIsTheStandByOne)
{
    Player standBy;
    standBy.name = "PlayerNotFound";
    standBy.meshName = "interro.mesh";
    game.playerLibrary["PlayerNotFound"] = &standBy;
    game.player = &player;
    player.meshName = "ship.mesh";
    LogCapture log;

    game.createPlayer("PlayerGone");

    EXPECT_TRUE(log.contains("[ERROR] can't find player mesh: ship.mesh"));
    EXPECT_EQ(player.meshName, "interro.mesh");
    EXPECT_EQ(player.name, "PlayerNotFound");
    EXPECT_EQ(game.playerName, "PlayerNotFound");
}

TEST_F(PlayCounters, WithoutEvenTheStandByThePlayerStaysBare)
{
    game.player = &player;
    LogCapture log;
    game.createPlayer("PlayerGone");
    EXPECT_TRUE(log.contains("[ERROR] can't find player mesh: "));
    EXPECT_EQ(player.meshName, "interro.mesh");
    EXPECT_EQ(player.templateObject, nullptr);
    EXPECT_EQ(player.name, "");
}

} // namespace
