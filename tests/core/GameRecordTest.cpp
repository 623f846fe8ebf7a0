#include "GameTestSupport.h"

#include "combat/Player.h"

#include <gtest/gtest.h>

using namespace gametest;

namespace {

void setLevels(Game& game, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        auto* entry = new gameFileEntry;
        entry->name = name;
        game.levels.push_back(entry);
    }
}

TEST(GameRecord, IsOneProcessWideObject)
{
    ASSERT_NE(Game::getSingletonPtr(), nullptr);
    EXPECT_EQ(Game::getSingletonPtr(), &Game::getSingleton());
}

TEST(GameRecord, ResetDefaultsGivesTheDefaults)
{
    Game& game = cleanGame();
    game.gameMode = 7;
    game.language = "french";
    game.masterVolume = 5;
    game.upKey = 200;
    game.scoreMenuBG = "mine";
    game.startMenuBackground = "stars.png";
    game.gameModes[1].screenName = "easy";

    game.resetDefaults();

    EXPECT_EQ(game.gameMode, 1);
    EXPECT_EQ(game.language, "english");
    EXPECT_EQ(game.masterVolume, 80);
    EXPECT_EQ(game.musicVolume, 60);
    EXPECT_EQ(game.sfxVolume, 40);
    EXPECT_EQ(game.upKey, 17);
    EXPECT_EQ(game.shootButton, (std::array<int, 8>{44, 45, 46, 47, 48, 49, 50, 51}));
    EXPECT_EQ(game.shootButtonNumber, (std::array<int, 8>{0, 1, 2, 3, 9, 10, 100, 101}));
    EXPECT_EQ(game.fullScreenWidth, 1920u);
    EXPECT_EQ(game.scoreMenuBG, "BG/PAUSEMENU");
    EXPECT_EQ(game.startMenuBackground, "");
    EXPECT_TRUE(game.gameModes.empty());
}

TEST(GameRecord, ALevelEntryWithoutAttributesIsAPlainGameplayLevel)
{
    const gameFileEntry entry;
    EXPECT_TRUE(entry.isIncludedInBuild);
    EXPECT_TRUE(entry.isGameplayLevel);
    EXPECT_FALSE(entry.isTriggerEnd);
    EXPECT_FALSE(entry.isDuplicated);
}

TEST(GameRecord, FindLevelIndexTakesTheFirstEntryOfTheName)
{
    Game& game = cleanGame();
    setLevels(game, {"intro", "desert", "desert"});
    game.levelName = "desert";
    game.findLevelIndex();
    EXPECT_EQ(game.levelIndex, 1);

    game.levelName = "Desert";
    game.findLevelIndex();
    EXPECT_EQ(game.levelIndex, 0);
}

TEST(GameRecord, FindLevelIndexInAnEmptyListGivesZero)
{
    Game& game = cleanGame();
    game.levelIndex = 2;
    game.levelName = "intro";
    game.findLevelIndex();
    EXPECT_EQ(game.levelIndex, 0);
}

TEST(GameRecord, ShutdownFreesTheLevelsModesAndPlayer)
{
    Game& game = cleanGame();
    setLevels(game, {"intro", "desert"});
    game.gameModes[0].screenName = "normal";
    game.player = new Player;

    game.shutdown();

    EXPECT_TRUE(game.levels.empty());
    EXPECT_TRUE(game.gameModes.empty());
    EXPECT_EQ(game.player, nullptr);
}

TEST(GameReset, ANewGameStartsFromTheStartingValues)
{
    Game& game = cleanGame();
    game.lives = 3;
    game.life = 5;
    game.continues = 2;
    game.smartBombStartNumber = 4;
    game.gameMode = 9;
    game.isLevelChanging = game.isGameCompleted = game.isBackgroundDark = game.isGaugeActive = true;
    game.multiplier = 7.5;
    game.chainCount = 12;
    game.chainScoreCounters = {3, 4};
    game.chainTimer = game.gaugeValue = game.powerUpLevel = 1.0f;
    game.invincibilityTime = game.smartBombTime = game.bombFlashTime = 1.0f;
    game.totalScore = game.levelScore = game.displayedScore = 900;
    game.playClock = 42.0f;

    game.resetGame();

    EXPECT_EQ(game.gameMode, 0);
    EXPECT_FALSE(game.isLevelChanging || game.isGameCompleted || game.isBackgroundDark || game.isGaugeActive);
    EXPECT_DOUBLE_EQ(game.multiplier, 1.0);
    EXPECT_EQ(game.chainCount, 0u);
    EXPECT_EQ(game.chainScoreCounters, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(game.chainTimer + game.gaugeValue + game.powerUpLevel, 0.0f);
    EXPECT_EQ(game.invincibilityTime + game.smartBombTime + game.bombFlashTime, 0.0f);
    EXPECT_EQ(game.totalScore + game.levelScore + game.displayedScore, 0);
    EXPECT_EQ(game.playClock, 0.0f);
    EXPECT_EQ(game.currentLives, 3);
    EXPECT_EQ(game.currentLife, 5);
    EXPECT_EQ(game.currentContinues, 2);
    EXPECT_EQ(game.currentBombs, 4);
}

TEST(GameReset, ANewLevelKeepsScoreLivesAndMultiplier)
{
    Game& game = cleanGame();
    game.gameMode = 12;
    game.isLevelChanging = game.isGaugeActive = true;
    game.chainTimer = game.invincibilityTime = game.smartBombTime = game.bombFlashTime = 1.0f;
    game.multiplier = 3.0;
    game.totalScore = 500;
    game.currentLives = 2;
    game.playClock = 8.0f;
    game.levelCounter = 3;

    game.resetLevel();
    EXPECT_EQ(game.levelCounter, 20);

    EXPECT_EQ(game.gameMode, 0);
    EXPECT_FALSE(game.isLevelChanging || game.isGaugeActive);
    EXPECT_EQ(game.chainTimer + game.invincibilityTime + game.smartBombTime + game.bombFlashTime, 0.0f);
    EXPECT_DOUBLE_EQ(game.multiplier, 3.0);
    EXPECT_EQ(game.totalScore, 500);
    EXPECT_EQ(game.currentLives, 2);
    EXPECT_EQ(game.playClock, 8.0f);
}

} // namespace
