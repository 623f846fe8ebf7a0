#include "support/LogCapture.h"
#include "world/LensFlare.h"
#include "world/WorldTestScene.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreMaterialManager.h>

#include <gtest/gtest.h>

namespace {

const char* const flareMaterials[] = {"LensFlare/SunGlow", "LensFlare/SunSprite", "LensFlare/SunSpriteHalo01",
                                      "LensFlare/SunSpriteHalo03"};

// The play camera at (0, 0, 100) looking down -Z at the origin, the flare's
// four materials, and a flare made in the scene.
class LensFlareTest : public ::testing::Test, public WorldTestScene {
protected:
    LensFlareTest()
    {
        for (const char* material : flareMaterials)
            Ogre::MaterialManager::getSingleton().create(material, "General");
        camera = addCamera("PlayCam", Ogre::Vector3(0.0f, 0.0f, 100.0f), Ogre::Vector3::ZERO);
    }
    ~LensFlareTest() override
    {
        flare.reset();
        for (const char* material : flareMaterials)
            Ogre::MaterialManager::getSingleton().remove(material, "General");
    }
    void makeFlare()
    {
        flare = std::make_unique<LensFlare>();
        flare->create(Ogre::Vector3::ZERO, scene, 1.0f, "Basic");
    }
    void turnCameraTo(const Ogre::Vector3& target)
    {
        camera->getParentSceneNode()->lookAt(target, Ogre::Node::TS_WORLD);
        updateTransforms();
    }

