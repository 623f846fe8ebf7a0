// The "sfx" elements of a level file, and the sample game's placed effects.
#include "data/LevelSfxReader.h"

#include "data/SampleArchive.h"
#include "world/FiniteVector.h"
#include "world/SfxTestScene.h"

#include <OgreBillboardSet.h>
#include <OgreLight.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

class LevelSfxReaderTest : public ::testing::Test {
protected:
    ~LevelSfxReaderTest() override
    {
        for (sfx* effect : effects)
            delete effect;
    }
    void read(const std::string& xml)
    {
        text.assign(xml.begin(), xml.end());
        text.push_back('\0');
        document.parse<0>(text.data());
        readLevelSfxs(*document.first_node(), effects, &scene.level);
    }

    SfxTestScene scene;
    std::vector<char> text;
    rapidxml::xml_document<char> document;
    std::vector<sfx*> effects;
};

} // namespace

TEST_F(LevelSfxReaderTest, NameAndFlareTypeAloneGiveAnEffectWithNothingOn)
{
    read("<LEVELFILE><sfx sfxName=\"sfx7\" lensFlareType=\"Basic\"/></LEVELFILE>");
    ASSERT_EQ(effects.size(), 1u);
    const sfx& effect = *effects[0];
    EXPECT_EQ(effect.name, "sfx7");
    EXPECT_EQ(effect.screenName, "sfx7");
    EXPECT_EQ(effect.kind, kindSfx);
    EXPECT_EQ(effect.position, Ogre::Vector3::ZERO);
    EXPECT_EQ(effect.orientation, Ogre::Quaternion::IDENTITY);
    EXPECT_EQ(effect.layerId, 0u);
    EXPECT_FALSE(effect.isOmni || effect.isLensFlare || effect.isGlow || effect.isParticles);
    EXPECT_EQ(effect.light, nullptr);
    EXPECT_EQ(effect.glow, nullptr);
    EXPECT_EQ(effect.particleSystem, nullptr);
    EXPECT_EQ(effect.glowType, "Basic");
    EXPECT_EQ(effect.particleType, "smoke");
    EXPECT_EQ(effect.pauseWhenUnseenTime, 8.0f);
    EXPECT_EQ(effect.colour, Ogre::ColourValue::White);
    EXPECT_EQ(effect.omniSinSpeed, 0.0f);
    ASSERT_NE(effect.sceneNode, nullptr);
}

TEST_F(LevelSfxReaderTest, EffectsAreAppendedInDocumentOrderAndOtherElementsSkipped)
{
    read("<LEVELFILE><sfx sfxName=\"b\" lensFlareType=\"Basic\"/><enemy/>"
         "<sfx sfxName=\"a\" screenName=\"Shown\" lensFlareType=\"Basic\" layer=\"3\"/></LEVELFILE>");
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(effects[0]->name, "b");
    EXPECT_EQ(effects[1]->name, "a");
    EXPECT_EQ(effects[1]->screenName, "Shown");
    EXPECT_EQ(effects[1]->layerId, 3u);
}

TEST_F(LevelSfxReaderTest, UncomputedOrNonFinitePositionsPlaceTheEffectAtTheOrigin)
{
    read("<LEVELFILE>"
         "<sfx sfxName=\"a\" lensFlareType=\"Basic\"><position pos=\"-nan(ind) 2 3\" orient=\"1 0 0 0\"/></sfx>"
         "<sfx sfxName=\"b\" lensFlareType=\"Basic\"><position pos=\"inf 2 3\" orient=\"nan 0 0 0\"/></sfx>"
         "<sfx sfxName=\"c\" lensFlareType=\"Basic\"><position pos=\"1 2 3\" orient=\"0 0 1 0\"/>"
         "<parenting attachedToEntityName=\"Boss\"/></sfx>"
         "</LEVELFILE>");
    ASSERT_EQ(effects.size(), 3u);
    EXPECT_EQ(effects[0]->position, Ogre::Vector3::ZERO);
    EXPECT_EQ(effects[1]->position, Ogre::Vector3::ZERO);
    EXPECT_EQ(effects[1]->orientation, Ogre::Quaternion::IDENTITY);
    EXPECT_EQ(effects[2]->sceneNode->getPosition(), Ogre::Vector3(1, 2, 3));
    EXPECT_EQ(effects[2]->orientation, Ogre::Quaternion(0, 0, 1, 0));
    EXPECT_EQ(effects[2]->attachedToEntityName, "Boss");
}

