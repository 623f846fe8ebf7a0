// The Level's post effects on the game's own compositors: the values its
// programs receive and which compositors run, for the cases that decide it.
#include "render/ConstantReadback.h"
#include "support/RenderScene.h"

#include "core/Game.h"
#include "play/Level.h"
#include "world/GameCamera.h"

#include <OgreCompositorInstance.h>
#include <OgreCompositorManager.h>
#include <OgreRenderWindow.h>
#include <OgreViewport.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const char* const compositorNames[] = {"PostFX", "pixelateFX", "TVFX"};

class LevelPostEffects : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        viewport = game.renderWindow->getViewport(0);
        Ogre::CompositorManager& compositors = Ogre::CompositorManager::getSingleton();
        level.colourCompositor = compositors.addCompositor(viewport, "PostFX");
        level.pixelateCompositor = compositors.addCompositor(viewport, "pixelateFX");
        level.tvCompositor = compositors.addCompositor(viewport, "TVFX");
    }
    void TearDown() override
    {
        if (!scene)
            return;
        for (const char* name : compositorNames)
            Ogre::CompositorManager::getSingleton().removeCompositor(viewport, name);
    }

    static float constant(const char* material, const char* name)
    {
        const std::vector<float> values = fragmentConstant(findMaterial(material), name);
        return values.empty() ? -99.0f : values[0];
    }

    Game& game = *Game::getSingletonPtr();
    std::unique_ptr<RenderScene> scene;
    Ogre::Viewport* viewport = nullptr;
    Level level;
};

TEST_F(LevelPostEffects, EachCompositorRunsOnlyWhileItsEffectShows)
{
    const struct {
        const char* name;
        std::function<void(Level&)> set;
        bool colour, pixelate, tv;
        float colourCorrection;
    } table[] = {
        {"correction that changes nothing", [](Level& l) { l.IsPostCC = true; }, false, false, false, 0.0f},
        {"contrast", [](Level& l) { l.IsPostCC = true; l.Contrast = 1.2f; }, true, false, false, 1.0f},
        {"inversion alone", [](Level& l) { l.IsPostCC = true; l.Invert_strength = 0.5f; }, true, false, false, 1.0f},
        {"noise", [](Level& l) { l.isPostNoise = true; }, true, false, false, 0.0f},
        {"pixels of one pixel", [](Level& l) { l.IsPostPixel = true; l.pixelSize = 1.0f; }, false, false, false,
         0.0f},
        {"pixels of three", [](Level& l) { l.IsPostPixel = true; l.pixelSize = 3.0f; }, false, true, false, 0.0f},
        {"television", [](Level& l) { l.isPostTV = true; }, false, false, true, 0.0f},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        level.IsPostCC = level.isPostNoise = level.IsPostPixel = level.isPostTV = false;
        level.Contrast = 1.0f;
        level.Invert_strength = 0.0f;
        level.pixelSize = 2.0f;
        row.set(level);
        level.applyPostEffects();
        EXPECT_EQ(level.colourCompositor->getEnabled(), row.colour);
        EXPECT_EQ(level.pixelateCompositor->getEnabled(), row.pixelate);
        EXPECT_EQ(level.tvCompositor->getEnabled(), row.tv);
        EXPECT_FLOAT_EQ(constant("postProdFX", "b_isColorCorrec"), row.colourCorrection);
        scene->renderFrame();
    }
}

TEST_F(LevelPostEffects, TheProgramsReceiveTheLevelsValues)
{
    level.chromaticPostIntensity = 0.3f;
    level.noisePostIntensity = 0.2f;
    level.Gamma = 0.9f;
    level.pixelSize = 4.0f;
    level.TV_Curvature = 0.5f;
    level.TV_intensity = 0.7f;
    level.applyPostEffects();
    EXPECT_FLOAT_EQ(constant("postProdFX", "chromaticPostIntensity"), -0.3f);
    EXPECT_FLOAT_EQ(constant("postProdFX", "noisePostIntensity"), 0.2f);
    EXPECT_FLOAT_EQ(constant("postProdFX", "gamma"), 0.9f);
    EXPECT_FLOAT_EQ(constant("modulatePixelate_out", "pixelSize"), 4.0f);
    EXPECT_FLOAT_EQ(constant("modulateTV_out", "TV_Curvature"), 0.1f);
    EXPECT_FLOAT_EQ(constant("modulateTV_out", "TV_intensity"), 0.7f);

    // Away from the play view nothing runs.
    GameCamera camera;
    camera.modeValue = 1;
    level.camera = &camera;
    level.isPostNoise = level.isPostTV = true;
    level.applyPostEffects();
    for (const Ogre::CompositorInstance* compositor :
         {level.colourCompositor, level.pixelateCompositor, level.tvCompositor})
        EXPECT_FALSE(compositor->getEnabled());
}

} // namespace
