// Tile counts, durations and sizes of picture definitions, made safe to
// divide by, and the sub-material keys of meshes.
#include "core/Game.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/MeshMaterials.h"
#include "core/materials/PictureFrames.h"
#include "data/pictureDefinition.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class PictureFrames : public ::testing::Test {
protected:
    PictureFrames()
    {
        initMaterialModule();
        clearMaterialCaches();
    }
    ~PictureFrames() override { clearMaterialCaches(); }

    LogCapture log;
};

TEST_F(PictureFrames, TileCountsAreTruncatedAndBelowOneCountAsOneReportedOncePerPicture)
{
    pictureDefinition sheet;
    sheet.lineColumn = Ogre::Vector2(4.9f, 2.0f);
    EXPECT_EQ(tileCountsOf(sheet, "sheet.png").across, 4);
    EXPECT_TRUE(log.lines.empty());

    sheet.lineColumn = Ogre::Vector2(0.0f, std::numeric_limits<float>::quiet_NaN());
    const tileCounts counts = tileCountsOf(sheet, "sheet.png");
    EXPECT_EQ(counts.across, 1);
    EXPECT_EQ(counts.down, 1);
    tileCountsOf(sheet, "sheet.png");
    EXPECT_EQ(log.lines, std::vector<std::string>{"[ERROR] picture sheet.png: tile count below 1, taken as 1"});
}

TEST_F(PictureFrames, AnAnimationRunsOnceInItsDurationAndOnceASecondWithoutOne)
{
    pictureAnimation animation;
    animation.duration = 0.25f;
    EXPECT_FLOAT_EQ(animationRate(animation, "sheet.png"), 4.0f);
    animation.duration = 0.0f;
    EXPECT_FLOAT_EQ(animationRate(animation, "sheet.png"), 1.0f);
    animation.duration = -1.0f;
    EXPECT_FLOAT_EQ(animationRate(animation, "sheet.png"), 1.0f);
    EXPECT_EQ(log.lines.size(), 1u);
}

TEST_F(PictureFrames, AKnownTextureSizeIsKeptAndNeverBelowOne)
{
    pictureDefinition sheet;
    EXPECT_EQ(pictureTextureSize(sheet, nullptr), Ogre::Vector2(1.0f, 1.0f));
    sheet.textureDimension = Ogre::Vector2(256.0f, 64.0f);
    EXPECT_EQ(pictureTextureSize(sheet, nullptr), Ogre::Vector2(256.0f, 64.0f));
}

TEST_F(PictureFrames, PixelArtIsFilteredSharperWhenDrawnLarger)
{
    Game& game = *Game::getSingletonPtr();
    EXPECT_FLOAT_EQ(filterScaleFor(false), 1.0f);
    EXPECT_FLOAT_EQ(filterScaleFor(true), 2.5f);
    game.spriteScale = 1.5f;
    EXPECT_FLOAT_EQ(filterScaleFor(false), 2.5f);
    game.spriteScale = 1.0f;
}

TEST_F(PictureFrames, ClearingTheCachesEmptiesFlagsAndDefinitionsAndALevelRestartKeepsThem)
{
    materialModule().flags["sprite_a.png"] = materialFlags{false, true};
    materialModule().definitions["a.mesh"]["a_0"] = material3DDefinition();
    resetMaterialMaps();
    EXPECT_EQ(materialModule().flags.size(), 1u);
    EXPECT_EQ(materialModule().definitions.size(), 1u);
    resetMaterialModule();
    EXPECT_TRUE(materialModule().flags.empty());
    EXPECT_TRUE(materialModule().definitions.empty());
}

TEST(SubMaterialKey, IsTheMeshNameWithoutItsExtensionAndTheIndex)
{
    EXPECT_EQ(subMaterialKey("ship.mesh", 2), "ship_2");
    EXPECT_EQ(subMaterialKey("rock.mesh", 0), "rock_0");
    EXPECT_EQ(subMaterialKey("box", 1), "box_1"); // shorter than ".mesh": kept whole
    EXPECT_EQ(subMaterialKey("a.obj.mesh", 3), "a.obj_3");
}

} // namespace
