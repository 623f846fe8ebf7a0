// Sprite materials, drawn: the sample game's ship sheet of four frames on the
// unit plane, the frame its clock shows, the sheet's constants on the clone,
// and how the level's sprite lighting rebuilds the material.
#include "render/ConstantReadback.h"
#include "render/LibraryEntry.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "core/MeshAvailability.h"
#include "core/materials/MaterialModule.h"
#include "core/materials/SpriteMaterials.h"

#include <OgreEntity.h>
#include <OgreMaterialManager.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SpriteMaterials : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        game.frameTime = 0.0;
        ASSERT_TRUE(loadMeshResource("plane1U.mesh"));
    }
    void TearDown() override
    {
        game.frameTime = 0.0;
        game.spriteScale = 1.0f;
        game.isSpriteZbuffer = false;
    }

    // A sprite plane of 6 x 6 units at the position.
    Ogre::Entity* placeSprite(const Ogre::Vector3& position)
    {
        Ogre::Entity* sprite = scene->placeMesh("plane1U.mesh", position);
        sprite->getParentSceneNode()->setScale(6.0f, 1.0f, 6.0f);
        return sprite;
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    LogCapture log;
};

// The four frames of "shipSheet.png".
const Ogre::ColourValue red = rgb(0xff2020), green = rgb(0x20ff20), blue = rgb(0x2040ff), yellow = rgb(0xffff20);

TEST_F(SpriteMaterials, AnAnimatedSpriteShowsTheFrameOfItsClockOrTheChosenFrame)
{
    LibraryEntry sheet(game.spriteLibrary, "shipSheet.png", 4.0f, 1.0f); // one run of 4 frames a second
    Ogre::Entity* ship = placeSprite(Ogre::Vector3(-4.0f, 0.0f, 0.0f));
    Ogre::Entity* still = placeSprite(Ogre::Vector3(4.0f, 0.0f, 0.0f));
    applySpriteMaterial(still, "shipSheet.png", false);
    game.frameTime = 0.6; // the ship's animation starts 0.6 s in: frame 2
    applySpriteMaterial(ship, "shipSheet.png", false);

    scene->renderFrame();
    scene->keepFrame("sprite");
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4.0f, 0.0f, 0.0f)), blue);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(4.0f, 0.0f, 0.0f)), red);
    // Outside the frame's disc the sheet is transparent.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-6.8f, 0.0f, -2.8f)), Ogre::ColourValue::Black);

    scene->setClock(0.25f);
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4.0f, 0.0f, 0.0f)), yellow);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(4.0f, 0.0f, 0.0f)), green);

    // The chosen tile runs from 0 (the first frame) to 1 (the last); between
    // them, the nearest frame.
    applyPictureTileParameters(ship, 1.0f);
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4.0f, 0.0f, 0.0f)), yellow);
    applyPictureTileParameters(ship, 0.4f);
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4.0f, 0.0f, 0.0f)), green);
    EXPECT_FALSE(log.containsPrefix("[ERROR]"));
}

TEST_F(SpriteMaterials, TheCloneCarriesTheSheetsConstantsAndTheSpriteItsAnimation)
{
    LibraryEntry sheet(game.spriteLibrary, "shipSheet.png", 4.0f, 1.0f);
    sheet->spriteAnimRate = 2.0f;
    game.spriteScale = 2.0f;
    game.frameTime = 0.5;
    scene->setClock(3.0f);
    Ogre::Entity* ship = placeSprite(Ogre::Vector3::ZERO);
    applySpriteMaterial(ship, "shipSheet.png", false);

    const Ogre::MaterialPtr material = ship->getSubEntity(0)->getMaterial();
    EXPECT_EQ(material->getName(), "sprite_shipSheet.png");
    EXPECT_EQ(material->getGroup(), "GAMERSC");
    EXPECT_EQ(unitTexture(material, "diffuse_tex"), "shipSheet.png");
    EXPECT_EQ(vertexConstant(material, "numTilesUV"), (std::vector<float>{4.0f, 1.0f}));
    EXPECT_EQ(vertexConstant(material, "textureDimensions"), (std::vector<float>{256.0f, 64.0f}));
    EXPECT_EQ(fragmentConstant(material, "textureDimensions"), (std::vector<float>{256.0f, 64.0f}));
    EXPECT_EQ(fragmentConstant(material, "filterScale"), std::vector<float>{2.5f});
    EXPECT_EQ(sheet->textureDimension, Ogre::Vector2(256.0f, 64.0f));

    Ogre::SubEntity* plane = ship->getSubEntity(0);
    EXPECT_EQ(plane->getCustomParameter(2), Ogre::Vector4(-2.5f, -2.5f, -2.5f, -2.5f)); // restarts now
    EXPECT_EQ(plane->getCustomParameter(3), Ogre::Vector4(0.0f, 3.0f, 0.0f, 0.0f));
    EXPECT_EQ(plane->getCustomParameter(4), Ogre::Vector4(0.0f, 0.0f, 2.0f, 0.0f));

    // See-through sprites cast shadows through a caster of their own.
    const Ogre::MaterialPtr caster = material->getTechnique(0)->getShadowCasterMaterial();
    ASSERT_TRUE(caster);
    EXPECT_EQ(caster->getName(), "sprite_shipSheet.pngshadowCaster");
    EXPECT_EQ(unitTexture(caster, "diffuseCast_tex"), "shipSheet.png");
    EXPECT_EQ(vertexConstant(caster, "numTilesUV"), (std::vector<float>{4.0f, 1.0f}));
    EXPECT_TRUE(materialModule().flags.at("sprite_shipSheet.png").hasAlpha);
}

