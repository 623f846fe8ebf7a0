// The game camera's view in real frames: the layered sky scrolling at each
// layer's speed, more layers than the sky material has units, a missing
// layer texture, a post effect switched on and off, and the sky box's cube map.
#include "render/ConstantReadback.h"
#include "support/LogCapture.h"
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "core/Game.h"
#include "play/Level.h"
#include "world/GameCamera.h"

#include <Overlay/OgreOverlay.h>
#include <Overlay/OgreOverlayElement.h>
#include <Overlay/OgreOverlayManager.h>
#include <OgreCamera.h>
#include <OgreCompositorInstance.h>
#include <OgreCompositorManager.h>
#include <OgreEntity.h>
#include <OgreMaterialManager.h>
#include <OgreRenderWindow.h>
#include <OgreSubEntity.h>
#include <OgreTechnique.h>
#include <OgreViewport.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// The two halves of "skyHalves.png".
const Ogre::ColourValue skyRed = rgb(0xff0000);
const Ogre::ColourValue skyBlue = rgb(0x0000ff);

class CameraSky : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        game.screenRatio = 0; // the camera's aspect is the square window's, as the program computes it
        camera = std::make_unique<GameCamera>();
        camera->setupScene();
        viewport = game.renderWindow->getViewport(0);
        viewport->setCamera(camera->playCamera);
        camera->viewport = viewport;
        camera->level = &level;
        level.camera = camera.get();
        for (skyLayer& layer : camera->skyLayers)
            layer.textureName.clear();
    }
    void TearDown() override
    {
        if (!scene)
            return;
        if (level.tvCompositor)
            Ogre::CompositorManager::getSingleton().removeCompositor(viewport, "TVFX");
        camera.reset();
        game.aspectRatio = 0.0f;
        game.pixelScale = 1.0f;
    }

    // The sky of the layers, shown as the level's settings show it.
    void showSky()
    {
        camera->createSkybox();
        camera->applyLevelSettings();
    }
    Ogre::MaterialPtr skyMaterial() const { return camera->skyEntity->getSubEntity(0)->getMaterial(); }
    // The frame shows the colours left and right of its middle.
    void expectSides(const Ogre::ColourValue& left, const Ogre::ColourValue& right) const
    {
        EXPECT_COLOUR(scene->colourOnScreen(0.25f, 0.5f), left);
        EXPECT_COLOUR(scene->colourOnScreen(0.75f, 0.5f), right);
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    Level level;
    std::unique_ptr<GameCamera> camera;
    Ogre::Viewport* viewport = nullptr;
};

TEST_F(CameraSky, EachSkyLayerScrollsAtItsOwnSpeed)
{
    // Half a texture width a second: after 1 s the two halves trade places.
    camera->skyLayers[0].textureName = "skyHalves.png";
    camera->skyLayers[0].speed = Ogre::Vector2(500.0f, 0.0f);
    showSky();
    EXPECT_EQ(skyMaterial()->getName(), "skybox_layered1_template");
    scene->renderFrame();
    expectSides(skyRed, skyBlue);
    scene->setClock(1.0f);
    scene->renderFrame();
    scene->keepFrame("skyScrolled");
    expectSides(skyBlue, skyRed);

    // A whole width a second: back where it started after 1 s, traded after 0.5 s.
    camera->skyLayers[0].speed = Ogre::Vector2(1000.0f, 0.0f);
    camera->createSkybox();
    scene->renderFrame();
    expectSides(skyRed, skyBlue);
    scene->setClock(0.5f);
    scene->renderFrame();
    expectSides(skyBlue, skyRed);
}

TEST_F(CameraSky, FiveLayersTakeTheFiveLayerMaterialWithTheirConstants)
{
    for (std::size_t i = 0; i < 5; ++i)
        camera->skyLayers[i].textureName = i == 0 ? "skyStars.png" : "skyNebula.png";
    camera->skyLayers[3].speed = Ogre::Vector2(4.0f, 2.0f);
    showSky();
    const Ogre::MaterialPtr material = skyMaterial();
    EXPECT_EQ(material->getName(), "skybox_layered5_template");
    const std::vector<float> speed = vertexConstant(material, "speedmult3");
    ASSERT_GE(speed.size(), 2u);
    EXPECT_FLOAT_EQ(speed[0], 0.004f);
    EXPECT_FLOAT_EQ(speed[1], 0.002f);
    EXPECT_FALSE(vertexConstant(material, "uvScale4").empty());
    scene->renderFrame();
}

