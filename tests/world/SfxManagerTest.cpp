// The effects manager: spawning explosions by name, stepping and retiring
// their instances, and the shared particle systems.
#include "world/sfxManager.h"

#include "core/effects/sfxLibraryEntry.h"
#include "support/LogCapture.h"
#include "world/EffectsTestScene.h"

#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

#include <gtest/gtest.h>

namespace {

class SfxManagerTest : public ::testing::Test {
protected:
    SfxManagerTest()
    {
        manager.sceneManager = effects.scene;
        manager.explosions = &library;
    }
    ~SfxManagerTest() override
    {
        manager.destroyAll();
        for (auto& entry : library) {
            for (ExplosionElement* element : entry.second.second)
                delete element;
            delete entry.second.first;
        }
    }
    // An element with no visuals of its own: particles only when named.
    ExplosionElement* element(const Ogre::Vector3& position, double start, float scaling = 1.0f)
    {
        auto* made = new ExplosionElement;
        made->particleName = "";
        made->isLight = 0;
        made->position = position;
        made->timeBeforeStart = start;
        made->scaling = scaling;
        return made;
    }
    void define(const std::string& name, std::vector<ExplosionElement*> elements)
    {
        library[name] = explosionDefinition(new ExplosionRef, std::move(elements));
    }

