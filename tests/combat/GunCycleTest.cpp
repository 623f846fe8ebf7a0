// The firing cycle step by step: the AI timing of enemy guns, the button
// cool-down, charged shots, waiting for the target, and what a
// copied gun takes from its library gun.
#include "GunFiringScene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(GunCycle, AnAiGunPassesThroughItsStatesInTime)
{
    struct Case {
        std::uint8_t isAiLooping;
        float waitBeforeLoop;
        double seconds;
        std::int32_t state;
    } cases[] = {
        {1, 0.3f, 0.05, Weapon::cycleWaiting},  {1, 0.3f, 0.2, Weapon::cycleShooting},
        {1, 0.3f, 0.7, Weapon::cycleLoopPause}, {1, 0.3f, 1.0, Weapon::cycleShooting},
        {0, 0.3f, 0.7, Weapon::cycleFinished},  {1, 0.0f, 3.0, Weapon::cycleShooting},
    };
    for (const Case& c : cases) {
        GunFiringScene scene;
        Weapon& gun = scene.gun(false, [&](Weapon& g) {
            g.waitBeforeShoot = 0.1f, g.shootDuration = 0.5f, g.isAiLooping = c.isAiLooping;
            g.waitBeforeLoop = c.waitBeforeLoop;
        });
        GunFiringScene::run(gun, c.seconds, true);
        EXPECT_EQ(gun.cycleState, c.state) << int(c.isAiLooping) << " " << c.waitBeforeLoop << " " << c.seconds;
    }
}

TEST(GunCycle, NoEnemyShotFactorStopsEnemyGunsAndTheirTimers)
{
    GunFiringScene scene;
    scene.shots.game.enemyShotFactor = 0.0f;
    Weapon& gun = scene.gun(false, [](Weapon& g) { g.waitBeforeShoot = 0.0f; });
    GunFiringScene::run(gun, 2.0, true);
    EXPECT_EQ(gun.cycleTime, 0.0);
    EXPECT_EQ(gun.cycleState, Weapon::cycleWaiting);
    EXPECT_TRUE(scene.live(false).empty());
}

// Shots of a one-shot gun with a 0.9 s cool-down: a first press at 0, then
// a one-step press at the given time, run until 2.5 s.
TEST(GunCycle, ButtonCoolDownLosesEarlyPressesAndKeepsLateOnes)
{
    struct Case {
        double secondPress; // < 0: the button is held all along
        std::size_t shots;
    } cases[] = {{0.3, 1}, {0.6, 2}, {-1.0, 3}};
    for (const Case& c : cases) {
        GunFiringScene scene;
        Weapon& gun = scene.gun(true, [](Weapon& g) { g.isButtonCoolDown = 1, g.TimeBetweenSalves = 0.9f; });
        double time = 0.0;
        std::size_t shotsAtCoolDownEnd = 0;
        for (; time < 2.5; time += GunFiringScene::step) {
            const bool held = c.secondPress < 0.0 || time < GunFiringScene::step / 2 ||
                              std::abs(time - c.secondPress) < GunFiringScene::step / 2;
            GunFiringScene::run(gun, GunFiringScene::step, held);
            if (std::abs(time - 0.95) < GunFiringScene::step / 2)
                shotsAtCoolDownEnd = scene.live(true).size();
        }
        EXPECT_EQ(scene.live(true).size(), c.shots) << c.secondPress;
        if (c.secondPress == 0.6) {
            EXPECT_EQ(shotsAtCoolDownEnd, 2u) << "the kept press fires when the cool-down ends";
        }
    }
}