TEST_F(CameraSky, MoreLayersThanTextureUnitsAndAMissingTextureNeverAbort)
{
    LogCapture log;
    for (skyLayer& layer : camera->skyLayers)
        layer.textureName = "skyStars.png";
    camera->skyLayers[0].textureName = "noSuchSky.png";
    showSky();
    // No material has eight layers: the one-layer material stays, its unit
    // shows the stand-in of the missing texture.
    const Ogre::MaterialPtr material = skyMaterial();
    EXPECT_EQ(material->getName(), "skybox_layered1_template");
    EXPECT_EQ(material->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getTextureName(), "notFound.jpg");
    scene->renderFrame();

    // Pixelated, seven layers.
    game.pixelScale = 2.0f;
    camera->skyLayers[7].textureName.clear();
    camera->createSkybox();
    scene->renderFrame();
    EXPECT_FALSE(log.containsPrefix("[ERROR] sky material"));
}

TEST_F(CameraSky, APostEffectSwitchedOnAndOffChangesTheFrame)
{
    camera->skyLayers[0].textureName = "skyHalves.png";
    level.tvCompositor = Ogre::CompositorManager::getSingleton().addCompositor(viewport, "TVFX");
    ASSERT_NE(level.tvCompositor, nullptr);
    level.isPostEffects = true;
    level.isPostTV = true;
    level.TV_intensity = 0.8f;
    level.isPostVignette = false;
    game.postFX = true;
    showSky();
    EXPECT_TRUE(level.tvCompositor->getEnabled());
    scene->renderFrame();
    scene->keepFrame("postEffectOn");
    // The curved screen leaves the corner black; without it the sky shows.
    EXPECT_COLOUR(scene->colourOnScreen(0.01f, 0.01f), Ogre::ColourValue::Black);

    camera->disablePostEffects();
    EXPECT_FALSE(level.tvCompositor->getEnabled());
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourOnScreen(0.01f, 0.01f), skyRed);
}

TEST_F(CameraSky, TheVignetteShowsWithTheLevelsPostEffects)
{
    Ogre::Overlay* vignette = Ogre::OverlayManager::getSingleton().getByName("EditorVignette");
    ASSERT_NE(vignette, nullptr);
    level.isPostEffects = true;
    level.isPostVignette = true;
    level.Vignette_strength = 0.25f;
    game.postFX = true;
    camera->applyPostEffects();
    EXPECT_TRUE(vignette->isVisible());
    const Ogre::LayerBlendModeEx& blend = Ogre::OverlayManager::getSingleton()
                                              .getOverlayElement("PostFX/Vignette")
                                              ->getMaterial()
                                              ->getTechnique(0)
                                              ->getPass(0)
                                              ->getTextureUnitState(0)
                                              ->getColourBlendMode();
    EXPECT_EQ(blend.operation, Ogre::LBX_BLEND_MANUAL);
    EXPECT_FLOAT_EQ(blend.factor, 0.25f);
    scene->renderFrame();
    camera->disablePostEffects();
    EXPECT_FALSE(vignette->isVisible());
}

TEST_F(CameraSky, TheViewportIsLetterboxedOnAWindowNarrowerThanTheDesign)
{
    game.isLetterbox = true;
    camera->aspectRatio = 16.0f / 9.0f;
    camera->applyLevelSettings();
    EXPECT_FLOAT_EQ(viewport->getTop(), (1.0f - 9.0f / 16.0f) / 2.0f);
    EXPECT_FLOAT_EQ(viewport->getHeight(), 9.0f / 16.0f);
    EXPECT_FLOAT_EQ(camera->playCamera->getFarClipDistance(), 802.0f);
    // The letterboxed viewport has the design's shape: the design's view.
    EXPECT_NEAR(camera->playCamera->getFOVy().valueDegrees(), 80.0f, 0.5f);
    // Ogre takes a sky box only from a cube map; any other material it swaps for its default.
    const Ogre::MaterialPtr skyBox = Ogre::MaterialManager::getSingleton().getByName("skyboxBlack");
    ASSERT_TRUE(skyBox);
    EXPECT_EQ(skyBox->getTechnique(0)->getPass(0)->getTextureUnitState(0)->getTextureType(), Ogre::TEX_TYPE_CUBE_MAP);

    // Without bars the square window widens the view to keep the design's horizontal view.
    game.isLetterbox = false;
    camera->applyLevelSettings();
    EXPECT_FLOAT_EQ(viewport->getHeight(), 1.0f);
    const float halfFovY = camera->playCamera->getFOVy().valueRadians() / 2.0f;
    EXPECT_NEAR(std::atan(std::tan(halfFovY)), std::atan(std::tan(40.0f * 0.017453292f) * 16.0f / 9.0f), 1e-4f);
}

} // namespace
