// Game::setGameState: the transition rules of the play-flow mode, the level
// choice, the fades and resets they start, and the high-score save.
#include "PlayFlowSupport.h"

#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "support/SoundFiles.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>

namespace {

using playflowtest::PlayFlowFixture;

// One rule of the mode itself: the Game in `from` on level `levelIndex` of
// three, asked for `requested`, ends in `expected`.
struct ModeRule {
    const char* rule;
    int from;
    int requested;
    int continues;
    int levelIndex;
    const char* nextLevelName;
    bool completedBefore;
    int expected;
};

const ModeRule modeRules[] = {
    {"a level completes while playing", 1, 8, 0, 0, "Next_level", false, 8},
    {"no level completes while dying", 2, 8, 0, 0, "Next_level", false, 2},
    {"no level completes at game over", 4, 8, 0, 0, "Next_level", false, 4},
    {"the continue offer needs a continue", 2, 7, 0, 0, "", false, 4},
    {"one continue is enough", 2, 7, 1, 0, "", false, 7},
    {"the last level ends the game", 1, 8, 0, 2, "Next_level", false, 13},
    {"an empty next name also ends it", 1, 8, 0, 2, "", false, 13},
    {"a named next level does not", 1, 8, 0, 2, "desert", false, 8},
    {"a completed game stays completed", 1, 8, 0, 0, "desert", true, 13},
    {"the game can be completed directly", 9, 13, 0, 0, "", false, 13},
    {"other modes are taken as asked", 3, 9, 0, 0, "", false, 9},
    {"dying may turn to respawn", 2, 3, 0, 0, "", false, 3},
    {"continue accepted", 7, 18, 1, 0, "", false, 18},
};

class PlayFlowModes : public PlayFlowFixture, public ::testing::WithParamInterface<ModeRule> {};

TEST_P(PlayFlowModes, FollowTheRule)
{
    const ModeRule& rule = GetParam();
    setLevels({"intro", "desert", "space"});
    game.levelIndex = rule.levelIndex;
    game.levelName = game.levels[static_cast<std::size_t>(rule.levelIndex)]->name;
    game.gameMode = rule.from;
    game.currentContinues = rule.continues;
    game.nextLevelName = rule.nextLevelName;
    game.isGameCompleted = rule.completedBefore;
    game.modeTimer = 4.0f;

    game.setGameState(rule.requested);

    EXPECT_EQ(game.gameMode, rule.expected) << rule.rule;
    EXPECT_EQ(game.modeTimer, 0.0f) << rule.rule;
    EXPECT_EQ(game.isGameCompleted, (rule.expected == 13 && rule.requested == 8) || rule.completedBefore) << rule.rule;
}

// The rule's words run together as the test's name.
std::string ruleName(const ::testing::TestParamInfo<ModeRule>& info)
{
    std::string name;
    bool upper = true;
    for (const char* c = info.param.rule; *c; ++c) {
        if (*c == ' ') {
            upper = true;
            continue;
        }
        name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
        upper = false;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryRule, PlayFlowModes, ::testing::ValuesIn(modeRules), ruleName);

TEST_F(PlayFlowFixture, CompletingTheGameSavesTheHighScoresUnlessToldNot)
{
    setLevels({"intro"});
    game.setGameState(8);
    EXPECT_EQ(game.gameMode, 13);
    EXPECT_FALSE(preferences.exists("high.scores"));

    game.noHighScoreSave = false;
    game.setGameState(13);
    EXPECT_TRUE(preferences.exists("high.scores"));
    EXPECT_EQ(game.highScores.rows.size(), 10u);
}

TEST_F(PlayFlowFixture, WithoutLevelsALevelCompletionIsNoGameCompletion)
{
    game.setGameState(8);
    EXPECT_EQ(game.gameMode, 8);
}

TEST_F(PlayFlowFixture, NextLevelTakesTheFollowingOneUpToTheLast)
{
    setLevels({"intro", "desert"});
    game.nextLevelName = "Next_level";
    game.setGameState(12);
    EXPECT_EQ(game.levelIndex, 1);
    EXPECT_EQ(game.levelName, "desert");
    EXPECT_TRUE(game.isLevelChanging);

    game.isLevelChanging = false;
    game.setGameState(12);
    EXPECT_EQ(game.levelIndex, 1);
    EXPECT_EQ(game.levelName, "desert");
}

TEST_F(PlayFlowFixture, NextLevelJumpsToTheNamedLevel)
{
    setLevels({"intro", "desert", "space"});
    game.nextLevelName = "space";
    game.setGameState(12);
    EXPECT_EQ(game.levelIndex, 2);
    EXPECT_EQ(game.levelName, "space");
}

TEST_F(PlayFlowFixture, AnUnknownNameKeepsTheLevelButStillFadesAndResets)
{
    setLevels({"intro", "desert"});
    game.nextLevelName = "Desert";
    game.isNextLevelBreakMultiplier = true;
    game.multiplier = 4.0;
    game.chainCount = 9;

    game.setGameState(12);

    EXPECT_EQ(game.levelIndex, 0);
    EXPECT_EQ(game.levelName, "intro");
    EXPECT_TRUE(game.isLevelChanging);
    EXPECT_EQ(game.fadeState, 2);
    EXPECT_DOUBLE_EQ(game.fadeDuration, 0.5);
    EXPECT_DOUBLE_EQ(game.multiplier, 1.0);
    EXPECT_EQ(game.chainCount, 0u);
}

TEST_F(PlayFlowFixture, ASecondNextLevelRequestWhileChangingChangesNothing)
{
    setLevels({"intro", "desert", "space"});
    game.setGameState(12);
    game.fadeState = 0;
    game.setGameState(12);
    EXPECT_EQ(game.levelIndex, 1);
    EXPECT_EQ(game.fadeState, 0);
}

TEST_F(PlayFlowFixture, NextLevelWithoutLevelsChangesNoLevel)
{
    game.levelName = "kept";
    game.levelIndex = 3;
    game.setGameState(12);
    EXPECT_EQ(game.levelName, "kept");
    EXPECT_EQ(game.levelIndex, 3);
    EXPECT_TRUE(game.isLevelChanging);
    EXPECT_EQ(game.fadeState, 2);
}

TEST_F(PlayFlowFixture, BackToTheMenuRewindsToTheFirstLevelWithALongerFade)
{
    setLevels({"intro", "desert"});
    game.levelIndex = 1;
    game.levelName = "desert";
    game.setGameState(11);
    EXPECT_EQ(game.levelIndex, 0);
    EXPECT_EQ(game.levelName, "intro");
    EXPECT_EQ(game.fadeState, 2);
    EXPECT_DOUBLE_EQ(game.fadeDuration, static_cast<double>(0.9f));
    EXPECT_FALSE(game.isLevelChanging);
}

TEST_F(PlayFlowFixture, BackToTheMenuWithoutLevelsChangesNoLevel)
{
    game.levelName = "kept";
    game.levelIndex = 2;
    game.setGameState(11);
    EXPECT_EQ(game.levelName, "kept");
    EXPECT_EQ(game.levelIndex, 2);
    EXPECT_EQ(game.fadeState, 2);
}

TEST_F(PlayFlowFixture, WithoutAStartMenuTheModeIsAllThatChanges)
{
    setLevels({"intro", "desert"});
    game.isStartMenuPresent = false;
    game.setGameState(12);
    EXPECT_EQ(game.gameMode, 12);
    EXPECT_EQ(game.levelIndex, 0);
    EXPECT_FALSE(game.isLevelChanging);
    game.setGameState(11);
    EXPECT_EQ(game.fadeState, 0);
}

class PlayFlowMusic : public PlayFlowFixture {
protected:
    void SetUp() override
    {
        PlayFlowFixture::SetUp();
        // After the clean Game: the sound game points its folders at the banks.
        sounds.emplace();
        soundtest::useSilentSoundOutput();
        initSound();
    }
    void TearDown() override
    {
        shutdownSound();
        sounds.reset();
        PlayFlowFixture::TearDown();
    }

    std::optional<AudioTestGame> sounds;
};

TEST_F(PlayFlowMusic, BackToTheMenuFadesTheMusicOut)
{
    playMusicNow("theme", 1.0f);
    resumeMusic();
    game.setGameState(11);
    EXPECT_TRUE(audio().stopScheduled);
    EXPECT_FLOAT_EQ(audio().stopCountdown, 0.6f);
}

} // namespace
