// The ship's intro flight, timed moves, state step and screen limits.
#include "combat/PlayerControl.h"
#include "combat/PlayerControlScene.h"

#include "world/Obb.h"
#include "world/sfxDefinition.h"
#include "support/FrameStep.h"
#include "support/VectorChecks.h"

#include <OgreCamera.h>
#include <OgreParticleEmitter.h>
#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

TEST(PlayerControlMotion, TheIntroFliesInEasedAndEndsInPlayAtThePlayPosition)
{
    PlayerControlScene scene;
    Player& ship = scene.player;
    scene.giveMesh();
    Ogre::Entity* crosshair = scene.world.scene->createEntity("testAim", "plane1U.mesh");
    ship.aimNode->attachObject(crosshair);
    crosshair->setVisible(false);
    ship.type = Player::rotationCrosshair;
    btSphereShape shape(1.0f);
    btRigidBody body(1.0f, nullptr, &shape);
    body.forceActivationState(DISABLE_SIMULATION);
    ship.body = &body;
    ship.status = Player::statusIntro;
    ship.introDuration = 1.0f;
    ship.introInvincibleTime = 1.5f;
    ship.introOffset = Ogre::Vector2(10.0f, 20.0f);
    ship.startPosition = ship.pos;
    const Ogre::Vector3 playPosition = ship.pos + scene.rigPosition();
    const Ogre::Vector3 offset(10.0f, 0.0f, 20.0f);

    const std::pair<double, double> flight[] = {{0.0, 0.0}, {0.5, 0.5}, {0.25, 0.84375}};
    for (const auto& [dt, eased] : flight) {
        ship.updateIntro(dt);
        expectNear(ship.sceneNode->_getDerivedPosition(), playPosition - offset * static_cast<float>(1.0 - eased),
                   "eased " + std::to_string(eased));
        EXPECT_EQ(ship.status, Player::statusIntro);
    }
    EXPECT_TRUE(ship.isBlinking && ship.isStartInvincible);
    ship.updateIntro(0.25);
    EXPECT_EQ(ship.status, Player::statusPlaying);
    expectNear(ship.sceneNode->_getDerivedPosition(), playPosition, "end");
    EXPECT_FLOAT_EQ(ship.invincibilityTime, 1.5f);
    EXPECT_EQ(body.getActivationState(), DISABLE_DEACTIVATION);
    EXPECT_TRUE(crosshair->getVisible());
    ship.body = nullptr;

    // Without a flight (no intro move, or no duration) the ship is placed at once.
    for (const auto& [isIntroMove, duration] : {std::pair{0, 0.7f}, {1, 0.0f}}) {
        ship.status = Player::statusIntro;
        ship.introElapsed = 0.0;
        ship.isIntroMove = static_cast<std::uint8_t>(isIntroMove);
        ship.introDuration = duration;
        ship.sceneNode->setPosition(Ogre::Vector3::ZERO);
        ship.updateIntro(frame);
        EXPECT_EQ(ship.status, Player::statusPlaying) << duration;
        expectNear(ship.sceneNode->_getDerivedPosition(), playPosition, "at once");
    }
}

TEST(PlayerControlMotion, ATimedMoveEasesToItsTargetAndEnds)
{
    PlayerControlScene scene;
    Player& ship = scene.player;
    ship.isBeingMoved = true;
    ship.moveDuration = ship.moveTimer = 1.0f;
    ship.moveStart = Ogre::Vector3(0.0f, -100.0f, 0.0f);
    ship.moveTarget = Ogre::Vector3(20.0f, -100.0f, -40.0f);
    ship.updateTimedMove(0.5);
    expectNear(ship.sceneNode->getPosition(), Ogre::Vector3(10.0f, -100.0f, -20.0f), "half way");
    EXPECT_TRUE(ship.isBeingMoved);
    ship.updateTimedMove(0.5);
    expectNear(ship.sceneNode->getPosition(), ship.moveTarget, "end");
    EXPECT_FALSE(ship.isBeingMoved);

    ship.isBeingMoved = true;
    ship.moveDuration = ship.moveTimer = 0.0f;
    ship.moveTarget = Ogre::Vector3(-5.0f, -100.0f, 0.0f);
    ship.updateTimedMove(frame);
    expectNear(ship.sceneNode->getPosition(), ship.moveTarget, "no duration");
}

