// The dynamic resolution on a real viewport: without its compositor the
// viewport, its camera and its compositors stay as they were; with it, the
// scene is drawn into the compositor's texture at the requested size.
#include "support/RenderScene.h"

#include "app/DynamicResolution.h"
#include "app/GraphicsSystem.h"
#include "core/Game.h"

#include <OgreCamera.h>
#include <OgreCompositorChain.h>
#include <OgreCompositorInstance.h>
#include <OgreCompositorManager.h>
#include <OgreRenderWindow.h>
#include <OgreTexture.h>
#include <OgreViewport.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class DynamicResolution : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        // The window is there: only the compositor decides.
        graphics.renderWindow = Game::getSingletonPtr()->renderWindow;
        viewport = graphics.renderWindow->getViewport(0);
        scene->camera->setAspectRatio(viewAspect);
    }
    void TearDown() override
    {
        if (!scene)
            return;
        Ogre::CompositorManager::getSingleton().removeCompositorChain(viewport);
        graphics.renderWindow = nullptr;
    }

    // What the dynamic resolution changes when it acts.
    struct Look {
        bool overlays;
        float aspect;
        bool hasChain;
        std::size_t compositors;
    };
    Look look() const
    {
        Ogre::CompositorManager& compositors = Ogre::CompositorManager::getSingleton();
        const bool hasChain = compositors.hasCompositorChain(viewport);
        return {viewport->getOverlaysEnabled(), scene->camera->getAspectRatio(), hasChain,
                hasChain ? compositors.getCompositorChain(viewport)->getCompositorInstances().size() : 0u};
    }

    static constexpr float viewAspect = 1.0f;
    std::unique_ptr<RenderScene> scene;
    Ogre::Viewport* viewport = nullptr;
};

TEST_F(DynamicResolution, AViewportWithoutTheCompositorIsLeftAlone)
{
    applyDynamicResolution(nullptr, 1280, 720);
    applyDynamicResolution(viewport, 1280, 720);
    Look after = look();
    EXPECT_TRUE(after.overlays);
    EXPECT_FLOAT_EQ(after.aspect, viewAspect);
    EXPECT_FALSE(after.hasChain); // none was made to look for the compositor

    // Another compositor is not the one.
    Ogre::CompositorInstance* tv = Ogre::CompositorManager::getSingleton().addCompositor(viewport, "TVFX");
    ASSERT_NE(tv, nullptr);
    applyDynamicResolution(viewport, 1280, 720);
    after = look();
    EXPECT_TRUE(after.overlays);
    EXPECT_FLOAT_EQ(after.aspect, viewAspect);
    EXPECT_EQ(after.compositors, 1u);
    EXPECT_FALSE(tv->getEnabled());
}

TEST_F(DynamicResolution, WithTheCompositorTheSceneTakesTheRequestedSizeAndTheOverlays)
{
    Ogre::CompositorInstance* instance =
        Ogre::CompositorManager::getSingleton().addCompositor(viewport, "DynamicResolution");
    ASSERT_NE(instance, nullptr);
    // The square window widens the requested 4:3 to its own shape.
    applyDynamicResolution(viewport, 640, 480);
    EXPECT_TRUE(instance->getEnabled());
    EXPECT_FALSE(viewport->getOverlaysEnabled());
    const Ogre::TexturePtr texture = instance->getTextureInstance("scene", 0);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->getWidth(), 640u);
    EXPECT_EQ(texture->getHeight(), 640u);
    scene->renderFrame();
}

} // namespace
