// Particle effects by sfx library name: which names make a system, the
// template-values cache, the colour stages of the fourth affector and the
// material of a template that names none.
#include "core/effects/SpriteEffects.h"

#include "core/effects/sfxLibraryEntry.h"
#include "core/materials/MaterialLookup.h"
#include "world/EffectsTestScene.h"

#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

#include <gtest/gtest.h>

namespace {

class SpriteEffectsTest : public ::testing::Test {
protected:
    ~SpriteEffectsTest() override
    {
        for (auto& entry : game.sfxLibrary)
            delete entry.second;
        game.sfxLibrary.clear();
        game.particleTemplateValues.clear();
    }
    void add(const std::string& name) { game.sfxLibrary[name] = new sfxLibraryEntry; }
    Ogre::ParticleSystem* make(const std::string& name, const std::string& libraryName)
    {
        return createSpriteEffect(&game, name, libraryName, effects.scene, false, false);
    }

    EffectsTestScene effects;
    Game& game = effects.game;
};

TEST_F(SpriteEffectsTest, EmptyUnknownAndTemplatelessNamesMakeNothing)
{
    add("fx_unknownTemplate");
    EXPECT_EQ(make("a", ""), nullptr);
    EXPECT_EQ(make("b", "fx_burst"), nullptr); // a template, but not in the library
    EXPECT_EQ(make("c", "fx_unknownTemplate"), nullptr);
    EXPECT_TRUE(effects.scene->getMovableObjects("ParticleSystem").empty());
}

TEST_F(SpriteEffectsTest, ASystemStartsStillAndTheFirstOfATemplateFillsTheCache)
{
    add("fx_burst");
    Ogre::ParticleSystem* first = make("first", "fx_burst");
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->getEmitting());
    EXPECT_EQ(first->getQueryFlags(), 0u);
    EXPECT_FALSE(first->getCastShadows());
    const std::array<float, 8> expected{4.0f, 2.0f, 1.0f, 2.0f, 3.0f, 2.0f, 2.0f, 6.0f};
    EXPECT_EQ(game.particleTemplateValues.at("fx_burst"), expected);
    // Scaling the first system later does not change what the cache holds.
    first->setDefaultDimensions(40.0f, 20.0f);
    ASSERT_NE(make("second", "fx_burst"), nullptr);
    EXPECT_EQ(game.particleTemplateValues.at("fx_burst"), expected);
    EXPECT_EQ(make("second", "fx_burst"), nullptr); // a name in use is refused
}

TEST_F(SpriteEffectsTest, ATemplateWithoutMaterialGetsTheStandInAtTenByTen)
{
    add("fx_threeAffectors");
    Ogre::ParticleSystem* system = make("plain", "fx_threeAffectors");
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->getMaterialName(), "notFound.jpg");
    EXPECT_TRUE(findMaterial("notFound.jpg", "GAMERSC"));
    EXPECT_FLOAT_EQ(system->getDefaultWidth(), 10.0f);
    EXPECT_FLOAT_EQ(system->getDefaultHeight(), 10.0f);
    EXPECT_TRUE(game.spriteEffectTextures.at("notFound.jpg"));
}

TEST_F(SpriteEffectsTest, OnlyAFourthAffectorHasItsLaterColourStagesPushedOut)
{
    add("fx_threeAffectors");
    add("fx_fourAffectors");
    ASSERT_NE(make("three", "fx_threeAffectors"), nullptr);
    Ogre::ParticleSystem* four = make("four", "fx_fourAffectors");
    ASSERT_NE(four, nullptr);
    for (const char* stage : {"time2", "time3", "time4", "time5"})
        EXPECT_EQ(four->getAffector(3)->getParameter(stage), "2") << stage;
}

TEST_F(SpriteEffectsTest, AnAnimatedSheetUsesTheSpriteTemplateAndItsOwnMaterial)
{
    auto* sheet = new sfxLibraryEntry;
    sheet->isAnimatedTexture = 1;
    sheet->isLooping = 1;
    sheet->isLocalSpace = 0;
    game.sfxLibrary["absentSheet.png"] = sheet;
    Ogre::ParticleSystem* system = make("sheet", "absentSheet.png");
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->getMaterialName(), "animatedParticle_notFound.jpg");
    EXPECT_FALSE(system->getKeepParticlesInLocalSpace());
    EXPECT_FLOAT_EQ(system->getEmitter(0)->getTimeToLive(), 10000000.0f);
    EXPECT_EQ(system->getAffector(0)->getParameter("alpha"), "-1");
    EXPECT_TRUE(game.particleTemplateValues.count("absentSheet.png"));
}

} // namespace