TEST(PlayerControlMotion, TheStateStepTimesOffScreenAndInvincibilityAndDrivesTheEngines)
{
    PlayerControlScene scene;
    Player& ship = scene.player;
    scene.giveMesh();
    ship.updateState(0.3);
    EXPECT_TRUE(ship.isOnScreen);
    EXPECT_TRUE(ship.screenPosition.positionEquals(Ogre::Vector2(0.5f, 0.5f), 1e-4f));
    // Allowed off screen, the ship is timed but not destroyed (the hit of 999
    // once 0.5 s are exceeded is the hit step's to show).
    scene.game.isPlayerOffScreenAllowed = true;
    const std::pair<float, float> offScreen[] = {{500.0f, 0.3f}, {500.0f, 0.6f}, {0.0f, 0.0f}};
    for (const auto& [x, expectedTime] : offScreen) {
        ship.sceneNode->setPosition(x, -100.0f, 0.0f);
        scene.world.updateTransforms();
        ship.updateState(0.3);
        EXPECT_NEAR(ship.offScreenTime, expectedTime, 1e-5f) << x;
    }

    ship.invincibilityTime = 0.1f;
    ship.isBlinking = ship.isTouched = true;
    ship.updateState(0.05);
    EXPECT_TRUE(ship.isBlinking && ship.isTouched);
    ship.updateState(0.05);
    EXPECT_EQ(ship.invincibilityTime, 0.0f);
    EXPECT_FALSE(ship.isBlinking || ship.isTouched);
    const Ogre::ColourValue colour(0.0f, 0.2f, 0.6f, 0.0f);
    const float quarterTurn = Ogre::Math::PI / 60.0f; // the clock at which sin(30 x clock) is 1
    for (const auto& [clock, alpha] : {std::pair{0.0f, 0.5f}, {quarterTurn, 1.0f}, {-quarterTurn, 0.0f}}) {
        const Ogre::ColourValue blink = invincibleBlinkColour(colour, clock);
        EXPECT_NEAR(blink.a, alpha, 1e-6f) << clock;
        EXPECT_EQ(Ogre::ColourValue(blink.r, blink.g, blink.b, 0.0f), colour);
    }

    sharedTestRoot().loadPlugin(std::string(ZARNITH_OGRE_PLUGIN_DIR) + "/Plugin_ParticleFX");
    auto engine = std::make_unique<sfxDefinition>();
    auto steady = std::make_unique<sfxDefinition>();
    for (sfxDefinition* definition : {engine.get(), steady.get()}) {
        definition->particleSystem = scene.world.scene->createParticleSystem();
        definition->particleSystem->addEmitter("Point")->setEmissionRate(7.0f);
        definition->savedEmissionRate = 100.0f;
        ship.sfxDefinitions.push_back(definition);
    }
    engine->sfxBehavior = true;
    struct Engines {
        float speed;
        bool isSteering;
        std::uint32_t status;
        float rate;
    };
    const Engines engines[] = {{0.1f, true, Player::statusPlaying, 60.0f},
                               {1.0f, true, Player::statusPlaying, 100.0f},
                               {0.05f, true, Player::statusPlaying, 0.0f},
                               {1.0f, false, Player::statusPlaying, 0.0f},
                               {0.1f, true, Player::statusOut, 0.0f}};
    for (const Engines& row : engines) {
        ship.velocity = Ogre::Vector3(0.0f, 0.0f, row.speed);
        ship.isSteering = row.isSteering;
        ship.status = row.status;
        ship.updateState(frame);
        EXPECT_NEAR(engine->particleSystem->getEmitter(0)->getEmissionRate(), row.rate, 1e-3f) << row.speed;
        EXPECT_EQ(steady->particleSystem->getEmitter(0)->getEmissionRate(), 7.0f);
    }
    ship.sfxDefinitions.clear();
}

TEST(PlayerControlMotion, TheScreenLimitsPushTheCameraLimitOutlinesBackIntoTheView)
{
    PlayerControlScene scene;
    Player& ship = scene.player;
    // A view 160 x 90 units wide straight above the ship: the planes' distances are lengths.
    scene.camera.playCamera->setProjectionType(Ogre::PT_ORTHOGRAPHIC);
    scene.camera.playCamera->setOrthoWindow(160.0f, 90.0f);
    const auto addOutline = [&](const Ogre::Vector3& size, const Ogre::Vector3& at, bool isCamLimits) {
        auto* outline = new Obb;
        outline->size = size;
        outline->placedPosition = at;
        outline->isCamLimits = isCamLimits;
        outline->bindCamera(scene.world.scene, ship.sceneNode);
        outline->init();
        ship.outlines.push_back(outline);
    };
    addOutline({4.0f, 4.0f, 0.0f}, Ogre::Vector3::ZERO, true);
    addOutline({2.0f, 2.0f, 0.0f}, {0.0f, 0.0f, -6.0f}, true); // reaches z -7
    addOutline({100.0f, 100.0f, 0.0f}, Ogre::Vector3::ZERO, false);
    ship.updateObbs();

    const std::pair<Ogre::Vector3, Ogre::Vector2> moves[] = {
        {{0.0f, 0.0f, 0.0f}, {0.0f, 0.0f}},      {{-79.0f, 0.0f, 0.0f}, {1.0f, 0.0f}},
        {{80.0f, 0.0f, 0.0f}, {-2.0f, 0.0f}},    {{0.0f, 0.0f, 45.0f}, {0.0f, -2.0f}},
        {{0.0f, 0.0f, -40.0f}, {0.0f, 2.0f}},    {{-100.0f, 0.0f, -50.0f}, {22.0f, 12.0f}},
    };
    for (const auto& [move, correction] : moves) {
        ship.isInsideScreen(move);
        EXPECT_TRUE(ship.screenCorrection.positionEquals(correction, 1e-3f))
            << move << " gives " << ship.screenCorrection;
    }
    ship.status = Player::statusIntro;
    ship.isInsideScreen(Ogre::Vector3(0.0f, 0.0f, 45.0f));
    EXPECT_EQ(ship.screenCorrection, Ogre::Vector2::ZERO);
}
