// The sample game's ribbon trail material "missileTrail", drawn on a chain as
// a shot's ribbon trail draws it: bright along its middle, clear at its
// edges, and adding less light as the trail fades its colour.
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include <OgreBillboardChain.h>
#include <OgreResourceGroupManager.h>
#include <OgreSceneManager.h>

#include <gtest/gtest.h>

namespace {

// A straight ribbon 4 units wide across the view at the given depth.
void placeRibbon(RenderScene& scene, float z, const Ogre::ColourValue& colour)
{
    Ogre::BillboardChain* chain = scene.scene->createBillboardChain();
    chain->setMaterialName("missileTrail", Ogre::RGN_AUTODETECT);
    for (float end : {0.0f, 1.0f})
        chain->addChainElement(0, Ogre::BillboardChain::Element(Ogre::Vector3(14.0f * end - 7.0f, 0.0f, z), 4.0f,
                                                                 end, colour, Ogre::Quaternion::IDENTITY));
    scene.place(chain, Ogre::Vector3::ZERO);
}

TEST(TrailMaterial, ARibbonIsBrightAlongItsMiddleAndAFadedOneAddsLess)
{
    if (!RenderScene::available())
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    RenderScene scene;
    placeRibbon(scene, -4.0f, Ogre::ColourValue::White);
    placeRibbon(scene, 4.0f, grey(0.5f));
    scene.renderFrame();
    scene.keepFrame("missile_trail");
    EXPECT_COLOUR(scene.colourAt(Ogre::Vector3(0.0f, 0.0f, -4.0f)), Ogre::ColourValue::White);
    EXPECT_COLOUR(scene.colourAt(Ogre::Vector3(0.0f, 0.0f, 4.0f)), grey(0.5f));
    // Halfway to its edge the ribbon is half as bright; beyond it, nothing.
    EXPECT_NEAR(scene.colourAt(Ogre::Vector3(0.0f, 0.0f, -5.0f)).r, 0.5f, 0.06f);
    EXPECT_COLOUR(scene.colourAt(Ogre::Vector3(0.0f, 0.0f, -6.5f)), Ogre::ColourValue::Black);
}

} // namespace