TEST_F(LevelSfxReaderTest, SampleLevelEffectsBuildOneOfEachKind)
{
    const std::string xml = sampleArchiveText("game.tzn", "levelEffects.xml");
    read(xml);
    ASSERT_EQ(effects.size(), 4u);
    const sfx& lamp = *effects[0];
    EXPECT_EQ(lamp.screenName, "Lamp");
    ASSERT_NE(lamp.light, nullptr);
    EXPECT_TRUE(lamp.isOmniBlink);
    EXPECT_EQ(lamp.omniRange, 150.0f);
    EXPECT_EQ(lamp.colour, Ogre::ColourValue(1.0f, 0.4f, 0.1f, 1.0f));
    EXPECT_TRUE(effects[1]->lensFlare != nullptr);
    ASSERT_NE(effects[2]->glow, nullptr);
    EXPECT_EQ(effects[2]->glowType, "Star");
    EXPECT_EQ(effects[2]->glowColour, Ogre::ColourValue(0.4f, 0.8f, 1.0f, 1.0f));
    ASSERT_NE(effects[3]->particleSystem, nullptr);
    EXPECT_EQ(effects[3]->particleType, "levelEmbers");
    EXPECT_FLOAT_EQ(effects[3]->particleSystem->getNonVisibleUpdateTimeout(), 4.0f);
}

TEST_F(LevelSfxReaderTest, NumbersOgreCannotTakeAreBroughtWithinItsRange)
{
    // Each of these once tripped one of Ogre's assertions on the particle
    // system, the glow's billboards or the light, and ended the program.
    for (const std::string value : {"-1", "nan", "inf", "-inf", "1e38", "-1e38"}) {
        SCOPED_TRACE(value);
        read("<LEVELFILE><sfx sfxName=\"a\" lensFlareType=\"Basic\">"
             "<omni isOmni=\"true\" colour=\"" + value + " 1 1 1\" omniMultiplier=\"" + value +
             "\" isOmniBlink=\"true\" omniRange=\"" + value + "\" omniSinSpeed=\"" + value +
             "\" omniSinIntensity=\"" + value + "\" omniBlinkRandom=\"" + value + "\"/>"
             "<lensFlare isLensFlare=\"true\" lensFlareScale=\"" + value + "\"/>"
             "<glow glowType=\"Star\" isGlow=\"true\" glowSscale=\"" + value + "\"/>"
             "<particle particleType=\"levelEmbers\" isParticles=\"true\" particleScale=\"" + value +
             "\" pauseWhenUnseenTime=\"" + value + "\"/></sfx></LEVELFILE>");
        sfx& effect = *effects.back();
        for (float size : {effect.particleScale, effect.glowSscale, effect.lensFlareScale})
            EXPECT_TRUE(size >= 0.0f && size <= largestDataScale) << size;
        for (float number : {effect.omniRange, effect.pauseWhenUnseenTime})
            EXPECT_TRUE(number >= 0.0f && std::isfinite(number)) << number;
        for (float factor : {effect.omniMultiplier, effect.omniSinSpeed, effect.omniSinIntensity, effect.omniBlinkRandom,
                             effect.colour.r})
            EXPECT_TRUE(std::isfinite(factor)) << factor;
        ASSERT_NE(effect.particleSystem, nullptr);
        EXPECT_TRUE(std::isfinite(effect.particleSystem->getEmitter(0)->getMaxParticleVelocity()));
        effect.update(1.0 / 60.0);
        scene.updateTransforms();
    }
}
