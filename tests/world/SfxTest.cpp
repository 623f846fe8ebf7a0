// Placed level effects: the blink rule, starting behind their gates, ending,
// glow fading, layers, and hiding when the scene or the physics world stands
// between them and the camera.
#include "world/SfxTestScene.h"

#include <OgreBillboard.h>
#include <OgreBillboardSet.h>
#include <OgreLight.h>
#include <OgreParticleAffector.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>

#include <btBulletDynamicsCommon.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class SfxTest : public ::testing::Test {
protected:
    SfxTestScene scene;
};

void blinkingLight(sfx& effect)
{
    effect.isOmni = true;
    effect.isOmniBlink = true;
    effect.colour = Ogre::ColourValue(1.0f, 0.5f, 0.25f, 1.0f);
    effect.omniMultiplier = 2.0f;
    effect.omniSinSpeed = 3.0f;
    effect.omniBlinkRandom = 0.5f;
    effect.omniSinIntensity = 0.8f;
}

void withGlow(sfx& effect)
{
    effect.isGlow = true;
    effect.glowSscale = 2.0f;
}

void withEmbers(sfx& effect)
{
    effect.isParticles = true;
    effect.particleType = "levelEmbers";
    effect.particleScale = 2.0f;
}

// A running effect: the first update starts it, the second runs it.
void run(sfx& effect, double dt = 0.016)
{
    effect.update(dt);
    effect.update(dt);
}

} // namespace

TEST(SfxBlink, FlickerFollowsTheTwoSineWavesBetweenOneMinusDepthAndOne)
{
    EXPECT_FLOAT_EQ(sfx::blinkFlicker(0.0f, 1.0f, 0.0f, 1.0f), 0.5f);
    EXPECT_FLOAT_EQ(sfx::blinkFlicker(1.7f, 5.0f, 0.3f, 0.0f), 1.0f);
    // Both waves at their top: s t = pi/2 and (r + s) t + r = pi/2 with r = 0.
    const float t = static_cast<float>(M_PI) / 2.0f;
    EXPECT_FLOAT_EQ(sfx::blinkFlicker(t, 1.0f, 0.0f, 1.0f), 1.0f);
    EXPECT_FLOAT_EQ(sfx::blinkFlicker(3.0f * t, 1.0f, 0.0f, 0.6f), 0.4f);
    for (float time = 0.0f; time < 10.0f; time += 0.37f) {
        const float flicker = sfx::blinkFlicker(time, 2.5f, 0.7f, 0.6f);
        EXPECT_GE(flicker, 0.4f - 1e-6f);
        EXPECT_LE(flicker, 1.0f + 1e-6f);
    }
}

TEST_F(SfxTest, BlinkingLightTakesThePlayClockAndSteadyLightIgnoresItsBlinkSettings)
{
    sfx& blinking = scene.place(Ogre::Vector3::ZERO, blinkingLight);
    scene.game.playClock = 1.25f;
    blinking.updateLight();
    const float flicker = sfx::blinkFlicker(1.25f, 3.0f, 0.5f, 0.8f);
    EXPECT_FLOAT_EQ(blinking.flicker, flicker);
    EXPECT_EQ(blinking.light->getDiffuseColour(), blinking.colour * flicker * 2.0f);

    sfx& steady = scene.place(Ogre::Vector3::ZERO, [](sfx& effect) {
        blinkingLight(effect);
        effect.isOmniBlink = false;
    });
    steady.updateLight();
    EXPECT_EQ(steady.light->getDiffuseColour(), steady.colour * 2.0f);
}

TEST_F(SfxTest, EndingLightDimsWithTheFade)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, [](sfx& e) {
        blinkingLight(e);
        e.isOmniBlink = false;
    });
    run(effect);
    effect.fade = 0.25f;
    effect.status = 4;
    effect.updateLight();
    EXPECT_EQ(effect.light->getDiffuseColour(), effect.colour * 0.25f * 2.0f);
}

TEST_F(SfxTest, LightRangeIsAWholeNumberOfAtLeastOne)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, [](sfx& e) {
        e.isOmni = true;
        e.omniRange = 150.7f;
    });
    EXPECT_EQ(effect.omniRange, 150.0f);
    EXPECT_EQ(effect.light->getAttenuationRange(), 150.0f);
    EXPECT_FLOAT_EQ(effect.light->getAttenuationLinear(), 4.5f / 150.0f);
    EXPECT_FLOAT_EQ(effect.light->getAttenuationQuadric(), 75.0f / (150.0f * 150.0f));

    sfx& tiny = scene.place(Ogre::Vector3::ZERO, [](sfx& e) {
        e.isOmni = true;
        e.omniRange = 0.4f;
    });
    EXPECT_EQ(tiny.omniRange, 1.0f);
    EXPECT_TRUE(std::isfinite(tiny.light->getAttenuationQuadric()));
}