    EffectsTestScene effects;
    explosionLibraryMap library;
    sfxManager manager;
};

TEST_F(SfxManagerTest, NoneAndUnknownNamesSpawnNothing)
{
    define("Empty", {});
    Ogre::Vector3 at(0.0f, 0.0f, 0.0f);
    EXPECT_FALSE(manager.spawn("None", at, 1.0f, true, 40, 0, 0.0f));
    EXPECT_FALSE(manager.spawn("Unknown", at, 1.0f, true, 40, 0, 0.0f));
    EXPECT_TRUE(manager.spawn("Empty", at, 1.0f, true, 40, 0, 0.0f));
    EXPECT_TRUE(manager.instances.empty());
}

TEST_F(SfxManagerTest, PlainElementsArePlacedDelayedScaledAndNumberedInOrder)
{
    define("Three", {element({1, 0, 0}, 0.0), element({0, 2, 0}, 0.5, 2.0f), element({0, 0, 3}, 1.0)});
    Ogre::Vector3 at(110.0f, 5.0f, 0.0f); // the rig's node stands at (100, 0, 0)
    ASSERT_TRUE(manager.spawn("Three", at, 2.0f, true, 45, 10, 0.25f));
    EXPECT_EQ(at, Ogre::Vector3(10.0f, 5.0f, 0.0f)); // given back in the rig's space
    ASSERT_EQ(manager.instances.size(), 3u);
    const ExplosionElement& second = *manager.instances[1];
    EXPECT_EQ(second.position, Ogre::Vector3(10.0f, 9.0f, 0.0f));
    EXPECT_DOUBLE_EQ(second.timeBeforeStart, 0.75);
    EXPECT_FLOAT_EQ(second.scaling, 4.0f);
    EXPECT_EQ(second.layer, 5);
    EXPECT_EQ(second.sceneManager, effects.scene);
    for (std::size_t index = 0; index < 3; ++index)
        EXPECT_EQ(manager.instances[index]->priority, 10 + index);
}

TEST_F(SfxManagerTest, AChildReferencePlaysTheOtherExplosionsElements)
{
    ExplosionElement* first = element({1, 0, 0}, 0.1);
    first->orientation = 10.0f;
    first->duration = 0.4;
    first->lightColor = Ogre::ColourValue::Green;
    ExplosionElement* second = element({0, 1, 0}, 0.2, 5.0f);
    define("Small", {first, second});
    ExplosionElement* reference = element({0, 0, 2}, 0.3, 1.5f);
    reference->isChild = 1;
    reference->particleName = "Small";
    reference->orientation = 20.0f;
    reference->explosionVolume = 0.25f;
    reference->isCameraShake = 1;
    reference->cameraShakeStrength = 3.0f;
    reference->lightColor = Ogre::ColourValue::Blue;
    define("Chain", {element({0, 0, 0}, 0.0), reference});
    Ogre::Vector3 at(100.0f, 0.0f, 0.0f);
    ASSERT_TRUE(manager.spawn("Chain", at, 2.0f, true, 40, 10, 1.0f));
    ASSERT_EQ(manager.instances.size(), 3u);
    const ExplosionElement& a = *manager.instances[1];
    const ExplosionElement& b = *manager.instances[2];
    EXPECT_EQ(a.position, Ogre::Vector3(2.0f, 0.0f, 4.0f));
    EXPECT_EQ(b.position, Ogre::Vector3(0.0f, 2.0f, 4.0f));
    EXPECT_DOUBLE_EQ(a.timeBeforeStart, 0.3 + 0.1 + 1.0);
    EXPECT_DOUBLE_EQ(b.timeBeforeStart, 0.3 + 0.2 + 1.0);
    EXPECT_FLOAT_EQ(a.scaling, 3.0f);
    EXPECT_FLOAT_EQ(b.scaling, 3.0f); // the part's own scaling does not count
    EXPECT_FLOAT_EQ(a.orientation, 30.0f);
    EXPECT_DOUBLE_EQ(a.duration, 0.4);
    EXPECT_FLOAT_EQ(b.explosionVolume, 0.25f);
    EXPECT_EQ(a.priority, 10);
    EXPECT_EQ(b.priority, 11);
    // The referring element shakes: its shake and light go to the first part.
    EXPECT_EQ(a.isCameraShake, 1);
    EXPECT_FLOAT_EQ(a.cameraShakeStrength, 3.0f);
    EXPECT_EQ(a.lightColor, Ogre::ColourValue::Blue);
    EXPECT_EQ(b.isCameraShake, 0);
    EXPECT_EQ(b.textureName, "");
}

TEST_F(SfxManagerTest, AMissingChildMakesNothingForItsReference)
{
    ExplosionElement* reference = element({0, 0, 0}, 0.0);
    reference->isChild = 1;
    reference->particleName = "Absent";
    define("Broken", {reference});
    Ogre::Vector3 at(0.0f, 0.0f, 0.0f);
    EXPECT_TRUE(manager.spawn("Broken", at, 1.0f, true, 40, 0, 0.0f));
    EXPECT_TRUE(manager.instances.empty());
}

TEST_F(SfxManagerTest, AFinishedInstanceIsGoneAfterTheNextUpdateWhileOthersStep)
{
    ExplosionElement* quick = element({0, 0, 0}, 0.0);
    quick->duration = 0.1;
    quick->particleName = "fx_burst";
    ExplosionElement* slow = element({0, 0, 0}, 0.0);
    slow->duration = 10.0;
    define("Pair", {quick, slow});
    Ogre::Vector3 at(0.0f, 0.0f, 0.0f);
    manager.spawn("Pair", at, 1.0f, true, 40, 0, 0.0f);
    const std::string quickSystem = manager.instances[0]->particleSystemName();
    for (int frame = 0; frame < 3; ++frame)
        manager.update(0.1);
    ASSERT_EQ(manager.instances.size(), 2u);
    EXPECT_EQ(manager.instances[0]->state, ExplosionElement::stateFinished);
    manager.update(0.1);
    ASSERT_EQ(manager.instances.size(), 1u);
    EXPECT_DOUBLE_EQ(manager.instances[0]->elapsed, 0.4);
    EXPECT_FALSE(effects.scene->hasParticleSystem(quickSystem));
}

TEST_F(SfxManagerTest, TwoHundredExplosionsLiveAndClearWithTheirVisuals)
{
    ExplosionElement* burst = element({0, 0, 0}, 0.0);
    burst->particleName = "fx_burst";
    define("Burst", {burst});
    for (int count = 0; count < 200; ++count) {
        Ogre::Vector3 at(static_cast<float>(count), 0.0f, 0.0f);
        manager.spawn("Burst", at, 1.0f, false, 40, 0, 0.0f);
    }
    manager.update(0.016);
    EXPECT_EQ(manager.instances.size(), 200u);
    manager.clear();
    EXPECT_TRUE(manager.instances.empty());
    EXPECT_TRUE(effects.scene->getMovableObjects("ParticleSystem").empty());
}

TEST_F(SfxManagerTest, SharedSystemsAreMadeFromTheGamesNamesAndFiredWhereAsked)
{
    LogCapture log;
    effects.game.sfxLibrary["fx_burst"] = new sfxLibraryEntry;
    effects.game.playerInvincibleCollisionSfx = "fx_burst";
    effects.game.upSfx = "fx_absentTemplate";
    manager.createSharedParticles();
    ASSERT_NE(manager.sparksParticles, nullptr);
    EXPECT_FALSE(manager.sparksParticles->getEmitter(0)->getEnabled());
    // Absent templates are reported and leave their systems out.
    EXPECT_TRUE(log.contains("[ERROR] can't find particle template: explosionSmoke, named by the small explosions' "
                             "smoke of the level effects"));
    EXPECT_TRUE(log.contains("[ERROR] can't find particle template: basic_1up, named by the extra-life item's effect"));
    EXPECT_TRUE(log.contains("[ERROR] can't find texture: 1up.tga"));
    EXPECT_EQ(manager.smokeParticles1, nullptr);
    EXPECT_EQ(manager.itemParticles, nullptr);

    manager.emitSparks(Ogre::Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(manager.sparksNode->getPosition(), Ogre::Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_TRUE(manager.sparksParticles->getEmitting());
    EXPECT_TRUE(manager.sparksParticles->getEmitter(0)->getEnabled());
    manager.emitParticleItem(Ogre::Vector3::ZERO); // nothing to fire, no harm
    manager.emitPlayerHit(Ogre::Vector3::ZERO);
    manager.emitReadyGauge();
    manager.destroyAll();
    EXPECT_EQ(manager.sparksParticles, nullptr);
    EXPECT_FALSE(effects.scene->hasSceneNode("SparksNode"));
    delete effects.game.sfxLibrary["fx_burst"];
    effects.game.sfxLibrary.clear();
    effects.game.playerInvincibleCollisionSfx.clear();
    effects.game.upSfx.clear();
}

TEST_F(SfxManagerTest, TheSmartBombNamedNoneSpawnsNothing)
{
    define("none", {element({0, 0, 0}, 0.0)});
    const std::string before = effects.game.smartBombSfx;
    effects.game.smartBombSfx = "none";
    manager.spawnAtPlayPlane(Ogre::Vector3::ZERO);
    EXPECT_TRUE(manager.instances.empty());
    effects.game.smartBombSfx = "none2";
    define("none2", {element({0, 0, 0}, 0.0)});
    manager.spawnAtPlayPlane(Ogre::Vector3::ZERO);
    EXPECT_EQ(manager.instances.size(), 1u);
    effects.game.smartBombSfx = before;
}

} // namespace
