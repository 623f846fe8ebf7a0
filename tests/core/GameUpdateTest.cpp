// Game::update: the timers it counts, paused and not, and the chain timer
// with the multiplier it keeps or lets decay.
#include "PlayFlowSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

using playflowtest::PlayFlowFixture;

class GameUpdate : public PlayFlowFixture {
protected:
    void setTimers(float seconds)
    {
        game.invincibilityTime = game.smartBombTime = game.bombFlashTime = game.enemyFirePause = seconds;
    }
    void expectTimers(float seconds)
    {
        EXPECT_FLOAT_EQ(game.invincibilityTime, seconds);
        EXPECT_FLOAT_EQ(game.smartBombTime, seconds);
        EXPECT_FLOAT_EQ(game.bombFlashTime, seconds);
        EXPECT_FLOAT_EQ(game.enemyFirePause, seconds);
    }
    // A chain running with the timer given, the multiplier at 3.
    void chainOn(float timer)
    {
        play();
        game.isChaining = true;
        game.chainTimer = timer;
        game.timeBetweenChains = 2.0f;
        game.multiplier = 3.0;
        game.chainCount = 5;
        game.chainScoreCounters = {7, 8};
    }
};

TEST_F(GameUpdate, TimersCountDownToZeroAndTheClockRuns)
{
    setTimers(0.25f);
    game.playClock = 1.0f;
    game.update(0.1);
    expectTimers(0.15f);
    EXPECT_FLOAT_EQ(game.playClock, 1.1f);
    game.update(0.2);
    expectTimers(0.0f);
    EXPECT_FLOAT_EQ(game.playClock, 1.3f);
}

TEST_F(GameUpdate, PausedOnlyTheClockAndTheDisplayCountdownUntilDoneRun)
{
    setTimers(0.25f);
    game.isPaused = true;
    game.displayCountdown = 0.1;
    game.update(0.3);
    expectTimers(0.25f);
    EXPECT_FLOAT_EQ(game.playClock, 0.3f);
    EXPECT_NEAR(game.displayCountdown, -0.2, 1e-12);
    game.isDisplayCountdownDone = true;
    game.update(0.5);
    EXPECT_NEAR(game.displayCountdown, -0.2, 1e-12);
}

TEST_F(GameUpdate, TheChainTimerRunsWhileTheLevelIsPlayed)
{
    chainOn(1.0f);
    game.update(0.25);
    EXPECT_FLOAT_EQ(game.chainTimer, 0.75f);
    EXPECT_DOUBLE_EQ(game.multiplier, 3.0);
    EXPECT_FLOAT_EQ(level.chainFill, 0.375f);
}

TEST_F(GameUpdate, TheChainTimerStandsWhenAnyConditionFails)
{
    const std::vector<std::pair<const char*, std::function<void()>>> failures = {
        {"paused", [this] { game.isPaused = true; }},
        {"not playing", [this] { game.gameMode = 2; }},
        {"level not running", [this] { level.isRunning = false; }},
        {"no level", [this] { game.level = nullptr; }},
        {"ship not in play", [this] { player.status = 1; }},
        {"no player", [this] { game.player = nullptr; }},
        {"no triggers", [this] { playing.triggers.clear(); }},
        {"no play state", [this] { level.state = nullptr; }},
        {"not chaining", [this] { game.isChaining = false; }},
    };
    for (const auto& [condition, fail] : failures) {
        chainOn(1.0f);
        playing.triggers = {noTrigger};
        level.state = &playing;
        game.isPaused = false;
        fail();
        game.update(0.25);
        EXPECT_FLOAT_EQ(game.chainTimer, 1.0f) << condition;
    }
}

TEST_F(GameUpdate, AnEndedChainBreaksWithoutDecay)
{
    chainOn(0.1f);
    level.chainFill = level.chainShown = 0.5f;
    alignas(8) char enemy[8]; // only the pointer is compared
    level.lastHitEnemy = reinterpret_cast<Enemy*>(enemy);
    game.update(0.25);
    EXPECT_EQ(game.chainTimer, 0.0f);
    EXPECT_EQ(game.chainCount, 0u);
    EXPECT_EQ(game.chainScoreCounters, (std::array<int, 2>{0, 0}));
    EXPECT_DOUBLE_EQ(game.multiplier, 1.0);
    EXPECT_EQ(level.lastHitEnemy, nullptr);
    EXPECT_EQ(level.chainFill, 0.0f);
}

TEST_F(GameUpdate, WithDecayTheMultiplierSinksOnceTheTimerIsOut)
{
    chainOn(0.1f);
    game.decreasingMultSpeed = 2.0f;
    game.update(0.25);
    EXPECT_EQ(game.chainTimer, 0.0f);
    EXPECT_EQ(game.chainCount, 5u);
    EXPECT_DOUBLE_EQ(game.multiplier, 2.5);
    game.update(0.5);
    EXPECT_DOUBLE_EQ(game.multiplier, 1.5);
    game.update(0.5);
    EXPECT_DOUBLE_EQ(game.multiplier, 1.0);
}

TEST_F(GameUpdate, AChainOutBeforeTheFrameDoesNotBreakAgain)
{
    // The timer was out already: it does not fall below 0 this frame.
    chainOn(0.0f);
    game.update(0.25);
    EXPECT_EQ(game.chainCount, 5u);
    EXPECT_DOUBLE_EQ(game.multiplier, 3.0);
}

TEST_F(GameUpdate, PausedTheChainNeitherRunsNorDecays)
{
    chainOn(0.0f);
    game.decreasingMultSpeed = 2.0f;
    game.isPaused = true;
    game.update(0.25);
    EXPECT_DOUBLE_EQ(game.multiplier, 3.0);
}

} // namespace