TEST_F(SpriteMaterials, TheLevelsSpriteLightingRebuildsTheMaterialOnceAndARefreshAlways)
{
    CurrentLevel current;
    const auto fragmentProgram = [](const Ogre::MaterialPtr& material) {
        return passAt(material, 0, 0)->getFragmentProgramName();
    };
    const Ogre::MaterialPtr unlit = createSpriteMaterial("shipSheet.png", false);
    EXPECT_EQ(fragmentProgram(unlit), "zarnith/SpriteFP");
    EXPECT_EQ(createSpriteMaterial("shipSheet.png", false), unlit);

    current.level.isSpriteLighting = true;
    const Ogre::MaterialPtr lit = createSpriteMaterial("shipSheet.png", false);
    EXPECT_NE(lit, unlit);
    EXPECT_EQ(fragmentProgram(lit), "zarnith/LitSpriteFP");
    EXPECT_TRUE(materialModule().flags.at("sprite_shipSheet.png").lit);
    EXPECT_EQ(createSpriteMaterial("shipSheet.png", false), lit);

    current.level.isSpriteRefresh = true;
    EXPECT_NE(createSpriteMaterial("shipSheet.png", false), lit);
    EXPECT_EQ(fragmentProgram(createSpriteMaterial("shipSheet.png", true)), "zarnith/SpriteFP");
}

TEST_F(SpriteMaterials, OpaqueSheetsCastNoShadowAndTheGameMaySwitchDepthCheckingOn)
{
    LibraryEntry sheet(game.spriteLibrary, "crateTop.png", 1.0f, 1.0f);
    sheet->hasAlpha = false;
    game.isSpriteZbuffer = true;
    const Ogre::MaterialPtr material = createSpriteMaterial("crateTop.png", false);
    EXPECT_FALSE(material->getTechnique(0)->getShadowCasterMaterial());
    EXPECT_TRUE(passAt(material, 0, 0)->getDepthCheckEnabled());
    EXPECT_FALSE(passAt(material, 0, 0)->isTransparent());
    EXPECT_FALSE(materialModule().flags.at("sprite_crateTop.png").hasAlpha);
}

TEST_F(SpriteMaterials, AMissingSpriteTextureIsLoggedAndDrawnWithTheStandIn)
{
    Ogre::Entity* lost = placeSprite(Ogre::Vector3::ZERO);
    applySpriteMaterial(lost, "missing.png", false);
    EXPECT_TRUE(log.contains("[ERROR] can't find sprite texture: missing.png"));
    EXPECT_EQ(lost->getSubEntity(0)->getMaterialName(), "sprite_notFound.jpg");
    scene->renderFrame();
    // A dark square of the magenta checker board, away from its edges.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(0.5f, 0.0f, 0.5f)), rgb(0x8d008c));
}

TEST_F(SpriteMaterials, ATileCountOfZeroCountsAsOneAndIsReportedOnce)
{
    LibraryEntry sheet(game.spriteLibrary, "shipSheet.png", 0.0f, 1.0f);
    Ogre::Entity* ship = placeSprite(Ogre::Vector3::ZERO);
    applySpriteMaterial(ship, "shipSheet.png", false);
    applySpriteMaterial(ship, "shipSheet.png", false);
    EXPECT_EQ(vertexConstant(ship->getSubEntity(0)->getMaterial(), "numTilesUV"), (std::vector<float>{1.0f, 1.0f}));
    // A single frame stands still.
    EXPECT_EQ(ship->getSubEntity(0)->getCustomParameter(4), Ogre::Vector4(0.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_EQ(std::count_if(log.lines.begin(), log.lines.end(),
                            [](const std::string& line) { return line.rfind("[ERROR] picture shipSheet.png", 0) == 0; }),
              1);
    scene->renderFrame();
}

} // namespace
