// Score and multiplier pop-ups: the characters they show, where each sits,
// and the pool handing out its first free pop-up.
#include "core/GameTestSupport.h"

#include "play/Level.h"
#include "play/ScorePopup.h"
#include "support/OgreTestRoot.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> materialsOf(const std::vector<PopupGlyph>& glyphs)
{
    std::vector<std::string> materials;
    for (const PopupGlyph& glyph : glyphs)
        materials.push_back(glyph.material);
    return materials;
}

TEST(ScorePopupText, ScoresAndMultipliersAsShown)
{
    EXPECT_EQ(scorePopupText(1234567, 1), "1,234,567");
    EXPECT_EQ(scorePopupText(1234567, 0), "1234567");
    EXPECT_EQ(scorePopupText(2000000000, 3), "999999999");
    EXPECT_EQ(scorePopupText(-45, 1), "45");
    EXPECT_EQ(multiplierPopupText(2.5), "2.5");
    EXPECT_EQ(multiplierPopupText(1.156), "1.16");
}

TEST(ScorePopupText, SeparatorsSitLeftAndTakeHalfAPlace)
{
    const std::vector<PopupGlyph> row = scoreGlyphs("1,234,567", 10.0f);
    ASSERT_EQ(row.size(), 9u);
    EXPECT_EQ(row[1].material, "defaultScore_12");
    EXPECT_EQ(row[2].material, "defaultScore_2");
    EXPECT_FLOAT_EQ(row[1].x, 8.5f - 2.0f);
    EXPECT_FLOAT_EQ(row[2].x, 8.5f + 4.25f);
    EXPECT_EQ(scoreGlyphs("3.5", 8.0f)[1].material, "defaultScore_11");

    EXPECT_EQ(materialsOf(multiplierGlyphs("2.5", 8.0f)),
              std::vector<std::string>({"multiplier_10", "multiplier_2", "multiplier_11", "multiplier_5"}));
}

TEST(ScorePopupPool, RequestsTakeTheFirstFreePopupAndShowOnlyWhatCounts)
{
    Game& game = gametest::cleanGame();
    game.multiplierTextureName = "score_default.png";
    game.isShowMultiplier = true;
    sharedTestRoot();
    Level level;
    for (int slot = 0; slot < 3; ++slot)
        level.scorePopups.push_back(std::make_unique<ScorePopup>());
    const Ogre::Vector3 where(1.0f, 2.0f, 3.0f);

    level.spawnScorePopup(where, 0);
    level.spawnMultiplierPopup(where, 1.0);
    EXPECT_FALSE(level.scorePopups[0]->active);
    level.spawnScorePopup(where, 500);
    level.spawnMultiplierPopup(where, 2.5);
    EXPECT_EQ(level.scorePopups[0]->lastScore, 500);
    EXPECT_TRUE(level.scorePopups[1]->isShowingMultiplier);
    EXPECT_DOUBLE_EQ(level.scorePopups[1]->lastMultiplier, 2.5);

    level.update(1.5);
    level.scorePopups[0]->stop();
    level.spawnScorePopup(where, 700);
    EXPECT_EQ(level.scorePopups[0]->lastScore, 700);
    level.update(0.6);
    EXPECT_TRUE(level.scorePopups[0]->active);
    EXPECT_FALSE(level.scorePopups[1]->active);
    EXPECT_EQ(level.scorePopups[1]->clock, 0.0);

    game.isShowMultiplier = false;
    level.spawnMultiplierPopup(where, 3.0);
    EXPECT_FALSE(level.scorePopups[1]->active);
    level.stopAllScorePopups();
    EXPECT_FALSE(level.scorePopups[0]->active);
    gametest::cleanGame();
}

} // namespace
