// The gun's own particle effects and its beam's objects: which exist for
// which gun, where they hang, how they are ordered, and how they start and
// stop with the gun.
#include "combat/GunScene.h"

#include "combat/Enemy.h"
#include "combat/Player.h"

#include <OgreManualObject.h>
#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace {

class GunEffectsTest : public ::testing::Test {
protected:
    GunEffectsTest()
    {
        definition.sfxFireName = "gun_short";
        definition.sfxSmokeName = "gun_endless";
        definition.hotTimerSfx = "gun_short";
        definition.chargeSfxReadyName = "gun_short";
        definition.impactSoundName = "none";
    }

    // The gun bound and reset by its owner, which tells it whose gun it is.
    void bindTo(entity* owner)
    {
        gun.init(owner, &scene.level, scene.owner, scene.effects.scene);
        gun.reset();
    }

    GunScene scene;
    Weapon definition;
    Weapon& gun = scene.gun;
    Player player;
    Enemy enemy;
};

TEST_F(GunEffectsTest, EachGunGetsTheSystemsItsKindAndSettingsAskForOnItsRotationNode)
{
    struct Case {
        bool isPlayer, isWarmUp, isCharged, isOnTop;
        const char* fireTemplate;
        bool hasFire, hasHotTimer, hasChargeReady;
        Ogre::ushort smokePriority, firePriority;
    };
    const Case cases[] = {
        {true, true, true, false, "gun_short", true, true, true, 29498, 29499},
        {true, false, true, true, "gun_short", true, false, true, 40001, 40002},
        {false, true, true, false, "none", false, true, false, 40001, 40002},
        {false, false, false, false, "None", false, false, false, 40001, 40002},
    };
    for (const Case& c : cases) {
        definition.isWarmUp = c.isWarmUp;
        definition.isChargedShot = c.isCharged;
        definition.sfxFireName = c.fireTemplate;
        bindTo(c.isPlayer ? static_cast<entity*>(&player) : &enemy);
        scene.game.isBulletOnTopOfPlayer = c.isOnTop;
        gun.createEffects(&definition, false);
        EXPECT_EQ(gun.fireParticles != nullptr, c.hasFire) << c.isPlayer << c.fireTemplate;
        EXPECT_EQ(gun.hotTimerParticles != nullptr, c.hasHotTimer) << c.isWarmUp;
        EXPECT_EQ(gun.chargeReadyParticles != nullptr, c.hasChargeReady) << c.isPlayer;
        ASSERT_NE(gun.smokeParticles, nullptr);
        EXPECT_EQ(gun.smokeParticles->getParentSceneNode(), gun.rotationNode);
        EXPECT_EQ(gun.smokeParticles->getName().rfind("ParticleSmoke", 0), 0u);
        EXPECT_FALSE(gun.smokeParticles->getEmitting());
        // Group 40 + the player's layer 7; an enemy's warm-up glow goes with the waves' 12.
        EXPECT_EQ(gun.smokeParticles->getRenderQueueGroup(), 47);
        EXPECT_EQ(RenderPriority::of(*gun.smokeParticles), c.smokePriority);
        if (gun.fireParticles) {
            EXPECT_EQ(RenderPriority::of(*gun.fireParticles), c.firePriority);
        }
        if (gun.hotTimerParticles) {
            EXPECT_EQ(gun.hotTimerParticles->getRenderQueueGroup(), c.isPlayer ? 47 : 52);
            EXPECT_EQ(RenderPriority::of(*gun.hotTimerParticles), 40003);
        }
    }
}