TEST_F(SfxTest, UngatedEffectStartsOnItsFirstUpdateAndKeepsRunning)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withGlow);
    effect.update(0.016);
    EXPECT_EQ(effect.status, 2u);
    effect.update(0.016);
    EXPECT_EQ(effect.status, 2u);
}

TEST_F(SfxTest, EffectAttachedToAnInvisibleObjectWaitsUntilItShowsAndRuns)
{
    sfx& carrier = scene.place(Ogre::Vector3::ZERO, withGlow);
    carrier.movableObject = carrier.glow;
    carrier.glow->setVisible(false);
    carrier.status = 1;
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withGlow);
    effect.attachedObject = &carrier;
    effect.update(0.016);
    EXPECT_EQ(effect.status, 0u);
    carrier.glow->setVisible(true);
    effect.update(0.016);
    EXPECT_EQ(effect.status, 2u);
    carrier.movableObject = nullptr;
}

TEST_F(SfxTest, LinkedEffectIgnoresStatusWritesAndWaits)
{
    sfx& trigger = scene.place(Ogre::Vector3::ZERO);
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withGlow);
    effect.linkedObjects.push_back(&trigger);
    effect.setStatus(1);
    EXPECT_EQ(effect.status, 0u);
    EXPECT_EQ(effect.isStarted, 1);
    effect.update(0.016);
    EXPECT_EQ(effect.status, 0u);
    effect.linkedObjects.clear();
    effect.setStatus(1);
    EXPECT_EQ(effect.status, 1u);
}

TEST_F(SfxTest, StoppedEffectEndsForJustOverASecondThenStartsAgain)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withGlow);
    run(effect);
    effect.hideAndForward(false);
    EXPECT_EQ(effect.status, 4u);
    for (int frame = 0; frame < 10; ++frame) {
        effect.update(0.1);
        EXPECT_EQ(effect.status, 4u) << frame;
        EXPECT_TRUE(effect.hidden);
    }
    effect.update(0.1);
    EXPECT_EQ(effect.status, 2u);
}

TEST_F(SfxTest, GlowShrinksOffScreenAndGrowsBackInASeventhOfASecond)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withGlow);
    run(effect, 0.2);
    const Ogre::Billboard* billboard = effect.glow->getBillboard(0);
    EXPECT_FLOAT_EQ(billboard->getOwnWidth(), 2.0f * 50.0f);

    effect.setWorldPosition(Ogre::Vector3(0, 0, 500)); // behind the camera
    scene.updateTransforms();
    effect.update(1.0 / 14.0);
    EXPECT_NEAR(effect.fade, 0.5f, 1e-5f);
    effect.update(1.0 / 14.0);
    EXPECT_FLOAT_EQ(billboard->getOwnWidth(), 0.0f);

    effect.setWorldPosition(Ogre::Vector3::ZERO);
    scene.updateTransforms();
    effect.update(1.0 / 7.0);
    EXPECT_NEAR(billboard->getOwnWidth(), 100.0f, 1e-3f);
}

TEST(SfxGlow, TypesNameTheirMaterialsCaseSensitively)
{
    EXPECT_EQ(sfx::glowMaterialOf("Basic"), "Glows/GlowStreak03");
    EXPECT_EQ(sfx::glowMaterialOf("Anamorphic"), "Glows/GlowStreak02");
    EXPECT_EQ(sfx::glowMaterialOf("Sun"), "Glows/GlowSun");
    EXPECT_EQ(sfx::glowMaterialOf("Star"), "Glows/GlowStar");
    EXPECT_EQ(sfx::glowMaterialOf("sun"), "");
}

TEST_F(SfxTest, ParticleLayersSkipGroupFiftyAndStopAtTheLastGroup)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withEmbers);
    ASSERT_NE(effect.particleSystem, nullptr);
    effect.setLayer(12);
    EXPECT_EQ(effect.layer, 13);
    EXPECT_EQ(effect.particleSystem->getRenderQueueGroup(), 53);
    effect.setLayer(9);
    EXPECT_EQ(effect.particleSystem->getRenderQueueGroup(), 49);
    effect.setLayer(70);
    EXPECT_EQ(effect.particleSystem->getRenderQueueGroup(), 105);
}

TEST_F(SfxTest, ParticlesAreScaledFromTheTemplateAndPauseWhenUnseen)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withEmbers);
    ASSERT_NE(effect.particleSystem, nullptr);
    EXPECT_FLOAT_EQ(effect.particleSystem->getDefaultWidth(), 8.0f);
    EXPECT_FLOAT_EQ(effect.particleSystem->getEmitter(0)->getMaxParticleVelocity(), 20.0f);
    EXPECT_FLOAT_EQ(effect.particleSystem->getNonVisibleUpdateTimeout(), 8.0f);

    sfx& always = scene.place(Ogre::Vector3::ZERO, [](sfx& e) {
        withEmbers(e);
        e.isPauseWhenUnseen = false;
    });
    EXPECT_FLOAT_EQ(always.particleSystem->getNonVisibleUpdateTimeout(), 0.0f);
}

