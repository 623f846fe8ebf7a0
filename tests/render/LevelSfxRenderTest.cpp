// Placed level effects, drawn: a blinking light on a lit floor at the top
// and the bottom of its blink, a glow that goes when a physics body stands
// between it and the camera, and embers that die out once the effect stops.
#include "support/RenderColours.h"
#include "support/RenderScene.h"

#include "core/Game.h"
#include "core/effects/sfxLibraryEntry.h"
#include "play/Level.h"
#include "world/sfx.h"

#include <OgreManualObject.h>
#include <OgreMaterialManager.h>
#include <OgreParticleSystem.h>
#include <OgreSceneManager.h>
#include <OgreSceneNode.h>
#include <OgreTechnique.h>

#include <btBulletDynamicsCommon.h>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

class LevelSfx : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RenderScene::available())
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
        scene = std::make_unique<RenderScene>();
        game.level = &level;
        if (!game.sfxLibrary.count("levelEmbers")) {
            game.sfxLibrary["levelEmbers"] = new sfxLibraryEntry;
            addedEmbers = true;
        }
    }
    void TearDown() override
    {
        effects.clear();
        if (addedEmbers) {
            delete game.sfxLibrary["levelEmbers"];
            game.sfxLibrary.erase("levelEmbers");
        }
        game.level = nullptr;
        game.playClock = 0.0f;
        game.isPhysicsOcclusion = false;
        scene.reset();
    }
    sfx& place(const Ogre::Vector3& where, void (*configure)(sfx&))
    {
        effects.push_back(std::make_unique<sfx>("sfxRender" + std::to_string(effects.size() + 1)));
        sfx& effect = *effects.back();
        configure(effect);
        effect.createVisuals(where);
        // The harness's camera stands in for the play camera.
        effect.camera = scene->camera;
        return effect;
    }
    // A 16 x 16 floor at y = 0 that only lights make visible.
    void addLitFloor()
    {
        Ogre::MaterialPtr material = Ogre::MaterialManager::getSingleton().create("SfxRenderTest/LitFloor", "General");
        Ogre::Pass* pass = material->getTechnique(0)->getPass(0);
        pass->setLightingEnabled(true);
        pass->setAmbient(Ogre::ColourValue::Black);
        pass->setDiffuse(Ogre::ColourValue::White);
        pass->setSpecular(Ogre::ColourValue::Black);
        Ogre::ManualObject* floor = scene->scene->createManualObject();
        floor->begin("SfxRenderTest/LitFloor");
        const int cells = 16;
        for (int z = 0; z <= cells; ++z)
            for (int x = 0; x <= cells; ++x) {
                floor->position(x - 8.0f, 0.0f, z - 8.0f);
                floor->normal(Ogre::Vector3::UNIT_Y);
            }
        for (int z = 0; z < cells; ++z)
            for (int x = 0; x < cells; ++x) {
                const Ogre::uint32 corner = static_cast<Ogre::uint32>(z * (cells + 1) + x);
                floor->quad(corner, corner + cells + 1, corner + cells + 2, corner + 1);
            }
        floor->end();
        scene->place(floor, Ogre::Vector3::ZERO);
    }
    // Several frames of play of dt seconds, the particles stepped with them.
    void play(sfx& effect, int frames, float dt)
    {
        for (int frame = 0; frame < frames; ++frame) {
            effect.update(dt);
            if (effect.particleSystem)
                effect.particleSystem->_update(dt);
        }
    }

    Game& game = *Game::getSingletonPtr();
    Level level;
    std::unique_ptr<RenderScene> scene;
    std::vector<std::unique_ptr<sfx>> effects;
    bool addedEmbers = false;
};

TEST_F(LevelSfx, BlinkingLightIsBrightAtTheTopOfItsBlinkAndDarkAtTheBottom)
{
    addLitFloor();
    sfx& lamp = place(Ogre::Vector3(0, 3, 0), [](sfx& e) {
        e.isOmni = true;
        e.isOmniBlink = true;
        e.colour = Ogre::ColourValue::White;
        e.omniMultiplier = 3.0f;
        e.omniRange = 100.0f;
        e.omniSinSpeed = 1.0f;
        e.omniBlinkRandom = 0.0f;
        e.omniSinIntensity = 1.0f;
    });
    const Ogre::Vector3 belowLamp(0, 0, 0);
    game.playClock = static_cast<float>(M_PI) / 2.0f; // both waves at their top
    play(lamp, 2, 0.016f);
    scene->renderFrame();
    scene->keepFrame("sfx_lamp_bright");
    // Three times a white light, right above: white.
    EXPECT_COLOUR(scene->colourAt(belowLamp), Ogre::ColourValue::White);

    game.playClock = 3.0f * static_cast<float>(M_PI) / 2.0f; // both at their bottom
    play(lamp, 1, 0.016f);
    scene->renderFrame();
    scene->keepFrame("sfx_lamp_dark");
    EXPECT_COLOUR(scene->colourAt(belowLamp), Ogre::ColourValue::Black);
}

TEST_F(LevelSfx, GlowShowsAndGoesWhenAPhysicsBodyBlocksItsRayToTheCamera)
{
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher(&configuration);
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld world(&dispatcher, &broadphase, &solver, &configuration);
    level.physicsWorld = &world;
    game.isPhysicsOcclusion = true;

    sfx& glow = place(Ogre::Vector3(-4, 0, 0), [](sfx& e) {
        e.isGlow = true;
        e.glowType = "Star";
        e.glowSscale = 0.1f;
    });
    play(glow, 12, 0.016f);
    scene->renderFrame();
    scene->keepFrame("sfx_glow_seen");
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4, 0, 0)), Ogre::ColourValue::White); // the star's heart

    btBoxShape box(btVector3(2, 2, 2));
    btDefaultMotionState motion(btTransform(btQuaternion::getIdentity(), btVector3(-4, 50, 0)));
    btRigidBody body(0.0f, &motion, &box);
    world.addRigidBody(&body, 1, -1);
    play(glow, 12, 0.016f);
    scene->renderFrame();
    scene->keepFrame("sfx_glow_blocked");
    EXPECT_COLOUR(scene->colourAt(Ogre::Vector3(-4, 0, 0)), Ogre::ColourValue::Black);
    world.removeRigidBody(&body);
    level.physicsWorld = nullptr;
}

TEST_F(LevelSfx, GatedEmbersRunWhenStartedAndDieOutOnceStopped)
{
    sfx& gate = place(Ogre::Vector3::ZERO, [](sfx&) {});
    sfx& embers = place(Ogre::Vector3(4, 0, 0), [](sfx& e) {
        e.isParticles = true;
        e.particleType = "levelEmbers";
    });
    ASSERT_NE(embers.particleSystem, nullptr);
    embers.linkedObjects.push_back(&gate);
    play(embers, 5, 0.016f);
    EXPECT_EQ(embers.particleSystem->getNumParticles(), 0u);

    embers.status = 1; // what a trigger writes to start its targets
    play(embers, 20, 0.016f);
    scene->renderFrame();
    scene->keepFrame("sfx_embers_running");
    EXPECT_GT(embers.particleSystem->getNumParticles(), 0u);

    embers.hideAndForward(false);
    play(embers, 60, 0.05f); // the ending second, then longer than an ember lives
    scene->renderFrame();
    scene->keepFrame("sfx_embers_stopped");
    EXPECT_EQ(embers.status, 0u);
    EXPECT_EQ(embers.particleSystem->getNumParticles(), 0u);
    embers.linkedObjects.clear();
}

} // namespace
