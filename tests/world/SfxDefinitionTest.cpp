#include "core/effects/sfxLibraryEntry.h"
#include "world/EffectsTestScene.h"
#include "world/sfxDefinition.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// An owner's node and the test template "fx_burst" (a Point emitter at
// (1, 2, 3), rate 10, velocities 2 to 6; a Box emitter at 50) in the sfx
// library. It names no material, so the factory makes its particles 10 x 10.
class SfxDefinitionTest : public ::testing::Test {
protected:
    SfxDefinitionTest() : owner(effects.addNode(Ogre::Vector3(5.0f, 0.0f, 0.0f)))
    {
        effects.game.sfxLibrary["fx_burst"] = new sfxLibraryEntry;
        definition.sfxName = "fx_burst";
    }
    ~SfxDefinitionTest() override
    {
        copy.reset();
        delete effects.game.sfxLibrary["fx_burst"];
        effects.game.sfxLibrary.erase("fx_burst");
    }
    sfxDefinition& play()
    {
        copy.reset(static_cast<sfxDefinition*>(definition.clone()));
        copy->createVisuals(owner);
        return *copy;
    }

    EffectsTestScene effects;
    Ogre::SceneNode* owner;
    sfxDefinition definition;
    std::unique_ptr<sfxDefinition> copy;
};