    Ogre::Camera* camera = nullptr;
    std::unique_ptr<LensFlare> flare;
};

TEST_F(LensFlareTest, CreatesTheSunTheGlowAndTwelveFlaresInFourSets)
{
    makeFlare();
    ASSERT_NE(flare->node, nullptr);
    EXPECT_EQ(flare->node->numAttachedObjects(), 4u);
    EXPECT_EQ(flare->glowSet->getNumBillboards(), 1u);
    EXPECT_EQ(flare->sunSet->getNumBillboards(), 1u);
    EXPECT_EQ(flare->firstHaloSet->getNumBillboards(), 7u);
    EXPECT_EQ(flare->secondHaloSet->getNumBillboards(), 5u);
    EXPECT_EQ(flare->glowSet->getMaterialName(), "LensFlare/SunGlow");
    EXPECT_EQ(flare->secondHaloSet->getMaterialName(), "LensFlare/SunSpriteHalo03");
    EXPECT_FLOAT_EQ(flare->glowSet->getDefaultWidth(), 25.0f);
    EXPECT_FLOAT_EQ(flare->firstHaloSet->getDefaultHeight(), 250.0f);
    EXPECT_EQ(flare->glowBillboard->getPosition(), Ogre::Vector3(0.0f, 0.0f, -0.5f));
    EXPECT_EQ(flare->sunBillboard->getColour(), Ogre::ColourValue(0.6f, 0.55f, 0.3f));
    // Flare 9 of the second halo set: 90 x 0.5, and its colour at full brightness.
    EXPECT_FLOAT_EQ(flare->flareBillboards[8]->getOwnWidth(), 45.0f);
    EXPECT_EQ(flare->flareColours[8], Ogre::ColourValue(0.27f, 0.027f, 0.16f, 1.0f));
    EXPECT_EQ(flare->glowColour, Ogre::ColourValue(0.5f, 0.5f, 0.5f, 1.0f));
}

TEST_F(LensFlareTest, FlaresLieOnTheLineFromTheSunThroughTheLookPoint)
{
    makeFlare();
    const Ogre::Vector3 sun(30.0f, 20.0f, 0.0f);
    flare->update(sun, 0.1f, 1.0f, 1.0f, false);
    const Ogre::Vector3 cameraPosition(0.0f, 0.0f, 100.0f);
    const Ogre::Vector3 lookPoint = cameraPosition + Ogre::Vector3(0.0f, 0.0f, -1.0f) * sun.distance(cameraPosition);
    const Ogre::Vector3 line = lookPoint - sun;
    EXPECT_EQ(flare->node->getPosition(), sun);
    const float factors[LensFlare::flareCount] = {2.4f, 2.5f, 1.7f, 2.2f, 0.23f, 0.19f,
                                                  0.7f, 0.33f, 1.0f, 2.36f, 1.5f, 2.4f};
    for (int index = 0; index < LensFlare::flareCount; ++index) {
        const Ogre::Vector3 offset = flare->flareBillboards[index]->getPosition();
        EXPECT_TRUE(offset.positionEquals(line * factors[index], 1e-3f)) << "flare " << index + 1;
        EXPECT_NEAR(offset.crossProduct(line).length(), 0.0f, 1e-2f) << "flare " << index + 1;
    }
    // Flare 9 (factor 1) sits exactly where the camera looks.
    EXPECT_TRUE((sun + flare->flareBillboards[8]->getPosition()).positionEquals(lookPoint, 1e-3f));
}

TEST_F(LensFlareTest, LookingStraightAtTheSunPutsEveryFlareOnTheSun)
{
    makeFlare();
    const Ogre::Vector3 sun(0.0f, 0.0f, -300.0f);
    flare->update(sun, 0.1f, 1.0f, 1.0f, false);
    for (Ogre::Billboard* billboard : flare->flareBillboards)
        EXPECT_TRUE(billboard->getPosition().positionEquals(Ogre::Vector3::ZERO, 1e-3f));
}

TEST_F(LensFlareTest, GlowGrowsTowardsOneHundredFacingTheSunAndShrinksLookingAway)
{
    makeFlare();
    const Ogre::Vector3 sun(0.0f, 0.0f, -300.0f);
    flare->update(sun, 0.1f, 2.0f, 1.0f, false);
    EXPECT_FLOAT_EQ(flare->currentIntensity, 20.0f);
    EXPECT_FLOAT_EQ(flare->glowBillboard->getOwnWidth(), 20.0f);
    EXPECT_FLOAT_EQ(flare->visibleIntensity, 200.0f);
    flare->update(sun, 1.0f, 2.0f, 1.0f, false);
    EXPECT_FLOAT_EQ(flare->currentIntensity, 100.0f); // never passes the target
    turnCameraTo(Ogre::Vector3(0.0f, 0.0f, 400.0f));    // the sun straight behind
    flare->update(sun, 0.1f, 2.0f, 1.0f, false);
    EXPECT_FLOAT_EQ(flare->currentIntensity, 60.0f);
    EXPECT_FLOAT_EQ(flare->visibleIntensity, 0.0f); // c^7 < 0 is clamped
    flare->update(sun, 1.0f, 2.0f, 1.0f, false);
    EXPECT_FLOAT_EQ(flare->currentIntensity, 0.0f);
    EXPECT_FLOAT_EQ(flare->glowBillboard->getOwnWidth(), 0.0f);
}

TEST(LensFlareIntensity, TargetIsTheSeventhPowerOfTheCosineAndNeverNegative)
{
    EXPECT_FLOAT_EQ(LensFlare::targetIntensity(1.0f, 0.5f), 100.0f);
    EXPECT_FLOAT_EQ(LensFlare::targetIntensity(0.5f, 0.5f), 100.0f / 128.0f);
    EXPECT_FLOAT_EQ(LensFlare::targetIntensity(-0.5f, 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(LensFlare::easeIntensity(10.0f, 100.0f, 0.1f), 30.0f);
    EXPECT_FLOAT_EQ(LensFlare::easeIntensity(90.0f, 100.0f, 0.1f), 100.0f);
    EXPECT_FLOAT_EQ(LensFlare::easeIntensity(100.0f, 0.0f, 0.1f), 60.0f);
    EXPECT_FLOAT_EQ(LensFlare::easeIntensity(10.0f, 0.0f, 0.1f), 0.0f);
}

TEST_F(LensFlareTest, HiddenGlowOfOneHundredTwentyIsGoneAfterAFifthOfASecond)
{
    makeFlare();
    flare->currentIntensity = 120.0f;
    const Ogre::Vector3 sun(0.0f, 0.0f, -300.0f);
    flare->update(sun, 0.1f, 1.0f, 1.0f, true);
    EXPECT_FLOAT_EQ(flare->currentIntensity, 60.0f);
    EXPECT_FALSE(flare->firstHaloSet->getVisible());
    flare->update(sun, 0.15f, 1.0f, 1.0f, true);
    EXPECT_FLOAT_EQ(flare->currentIntensity, 0.0f); // not below
    EXPECT_FLOAT_EQ(flare->glowBillboard->getOwnWidth(), 0.0f);
    flare->update(sun, 0.0f, 1.0f, 1.0f, false);
    EXPECT_TRUE(flare->firstHaloSet->getVisible());
}

TEST_F(LensFlareTest, BrightnessScalesEveryColourAndTheSunAndTheNodeScaleScalesTheNode)
{
    makeFlare();
    flare->update(Ogre::Vector3(0.0f, 0.0f, -300.0f), 0.0f, 3.0f, 0.5f, false);
    EXPECT_EQ(flare->glowBillboard->getColour(), Ogre::ColourValue(0.25f, 0.25f, 0.25f, 0.5f));
    EXPECT_EQ(flare->sunBillboard->getColour(), Ogre::ColourValue(0.5f, 0.5f, 0.5f, 0.5f));
    EXPECT_FLOAT_EQ(flare->sunBillboard->getOwnWidth(), 5.0f);
    EXPECT_EQ(flare->flareBillboards[0]->getColour(), Ogre::ColourValue(0.14f, 0.0195f, 0.0625f, 0.5f));
    EXPECT_EQ(flare->node->getScale(), Ogre::Vector3(3.0f, 3.0f, 3.0f));
    EXPECT_FLOAT_EQ(flare->nodeScale, 3.0f);
}

TEST_F(LensFlareTest, SetVisibleShowsAndHidesTheWholeNode)
{
    makeFlare();
    flare->setVisible(false);
    EXPECT_FALSE(flare->sunSet->isVisible());
    flare->setVisible(true);
    EXPECT_TRUE(flare->glowSet->getVisible());
}

TEST_F(LensFlareTest, MissingMaterialIsLoggedAndItsSetLeftOut)
{
    Ogre::MaterialManager::getSingleton().remove("LensFlare/SunSpriteHalo01", "General");
    const LogCapture log;
    makeFlare();
    EXPECT_TRUE(log.contains("[ERROR] lens flare material not found: LensFlare/SunSpriteHalo01"));
    EXPECT_EQ(flare->firstHaloSet, nullptr);
    EXPECT_EQ(flare->flareBillboards[0], nullptr);
    EXPECT_NE(flare->flareBillboards[7], nullptr);
    EXPECT_EQ(flare->node->numAttachedObjects(), 3u);
    flare->update(Ogre::Vector3(10.0f, 0.0f, -300.0f), 0.1f, 1.0f, 1.0f, false);
    flare->update(Ogre::Vector3(10.0f, 0.0f, -300.0f), 0.1f, 1.0f, 1.0f, true);
    Ogre::MaterialManager::getSingleton().create("LensFlare/SunSpriteHalo01", "General");
}

TEST_F(LensFlareTest, DestructionRemovesTheNodeAndTheSets)
{
    makeFlare();
    flare.reset();
    EXPECT_TRUE(scene->getMovableObjects("BillboardSet").empty());
    EXPECT_EQ(scene->getRootSceneNode()->numChildren(), 1u); // the camera's node alone
}

} // namespace
