// The Level's post effects on the game's own compositors: which compositors
// run and what their programs receive, for the cases that decide it.
#include "render/ConstantReadback.h"
#include "support/RenderScene.h"

#include "core/Game.h"
#include "play/Level.h"
#include "world/GameCamera.h"

#include <OgreCompositorInstance.h>
#include <OgreCompositorChain.h>
#include <OgreCompositorManager.h>
#include <OgreRenderWindow.h>
#include <OgreViewport.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

float constant(const char* material, const char* name)
{
    const std::vector<float> values = fragmentConstant(findMaterial(material), name);
    return values.empty() ? -99.0f : values[0];
}

TEST(LevelPostEffects, EachCompositorRunsOnlyWhileItsEffectShows)
{
    if (!RenderScene::available())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    RenderScene scene;
    Ogre::Viewport* viewport = Game::getSingletonPtr()->renderWindow->getViewport(0);
    Ogre::CompositorManager& compositors = Ogre::CompositorManager::getSingleton();
    GameCamera camera;
    const struct {
        const char* name;
        std::function<void(Level&)> set;
        bool colour, pixelate, tv;
        float colourCorrection;
    } table[] = {
        {"correction that changes nothing", [](Level& l) { l.IsPostCC = true; }, false, false, false, 0.0f},
        {"contrast", [](Level& l) { l.IsPostCC = true, l.Contrast = 1.2f; }, true, false, false, 1.0f},
        {"inversion alone", [](Level& l) { l.IsPostCC = true, l.Invert_strength = 0.5f; }, true, false, false, 1.0f},
        {"noise", [](Level& l) { l.isPostNoise = true; }, true, false, false, 0.0f},
        {"pixels of one pixel", [](Level& l) { l.IsPostPixel = true, l.pixelSize = 1.0f; }, false, false, false, 0},
        {"pixels of three", [](Level& l) { l.IsPostPixel = true, l.pixelSize = 3.0f; }, false, true, false, 0.0f},
        {"television", [](Level& l) { l.isPostTV = true; }, false, false, true, 0.0f},
        {"away from the play view", [&camera](Level& l) { l.isPostNoise = l.isPostTV = true, l.camera = &camera; },
         false, false, false, 0.0f},
    };
    camera.modeValue = 1;
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        Level level;
        level.colourCompositor = compositors.addCompositor(viewport, "PostFX");
        level.pixelateCompositor = compositors.addCompositor(viewport, "pixelateFX");
        level.tvCompositor = compositors.addCompositor(viewport, "TVFX");
        level.chromaticPostIntensity = 0.3f;
        level.TV_Curvature = 0.5f;
        row.set(level);
        level.applyPostEffects();
        EXPECT_EQ(level.colourCompositor->getEnabled(), row.colour);
        EXPECT_EQ(level.pixelateCompositor->getEnabled(), row.pixelate);
        EXPECT_EQ(level.tvCompositor->getEnabled(), row.tv);
        EXPECT_FLOAT_EQ(constant("postProdFX", "b_isColorCorrec"), row.colourCorrection);
        EXPECT_FLOAT_EQ(constant("postProdFX", "chromaticPostIntensity"), -0.3f);
        EXPECT_FLOAT_EQ(constant("modulatePixelate_out", "pixelSize"), level.pixelSize);
        EXPECT_FLOAT_EQ(constant("modulateTV_out", "TV_Curvature"), 0.1f);
        scene.renderFrame();
        for (const char* name : {"PostFX", "pixelateFX", "TVFX"})
            compositors.removeCompositor(viewport, name);
    }
}

TEST(LevelPostEffects, TheHudIsDrawnInsideTheTelevisionPictureWhileItShows)
{
    if (!RenderScene::available())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    RenderScene scene;
    Ogre::Viewport* viewport = Game::getSingletonPtr()->renderWindow->getViewport(0);
    GameCamera camera;
    camera.viewport = viewport;
    Level level;
    level.camera = &camera;
    Game::getSingletonPtr()->postFX = true;
    level.addPostEffects();
    Game::getSingletonPtr()->postFX = false;
    ASSERT_NE(level.tvCompositor, nullptr);
    EXPECT_FALSE(level.colourCompositor->getEnabled() || level.pixelateCompositor->getEnabled());
    level.isPostTV = true;
    level.applyPostEffects();
    scene.renderFrame();
    EXPECT_FALSE(viewport->getOverlaysEnabled());
    level.resizePostEffects();
    EXPECT_FALSE(viewport->getOverlaysEnabled());
    level.isPostTV = false;
    level.applyPostEffects();
    EXPECT_TRUE(viewport->getOverlaysEnabled());
    level.removePostEffects();
    Ogre::CompositorManager& compositors = Ogre::CompositorManager::getSingleton();
    EXPECT_TRUE(!compositors.hasCompositorChain(viewport)
                || compositors.getCompositorChain(viewport)->getCompositorInstances().empty());
}

} // namespace
