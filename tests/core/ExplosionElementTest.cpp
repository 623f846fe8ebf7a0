// Explosion elements: their timing, their node, particles, scaling, light
// and sprite material, and a missing template.
#include "core/effects/ExplosionElement.h"

#include "core/materials/MaterialLookup.h"
#include "play/Level.h"
#include "support/LogCapture.h"
#include "world/EffectsTestScene.h"
#include "world/GameCamera.h"

#include <OgreLight.h>
#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

#include <gtest/gtest.h>

namespace {

class ExplosionElementTest : public ::testing::Test {
protected:
    ExplosionElement& element(const std::string& particleName)
    {
        auto* made = new ExplosionElement;
        made->particleName = particleName;
        made->sceneManager = effects.scene;
        elements.emplace_back(made);
        return *made;
    }

    EffectsTestScene effects;
    std::vector<std::unique_ptr<ExplosionElement>> elements;
};

TEST_F(ExplosionElementTest, AnElementFinishesNeitherOnItsStartUpdateNorTheNext)
{
    ExplosionElement& burst = element("fx_burst");
    burst.start(true);
    ASSERT_NE(burst.particleSystem, nullptr);
    EXPECT_FALSE(burst.particleSystem->getEmitter(0)->getEnabled()); // waits for its start
    burst.update(1.0 / 60.0);
    EXPECT_EQ(burst.state, ExplosionElement::stateRunning);
    EXPECT_TRUE(burst.particleSystem->getEmitter(0)->getEnabled());
    burst.update(5.0); // past the duration, but its first frame in the running state
    EXPECT_EQ(burst.state, ExplosionElement::stateRunning);
    burst.update(0.01);
    EXPECT_EQ(burst.state, ExplosionElement::stateFinished);
    EXPECT_FALSE(burst.particleSystem->getEmitter(0)->getEnabled());
}

TEST_F(ExplosionElementTest, AShakingElementShakesTheCameraWhenItStarts)
{
    GameCamera camera;
    ExplosionElement& quake = element("");
    quake.isCameraShake = 1;
    quake.cameraShakeStrength = 2.5f;
    quake.timeBeforeStart = 0.2;
    quake.camera = &camera;
    quake.start(true);
    quake.update(0.1);
    EXPECT_FLOAT_EQ(camera.shakeTime, 0.0f);
    quake.update(0.1);
    EXPECT_FLOAT_EQ(camera.shakeTime, 2.5f);
}

TEST_F(ExplosionElementTest, ALaterElementWaitsForItsStartTime)
{
    ExplosionElement& late = element("fx_burst");
    late.timeBeforeStart = 0.5;
    late.duration = 0.25;
    late.start(false);
    late.update(0.25);
    EXPECT_EQ(late.state, ExplosionElement::stateWaiting);
    late.update(0.25);
    EXPECT_EQ(late.state, ExplosionElement::stateRunning);
    late.update(0.1);
    late.update(0.1);
    EXPECT_EQ(late.state, ExplosionElement::stateRunning); // 0.7 < 0.75
    late.update(0.1);
    EXPECT_EQ(late.state, ExplosionElement::stateFinished);
}

TEST_F(ExplosionElementTest, TheNodeIsPlacedInTheCameraRigOrInTheWorld)
{
    ExplosionElement& inRig = element("fx_burst");
    inRig.position = Ogre::Vector3(1.0f, 2.0f, 3.0f);
    inRig.start(true);
    EXPECT_EQ(inRig.node->getParentSceneNode(), effects.cameraNode);
    EXPECT_EQ(inRig.node->getPosition(), Ogre::Vector3(1.0f, 3.0f, 3.0f));
    EXPECT_TRUE(inRig.particleSystem->getKeepParticlesInLocalSpace());

    ExplosionElement& inWorld = element("fx_burst");
    inWorld.position = Ogre::Vector3(1.0f, 2.0f, 3.0f);
    inWorld.start(false);
    EXPECT_EQ(inWorld.node->getParentSceneNode(), effects.scene->getRootSceneNode());
    EXPECT_EQ(inWorld.node->getPosition(), Ogre::Vector3(101.0f, 3.0f, 3.0f));
    EXPECT_FALSE(inWorld.particleSystem->getKeepParticlesInLocalSpace());
    EXPECT_NE(inRig.particleSystemName(), inWorld.particleSystemName());
}

TEST_F(ExplosionElementTest, ScalingGivesEveryEmitterTheFirstEmittersSpeedsScaled)
{
    ExplosionElement& burst = element("fx_burst");
    burst.scaling = 2.0f;
    burst.layer = 80; // the group stays within Ogre's range
    burst.priority = 7;
    burst.start(true);
    Ogre::ParticleSystem& system = *burst.particleSystem;
    EXPECT_FLOAT_EQ(system.getDefaultWidth(), 8.0f);
    EXPECT_FLOAT_EQ(system.getDefaultHeight(), 4.0f);
    for (unsigned short index = 0; index < 2; ++index) {
        EXPECT_FLOAT_EQ(system.getEmitter(index)->getMinParticleVelocity(), 4.0f);
        EXPECT_FLOAT_EQ(system.getEmitter(index)->getMaxParticleVelocity(), 12.0f);
    }
    EXPECT_EQ(system.getEmitter(1)->getParameter("width"), "20");
    EXPECT_EQ(system.getEmitter(1)->getParameter("depth"), "60");
    EXPECT_EQ(system.getRenderQueueGroup(), 105);
}

TEST_F(ExplosionElementTest, ALightOnlyElementFlashesTheLevelsLight)
{
    Level level;
    effects.game.level = &level;
    effects.game.isExplosionSpawnLight = true;
    level.explosionLight = effects.scene->createLight("Explosion01");
    effects.addNode()->attachObject(level.explosionLight);
    ExplosionElement& flash = element("");
    flash.isLight = 1;
    flash.lightRange = 150.7f;
    flash.lightColor = Ogre::ColourValue(0.5f, 0.25f, 0.1f, 1.0f);
    flash.lightIntensity = 2.0f;
    flash.position = Ogre::Vector3(0.0f, 0.0f, 5.0f);
    flash.start(true);
    ASSERT_NE(flash.node, nullptr);
    EXPECT_EQ(flash.particleSystem, nullptr);
    flash.update(0.01);
    EXPECT_EQ(level.explosionLight->getDiffuseColour(), Ogre::ColourValue(1.0f, 0.5f, 0.2f, 2.0f));
    EXPECT_FLOAT_EQ(level.explosionLight->getAttenuationRange(), 150.0f);
    EXPECT_EQ(level.explosionLight->getParentSceneNode()->getPosition(), Ogre::Vector3(100.0f, 1.0f, 5.0f));

    // An element with particles never flashes, whatever its light flag says.
    level.explosionLight->setDiffuseColour(Ogre::ColourValue::Black);
    ExplosionElement& burst = element("fx_burst");
    burst.isLight = 1;
    burst.start(true);
    burst.update(0.01);
    EXPECT_EQ(burst.isLight, 0);
    EXPECT_EQ(level.explosionLight->getDiffuseColour(), Ogre::ColourValue::Black);
    elements.clear();
    effects.game.level = nullptr;
}

TEST_F(ExplosionElementTest, AMissingTemplateLeavesANodeWithoutParticlesAndSaysSoOnce)
{
    LogCapture log;
    ExplosionElement& first = element("fx_absentTemplate");
    first.textureName = "sheet.png";
    first.start(true);
    ExplosionElement& second = element("fx_absentTemplate");
    second.start(true);
    EXPECT_EQ(first.particleSystem, nullptr);
    EXPECT_NE(first.node, nullptr);
    first.update(0.1);
    EXPECT_EQ(first.state, ExplosionElement::stateRunning);
    EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "[ERROR] can't find particle template: fx_absentTemplate, "
                                                              "named by explosion element element of gamebox.explosions"),
              1);
}

