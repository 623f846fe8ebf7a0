// The sun's lens flare, drawn with the sample game's flare materials: the sun
// and its glow in one corner, the flares strung along the line from the sun
// through the middle of the view, nothing beside that line, and nothing at
// all once the sun is hidden.
#include "support/RenderScene.h"

#include "world/LensFlare.h"

#include <OgreCamera.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

class LensFlareRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        // The flare follows the play camera: give it the view's own eye.
        playCamera = scene->scene->createCamera("PlayCam");
        scene->camera->getParentSceneNode()->attachObject(playCamera);
        scene->scene->getRootSceneNode()->_update(true, false);
    }
    void TearDown() override { flare.reset(); }

    std::unique_ptr<RenderScene> scene;
    Ogre::Camera* playCamera = nullptr;
    std::unique_ptr<LensFlare> flare;
};

bool isBlack(const Ogre::ColourValue& colour) { return colour.r + colour.g + colour.b < 0.05f; }

TEST_F(LensFlareRender, SunInTheCornerAndFlaresAlongTheLineThroughTheMiddle)
{
    flare = std::make_unique<LensFlare>();
    // Small enough for the 16 x 16 view: the flares 1 to 2 units wide.
    flare->sizeFactor = 0.02f;
    flare->create(Ogre::Vector3::ZERO, scene->scene, 1.0f, "Basic");
    ASSERT_NE(flare->secondHaloSet, nullptr);
    const Ogre::Vector3 sun(-6.0f, 0.0f, -6.0f);
    flare->update(sun, 1.0f, 1.0f, 1.0f, false);
    scene->renderFrame();
    scene->keepFrame("lens_flare");

    const Ogre::ColourValue sunColour = scene->colourAt(sun);
    EXPECT_GT(sunColour.r, 0.8f) << sunColour;
    EXPECT_GT(sunColour.b, 0.8f) << sunColour;
    // Flare 9 sits where the camera looks: purple-red.
    const Ogre::ColourValue middle = scene->colourAt(Ogre::Vector3::ZERO);
    EXPECT_GT(middle.r, 0.08f) << middle;
    EXPECT_GT(middle.b, middle.g) << middle;
    // Flare 11, half again as far out: orange.
    const Ogre::ColourValue beyond = scene->colourAt(Ogre::Vector3(3.0f, 0.0f, 3.0f));
    EXPECT_GT(beyond.r, 0.08f) << beyond;
    EXPECT_GT(beyond.g, beyond.b) << beyond;
    EXPECT_TRUE(isBlack(scene->colourAt(Ogre::Vector3(5.0f, 0.0f, -5.0f))));
    EXPECT_TRUE(isBlack(scene->colourAt(Ogre::Vector3(-5.0f, 0.0f, 5.0f))));

    flare->update(sun, 1.0f, 1.0f, 1.0f, true);
    scene->renderFrame();
    EXPECT_TRUE(isBlack(scene->colourAt(sun))) << scene->colourAt(sun);
    EXPECT_TRUE(isBlack(scene->colourAt(Ogre::Vector3::ZERO)));
}

} // namespace
