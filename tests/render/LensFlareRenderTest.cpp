// The sun's lens flare, drawn with the sample game's flare materials: the sun
// and its glow in one corner, the flares strung along the line from the sun
// through the middle of the view, nothing beside that line, and nothing at
// all once the sun is hidden.
#include "support/RenderColours.h"
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

// A flare of the soft halo adds its colour times the halo's heart (#a0a0a0)
// as the few pixels of a small flare average it.
const float softHaloHeart = 0.6f;

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

    EXPECT_COLOUR(scene->colourAt(sun), Ogre::ColourValue::White); // the sun's disc
    // Flare 9 sits where the camera looks: purple-red.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3::ZERO), Ogre::ColourValue(0.27f, 0.027f, 0.16f) * softHaloHeart);
    // Flare 11, half again as far out: orange.
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(3.0f, 0.0f, 3.0f)),
                  Ogre::ColourValue(0.31f, 0.18f, 0.015f) * softHaloHeart);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(5.0f, 0.0f, -5.0f)), Ogre::ColourValue::Black);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-5.0f, 0.0f, 5.0f)), Ogre::ColourValue::Black);

    flare->update(sun, 1.0f, 1.0f, 1.0f, true);
    scene->renderFrame();
    EXPECT_COLOUR(scene->colourAt(sun), Ogre::ColourValue::Black);
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3::ZERO), Ogre::ColourValue::Black);
}

} // namespace