TEST(GunCycle, AChargedShotFiresOnlyWhenReleasedAfterTheCharge)
{
    struct Case {
        double held;
        std::size_t shots;
    } cases[] = {{0.2, 0}, {0.7, 3}};
    for (const Case& c : cases) {
        GunFiringScene scene;
        Weapon& gun = scene.gun(true, [](Weapon& g) {
            g.isPlayerUsingAI = 1, g.isChargedShot = 1, g.HotTimer = 0.5, g.waitBeforeShoot = 0.0f;
            g.NumberOfShoots = 3;
        });
        GunFiringScene::run(gun, c.held, true);
        EXPECT_TRUE(scene.live(true).empty()) << "nothing while held " << c.held;
        GunFiringScene::run(gun, 0.1, false);
        EXPECT_EQ(scene.live(true).size(), c.shots) << c.held;
        EXPECT_EQ(gun.cycleTime, 0.0) << "the cycle ended " << c.held;
        EXPECT_FALSE(gun.isChargeReady || gun.isChargeReleased) << c.held;
    }
}

TEST(GunCycle, AWaitingGunStartsOnceItsYawIsWithinSevenDegrees)
{
    struct Case {
        float degrees;
        bool starts;
    } cases[] = {{5.0f, true}, {-6.5f, true}, {7.5f, false}, {-20.0f, false}};
    for (const Case& c : cases) {
        GunFiringScene scene;
        Weapon& gun = scene.gun(false, [](Weapon& g) { g.isWaitingForTarget = 1; });
        const float yaw = c.degrees * Ogre::Math::PI / 180.0f;
        const Ogre::Vector3 target =
            gun.sceneNode->_getDerivedPosition() + Ogre::Vector3(-std::sin(yaw), 0.0f, -std::cos(yaw)) * 50.0f;
        GunFiringScene::run(gun, 0.5, true, target);
        EXPECT_EQ(gun.isTargetSeen, c.starts) << c.degrees;
        EXPECT_EQ(gun.cycleTime > 0.0, c.starts) << c.degrees;
    }
}

TEST(GunCopy, ACopyTakesTheDefinitionAndStartsItsOwnCycle)
{
    Weapon library;
    library.name = "Spread";
    library.NumberOfShoots = 5, library.angleAdd = 40.0f, library.speed = 70.0f, library.shot = "pew";
    library.isLaser = 1, library.repeater_number = 3, library.startAmmo = 12, library.sfxSmokeName = "smoke";
    library.savedPosition = Ogre::Vector3(1.0f, 2.0f, 3.0f);
    library.ammo = 2, library.cycleState = Weapon::cycleShooting, library.cycleTime = 3.0;
    library.shotsFired = 4, library.isFiring = 1, library.warmUpTime = 1.0, library.animAngle = 9.0f;

    Weapon copy(library);
    EXPECT_EQ(copy.name, "Spread");
    EXPECT_EQ(copy.NumberOfShoots, 5);
    EXPECT_EQ(copy.angleAdd, 40.0f);
    EXPECT_EQ(copy.speed, 70.0f);
    EXPECT_EQ(copy.shot, "pew");
    EXPECT_EQ(copy.isLaser, 1);
    EXPECT_EQ(copy.repeater_number, 3);
    EXPECT_EQ(copy.sfxSmokeName, "smoke");
    EXPECT_EQ(copy.savedPosition, Ogre::Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(copy.kind, kindWeapon);
    EXPECT_EQ(copy.ammo, 12);
    EXPECT_EQ(copy.cycleState, Weapon::cycleWaiting);
    EXPECT_EQ(copy.cycleTime, 0.0);
    EXPECT_EQ(copy.shotsFired, 1);
    EXPECT_EQ(copy.isFiring, 0);
    EXPECT_EQ(copy.warmUpTime, 0.0);
    EXPECT_EQ(copy.animAngle, 0.0f);
    EXPECT_EQ(copy.sceneNode, nullptr);
    EXPECT_EQ(copy.definition, &library);

    std::unique_ptr<entity> copyOfCopy(copy.clone());
    EXPECT_EQ(static_cast<Weapon*>(copyOfCopy.get())->definition, &library);
}

} // namespace