TEST_F(SfxTest, RestartDropsParticlesOfAMissingTemplateWithoutTheSpriteTemplate)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withEmbers);
    effect.restart();
    EXPECT_NE(effect.particleSystem, nullptr);
    effect.particleType = "noSuchTemplate";
    effect.restart();
    // The test templates define "explosion_sprite_alpha": the system stays.
    EXPECT_NE(effect.particleSystem, nullptr);
}

// A Bullet world with one static box; the effect's visuals are queried by
// Ogre too, so the box exists only in physics.
class SfxOcclusionTest : public SfxTest {
protected:
    SfxOcclusionTest()
    {
        world.setGravity(btVector3(0, 0, 0));
        scene.level.physicsWorld = &world;
        scene.game.isPhysicsOcclusion = true;
    }
    ~SfxOcclusionTest() override
    {
        if (boxBody)
            world.removeRigidBody(boxBody.get());
        scene.level.physicsWorld = nullptr;
    }
    void addBox(const btVector3& centre, int group = 1)
    {
        btTransform place;
        place.setIdentity();
        place.setOrigin(centre);
        motion = std::make_unique<btDefaultMotionState>(place);
        boxBody = std::make_unique<btRigidBody>(0.0f, motion.get(), &box);
        world.addRigidBody(boxBody.get(), group, -1);
    }

    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld world{&dispatcher, &broadphase, &solver, &configuration};
    btBoxShape box{btVector3(10, 10, 10)};
    std::unique_ptr<btDefaultMotionState> motion;
    std::unique_ptr<btRigidBody> boxBody;
};

TEST_F(SfxOcclusionTest, BoxBetweenEffectAndCameraHidesTheGlow)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withGlow);
    run(effect);
    EXPECT_FALSE(effect.hidden);
    addBox(btVector3(0, 0, 50));
    effect.update(0.016);
    EXPECT_TRUE(effect.hidden);
    scene.game.isPhysicsOcclusion = false;
    effect.update(0.016);
    EXPECT_FALSE(effect.hidden);
}

TEST_F(SfxOcclusionTest, BodiesOutsideTheSceneryGroupAndBodiesAsideDoNotHide)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withGlow);
    run(effect);
    addBox(btVector3(0, 0, 50), 4);
    effect.update(0.016);
    EXPECT_FALSE(effect.hidden);
    world.removeRigidBody(boxBody.get());
    addBox(btVector3(40, 0, 50));
    effect.update(0.016);
    EXPECT_FALSE(effect.hidden);
}

TEST_F(SfxOcclusionTest, ParticleOnlyEffectsAreNeverTestedForOcclusion)
{
    sfx& effect = scene.place(Ogre::Vector3::ZERO, withEmbers);
    run(effect);
    addBox(btVector3(0, 0, 50));
    effect.update(0.016);
    EXPECT_FALSE(effect.hidden);
}

TEST_F(SfxTest, StartingKeepsTheCameraSpeedAffectorOnlyWhileTheEffectRidesTheCamera)
{
    scene.game.sfxLibrary["levelEmbers"]->isLocalSpace = 0;
    sfx& carrier = scene.place(Ogre::Vector3::ZERO);
    carrier.isDisabled = 1;
    auto cameraSpeedCount = [](const sfx& effect) {
        int count = 0;
        for (unsigned short i = 0; i < effect.particleSystem->getNumAffectors(); ++i)
            count += effect.particleSystem->getAffector(i)->getType() == "cameraSpeed";
        return count;
    };

    sfx& grounded = scene.place(Ogre::Vector3::ZERO, withEmbers);
    ASSERT_EQ(cameraSpeedCount(grounded), 1);
    grounded.attachedObject = &carrier;
    grounded.update(0.016);
    EXPECT_EQ(cameraSpeedCount(grounded), 0);

    sfx& riding = scene.place(Ogre::Vector3::ZERO, withEmbers);
    riding.particleSystem->removeAffector(3);
    riding.sceneNode->getParent()->removeChild(riding.sceneNode);
    scene.cameraNode->createChildSceneNode()->addChild(riding.sceneNode);
    riding.attachedObject = &carrier;
    riding.update(0.016);
    EXPECT_EQ(cameraSpeedCount(riding), 1);
    EXPECT_EQ(riding.particleSystem->getIterationInterval(), 0.0f);
}