TEST_F(GunEffectsTest, ASecondSetUpMakesNoSecondSetUntilTheDefinitionIsTakenAgain)
{
    bindTo(&player);
    definition.isChargedShot = 1;
    gun.createEffects(&definition, false);
    EXPECT_EQ(scene.systemCount(), 4u);
    EXPECT_TRUE(gun.sfxFireName.empty() && gun.sfxSmokeName.empty() && gun.hotTimerSfx.empty());
    gun.createParticles();
    EXPECT_EQ(scene.systemCount(), 0u);
    EXPECT_EQ(gun.fireParticles, nullptr);
    gun.createEffects(&definition, false);
    EXPECT_EQ(scene.systemCount(), 4u);
    // Data only: the settings come back, no system is made.
    gun.destroyParticles();
    gun.createEffects(&definition, true);
    EXPECT_EQ(gun.sfxFireName, "gun_short");
    EXPECT_EQ(scene.systemCount(), 0u);
}

TEST_F(GunEffectsTest, MuzzleEffectsShowForTheirEmittersDurationAndHidingTheOwnerDetachesThem)
{
    gun.createEffects(&definition, false);
    gun.startMuzzleEffects();
    EXPECT_TRUE(gun.fireParticles->getEmitting() && gun.smokeParticles->getEmitting());
    EXPECT_FLOAT_EQ(gun.fireTimer, GunScene::shortEffectSeconds);
    EXPECT_FLOAT_EQ(gun.smokeTimer, 0.3f); // an endless emitter shows briefly
    gun.runMuzzleTimers(0.31);
    EXPECT_TRUE(gun.fireParticles->getEmitting());
    EXPECT_FALSE(gun.smokeParticles->getEmitting());
    gun.runMuzzleTimers(0.2);
    EXPECT_FALSE(gun.fireParticles->getEmitting());

    gun.detachParticles();
    EXPECT_FALSE(gun.fireParticles->isAttached() || gun.smokeParticles->isAttached());
    gun.attachParticles();
    EXPECT_EQ(gun.fireParticles->getParentSceneNode(), gun.rotationNode);
    gun.destroyParticles();
    EXPECT_EQ(scene.systemCount(), 0u);
}

TEST_F(GunEffectsTest, ALaserGunsBeamObjectsAreMadeOncePerGunAndGoWithIt)
{
    definition.isLaser = 1;
    definition.laserSfxStartName = "gun_endless";
    definition.laserSfxEndName = "gun_short";
    definition.impactSfxName = "gun_short";
    definition.sfxFireName = definition.sfxSmokeName = definition.hotTimerSfx = "";
    gun.createEffects(&definition, false);
    ASSERT_NE(gun.laserObject, nullptr);
    EXPECT_EQ(gun.laserObject->getParentSceneNode(), gun.laserObjectNode);
    EXPECT_EQ(gun.laserObjectNode->getParentSceneNode(), scene.effects.scene->getRootSceneNode());
    EXPECT_EQ(gun.laserEndParticles->getParentSceneNode(), gun.laserEndNode);
    EXPECT_EQ(gun.laserImpactParticles->getParentSceneNode(), gun.laserEndNode);
    EXPECT_EQ(gun.laserStartNode->getParentSceneNode(), gun.sceneNode);
    EXPECT_TRUE(gun.laserEndParticles->getKeepParticlesInLocalSpace());
    EXPECT_FALSE(gun.laserImpactParticles->getKeepParticlesInLocalSpace());
    EXPECT_EQ(gun.laserStartParticles->getRenderQueueGroup(), 47);
    EXPECT_EQ(scene.systemCount(), 3u);

    // A second gun's objects do not clash with the first's names.
    Weapon other;
    scene.bind(other);
    other.createEffects(&definition, false);
    EXPECT_EQ(scene.systemCount(), 6u);
    other.destroyLaserEffects();
    gun.destroyLaserEffects();
    EXPECT_EQ(scene.systemCount(), 0u);
    EXPECT_EQ(scene.effects.scene->getMovableObjects("ManualObject").size(), 0u);
    EXPECT_TRUE(!gun.laserEndNode && !gun.laserStartNode && !gun.laserObjectNode && !gun.laserStartParticles);

    // A start template that is not set makes no start node.
    definition.laserSfxStartName = "none";
    gun.createEffects(&definition, false);
    EXPECT_EQ(gun.laserStartNode, nullptr);
    EXPECT_EQ(scene.systemCount(), 2u);
}

} // namespace