TEST_F(ExplosionElementTest, TwoInstancesOfASpriteElementRemoveOnlyTheirOwnMaterial)
{
    ExplosionElement definition;
    definition.particleName = "explosion_sprite_alpha";
    definition.textureName = "absentSheet.png"; // shown as "notFound.jpg"
    definition.sceneManager = effects.scene;
    auto first = std::make_unique<ExplosionElement>(definition);
    auto second = std::make_unique<ExplosionElement>(definition);
    for (ExplosionElement* instance : {first.get(), second.get()}) {
        instance->sceneManager = effects.scene;
        instance->start(true);
    }
    const std::string firstMaterial = first->spriteMaterialName();
    const std::string secondMaterial = second->spriteMaterialName();
    ASSERT_NE(firstMaterial, secondMaterial);
    EXPECT_EQ(first->particleSystem->getMaterialName(), firstMaterial);
    EXPECT_TRUE(findMaterial(firstMaterial, "GAMERSC"));
    first.reset();
    EXPECT_FALSE(findMaterial(firstMaterial, "GAMERSC"));
    EXPECT_TRUE(findMaterial(secondMaterial, "GAMERSC"));
    EXPECT_EQ(second->particleSystem->getMaterialName(), secondMaterial);
    second.reset();
    EXPECT_FALSE(findMaterial(secondMaterial, "GAMERSC"));
}

TEST_F(ExplosionElementTest, ASpriteSheetFadesOverItsDurationAndLivesThatLong)
{
    ExplosionElement& sheet = element("explosion_sprite_alpha");
    sheet.textureName = "sheet.png";
    sheet.duration = 0.5;
    sheet.orientation = 30.0f;
    sheet.start(false);
    Ogre::ParticleSystem& system = *sheet.particleSystem;
    EXPECT_EQ(system.getAffector(0)->getParameter("alpha"), "-2");
    EXPECT_EQ(system.getAffector(1)->getParameter("rotation_range_start"), "30");
    EXPECT_FLOAT_EQ(system.getEmitter(0)->getTimeToLive(), 0.5f);
    // Without a texture the sheet counts as one square tile.
    EXPECT_FLOAT_EQ(system.getDefaultWidth(), 10.0f);
    EXPECT_FLOAT_EQ(system.getDefaultHeight(), 10.0f);
}

} // namespace
