// A gun set up as its owner sets it up (bound, effects taken from its
// library gun, reset) shows its effects while it fires: the muzzle flash and
// smoke at a salvo for as long as their emitters say, the warm-up glow
// during the warm-up only, and the beam while the button is held.
#include "GunFiringScene.h"

#include "core/effects/sfxLibraryEntry.h"
#include "world/EffectsTestScene.h"

#include <OgreManualObject.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreParticleSystemManager.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace {

constexpr double step = GunFiringScene::step;
// The flash's emitter runs 0.25 s; the smoke's runs without end, so it
// shows for the gun's 0.3 s.
constexpr float flashSeconds = 0.25f;
const char* const flashTemplate = "gunFiring_flash";
const char* const glowTemplate = "gunFiring_glow";

class GunFiringEffects : public ::testing::Test {
protected:
    GunFiringEffects()
    {
        Ogre::ParticleSystemManager& particles = Ogre::ParticleSystemManager::getSingleton();
        for (auto [name, duration] : {std::pair{flashTemplate, flashSeconds}, {glowTemplate, 0.0f}}) {
            if (!particles.getTemplate(name))
                particles.createTemplate(name, "EffectsTest")->addEmitter("Point")->setDuration(duration);
            game().sfxLibrary[name] = new sfxLibraryEntry;
        }
        definition.waitBeforeShoot = 0.0f;
        definition.isUseSafeZone = 0;
        definition.TimeBetweenShoots = 0.0f;
        definition.TimeBetweenSalves = 5.0f;
        definition.impactSoundName = "none";
    }
    ~GunFiringEffects() override
    {
        for (const char* name : {flashTemplate, glowTemplate}) {
            delete game().sfxLibrary[name];
            game().sfxLibrary.erase(name);
        }
    }

    Game& game() { return scene.shots.game; }
    Weapon& placed(bool isPlayer)
    {
        Weapon& gun = scene.gun(isPlayer, [](Weapon&) {});
        gun.createEffects(&definition, false);
        gun.reset();
        return gun;
    }
    // Steps the gun as the play state does: the cycle, then the beams.
    static void play(Weapon& gun, int steps, bool fire)
    {
        for (int i = 0; i < steps; ++i) {
            GunFiringScene::run(gun, step, fire);
            gun.updateLasers(step);
        }
    }

    // Only for Ogre's particle plug-in and the game's resource group: the
    // gun lives in the firing scene made after it.
    EffectsTestScene effects;
    GunFiringScene scene;
    Weapon definition;
};

TEST_F(GunFiringEffects, ASalvoShowsTheMuzzleFlashAndSmokeUntilTheirTimersRunOut)
{
    definition.NumberOfShoots = 3;
    definition.sfxFireName = flashTemplate;
    definition.sfxSmokeName = glowTemplate;
    Weapon& gun = placed(false);
    ASSERT_NE(gun.fireParticles, nullptr);
    ASSERT_NE(gun.smokeParticles, nullptr);
    EXPECT_EQ(gun.fireParticles->getParentSceneNode(), gun.rotationNode);
    EXPECT_FALSE(gun.fireParticles->getEmitting());

    play(gun, 1, true);
    EXPECT_EQ(scene.live(false).size(), 3u);
    EXPECT_TRUE(gun.fireParticles->getEmitting());
    EXPECT_TRUE(gun.smokeParticles->getEmitting());
    play(gun, 16, true);
    EXPECT_FALSE(gun.fireParticles->getEmitting());
    EXPECT_TRUE(gun.smokeParticles->getEmitting());
    play(gun, 3, true);
    EXPECT_FALSE(gun.smokeParticles->getEmitting());
    EXPECT_EQ(scene.live(false).size(), 3u);
}

TEST_F(GunFiringEffects, TheWarmUpGlowShowsDuringTheWarmUpOnly)
{
    definition.HotTimer = 0.5;
    definition.hotTimerSfx = glowTemplate;
    Weapon& gun = placed(false);
    ASSERT_NE(gun.hotTimerParticles, nullptr);
    EXPECT_FALSE(gun.hotTimerParticles->getEmitting());

    play(gun, 15, true);
    EXPECT_EQ(gun.cycleState, Weapon::cycleWarmUp);
    EXPECT_TRUE(gun.hotTimerParticles->getEmitting());
    EXPECT_TRUE(scene.live(false).empty());
    play(gun, 20, true);
    EXPECT_EQ(gun.cycleState, Weapon::cycleShooting);
    EXPECT_FALSE(gun.hotTimerParticles->getEmitting());
    EXPECT_FALSE(scene.live(false).empty());
}

TEST_F(GunFiringEffects, ABeamShowsWhileTheButtonIsHeldAndIsGoneAfterRelease)
{
    definition.isLaser = 1;
    Weapon& gun = placed(true);
    ASSERT_NE(gun.laserObject, nullptr);

    play(gun, 10, true);
    EXPECT_FALSE(gun.beams.empty());
    EXPECT_GT(gun.laserIntensity, 0.5f);
    EXPECT_EQ(gun.laserObject->getSections().size(), 1u);
    // The beam fades at 5.9 a second: gone within 0.2 s.
    play(gun, 12, false);
    EXPECT_TRUE(gun.beams.empty());
    EXPECT_EQ(gun.laserObject->getSections().size(), 0u);
    EXPECT_TRUE(scene.live(true).empty());
}

} // namespace