TEST_F(SfxDefinitionTest, CopyKeepsTheSettingsAndTransformButNotTheVisuals)
{
    definition.sfxBehavior = true;
    definition.isOnTop = true;
    definition.isEnable = false;
    definition.position = Ogre::Vector3(1.0f, 2.0f, 3.0f);
    definition.scale = Ogre::Vector3(2.0f, 2.0f, 2.0f);
    definition.layer = 44;
    definition.isLayered = 1;
    definition.isDisabled = 1;
    const std::unique_ptr<entity> made(definition.clone());
    const auto& clone = static_cast<const sfxDefinition&>(*made);
    EXPECT_EQ(clone.kind, 11u);
    EXPECT_TRUE(clone.name.empty());
    EXPECT_EQ(definition.name, "SFXDefinition");
    EXPECT_EQ(clone.sfxName, "fx_burst");
    EXPECT_TRUE(clone.sfxBehavior && clone.isOnTop && !clone.isEnable);
    EXPECT_EQ(clone.position, Ogre::Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(clone.scale.x, 2.0f);
    EXPECT_EQ(clone.layer, 44);
    EXPECT_EQ(clone.isLayered, 0);
    EXPECT_EQ(clone.isDisabled, 0);
    EXPECT_EQ(clone.particleSystem, nullptr);
    EXPECT_EQ(clone.sceneNode, nullptr);
}

TEST_F(SfxDefinitionTest, CreateVisualsMakesAnEmittingSystemUnderTheOwner)
{
    definition.position = Ogre::Vector3(0.0f, 1.0f, 0.0f);
    definition.layer = 3;
    sfxDefinition& effect = play();
    ASSERT_NE(effect.particleSystem, nullptr);
    EXPECT_EQ(effect.sceneNode->getParent(), owner);
    EXPECT_EQ(effect.sceneNode->getPosition(), Ogre::Vector3(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(effect.particleSystem->getParentSceneNode(), effect.sceneNode);
    EXPECT_TRUE(effect.particleSystem->getEmitting());
    EXPECT_EQ(effect.particleSystem->getRenderQueueGroup(), 43);
    EXPECT_FLOAT_EQ(effect.savedEmissionRate, 10.0f);
    EXPECT_FLOAT_EQ(effect.savedDefaultWidth, 10.0f);
    EXPECT_FLOAT_EQ(effect.savedMaxVelocity, 6.0f);
    EXPECT_EQ(effect.savedEmitterPosition, Ogre::Vector3(1.0f, 2.0f, 3.0f));
}

TEST_F(SfxDefinitionTest, RenderQueueGroupIsCappedForHighLayers)
{
    definition.layer = 70;
    EXPECT_EQ(play().particleSystem->getRenderQueueGroup(), 105);
}

TEST_F(SfxDefinitionTest, ScaleTwoDoublesSizeOffsetsAndVelocitiesOnce)
{
    definition.scale = Ogre::Vector3(2.0f, 1.0f, 1.0f);
    sfxDefinition& effect = play();
    effect.applyScale();
    Ogre::ParticleSystem& system = *effect.particleSystem;
    EXPECT_FLOAT_EQ(system.getDefaultWidth(), 20.0f);
    EXPECT_FLOAT_EQ(system.getDefaultHeight(), 20.0f);
    EXPECT_EQ(system.getEmitter(0)->getPosition(), Ogre::Vector3(2.0f, 4.0f, 6.0f));
    EXPECT_FLOAT_EQ(system.getEmitter(0)->getMinParticleVelocity(), 4.0f);
    EXPECT_FLOAT_EQ(system.getEmitter(0)->getMaxParticleVelocity(), 12.0f);
    // Every emitter takes the first one's saved values.
    EXPECT_EQ(system.getEmitter(1)->getPosition(), Ogre::Vector3(2.0f, 4.0f, 6.0f));
    EXPECT_FLOAT_EQ(system.getEmitter(1)->getMaxParticleVelocity(), 12.0f);
    // A reset puts turned and moved emitters back, the size alone.
    system.getEmitter(1)->setDirection(Ogre::Vector3::UNIT_X);
    system.getEmitter(1)->setPosition(Ogre::Vector3::ZERO);
    system.setDefaultDimensions(1.0f, 1.0f);
    effect.resetEmitters();
    EXPECT_EQ(system.getEmitter(1)->getDirection(), system.getEmitter(0)->getDirection());
    EXPECT_EQ(std::make_pair(system.getEmitter(1)->getPosition(), system.getDefaultWidth()),
              std::make_pair(Ogre::Vector3(2.0f, 4.0f, 6.0f), 1.0f));
}

TEST_F(SfxDefinitionTest, BehaviourLoadsSilentAndEmitsAtTheTemplateRateWhenSwitchedOn)
{
    definition.sfxBehavior = true;
    definition.isEnable = false;
    sfxDefinition& effect = play();
    EXPECT_FLOAT_EQ(effect.particleSystem->getEmitter(0)->getEmissionRate(), 0.0f);
    EXPECT_EQ(effect.sceneNode->getParent(), nullptr); // switched off: left the owner
    effect.setEmitting(true);
    EXPECT_FLOAT_EQ(effect.particleSystem->getEmitter(0)->getEmissionRate(), 10.0f);
    EXPECT_EQ(effect.sceneNode->getParent(), owner);
    EXPECT_TRUE(effect.particleSystem->getEmitter(0)->getEnabled());
}

TEST_F(SfxDefinitionTest, SwitchingOffDetachesAndOnReattachesOnlyAnOrphan)
{
    sfxDefinition& effect = play();
    effect.setEmitting(false);
    EXPECT_FALSE(effect.particleSystem->getEmitting());
    EXPECT_EQ(effect.sceneNode->getParent(), nullptr);
    Ogre::SceneNode* elsewhere = effects.addNode();
    elsewhere->addChild(effect.sceneNode);
    effect.setEmitting(true);
    EXPECT_EQ(effect.sceneNode->getParent(), elsewhere);
}

TEST_F(SfxDefinitionTest, DisabledDefinitionIgnoresSwitching)
{
    sfxDefinition& effect = play();
    effect.isDisabled = 1;
    effect.setEmitting(false);
    EXPECT_TRUE(effect.particleSystem->getEmitting());
    EXPECT_EQ(effect.sceneNode->getParent(), owner);
}

TEST_F(SfxDefinitionTest, NoneOrUnknownTemplateLeavesNoSystemAndEveryOperationIdle)
{
    for (const char* name : {"none", "noSuchEffect"}) {
        definition.sfxName = name;
        sfxDefinition& effect = play();
        EXPECT_EQ(effect.particleSystem, nullptr) << name;
        effect.applyScale();
        effect.setEmitting(false);
        EXPECT_EQ(effect.sceneNode->getParent(), owner) << name;
    }
}

TEST_F(SfxDefinitionTest, LoadingNoneDropsAnExistingSystemAndDestructionCleansUp)
{
    sfxDefinition& effect = play();
    effect.loadParticleSystem("none");
    EXPECT_EQ(effect.particleSystem, nullptr);
    effect.loadParticleSystem("fx_burst");
    ASSERT_NE(effect.particleSystem, nullptr);
    copy.reset();
    EXPECT_TRUE(effects.scene->getMovableObjects("ParticleSystem").empty());
    EXPECT_EQ(owner->numChildren(), 0u);
}

} // namespace
