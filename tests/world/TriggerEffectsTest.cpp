// What overlay, checkpoint, weapon-set, player-control, smart-bomb and score
// triggers do when they fire, and the play state's frame of the triggers.
#include "TriggerTestScene.h"

#include "app/CameraProjection.h"
#include "app/OverlayWidget.h"
#include "combat/Enemy.h"
#include "support/FrameStep.h"

#include <OgreSceneNode.h>

namespace {

} // namespace

class TriggerEffectsTest : public TriggerTest {
protected:
    void SetUp() override
    {
        TriggerTest::SetUp();
        // The camera rig away from the origin and turned, so that "CamNode1"
        // space differs from world space.
        camera.sceneNode->setPosition(100.0f, 30.0f, -20.0f);
        camera.sceneNode->yaw(Ogre::Degree(30.0f));
        world.updateTransforms();
        player.camera = camera.playCamera;
        player.playHeight = 5.0f;
    }
    void TearDown() override
    {
        game.weaponLevel = 0;
        game.baseWeaponLevel = 0.0f;
        game.isWeaponChangeLocked = false;
        game.smartBombTime = 0.0f;
        game.smartBombCoolDown = 0.0f;
        game.isBombCancelling = false;
        game.bombDamage = 0;
        game.isBombEffect = false;
        game.smartBombDuration = 0.0;
        game.smartBombCoolDownDuration = 0.0f;
        TriggerTest::TearDown();
    }

    // The rig-space point back in the world, where the play camera sees it.
    void expectSeenOnPlayPlane(const Ogre::Vector3& rigPoint, const Ogre::Vector2& screenPoint)
    {
        const Ogre::Vector3 worldPoint = camera.sceneNode->convertLocalToWorldPosition(rigPoint);
        EXPECT_NEAR(worldPoint.y, player.playHeight, 1e-3f);
        Ogre::Vector2 seen;
        worldToScreen(seen, worldPoint, *camera.playCamera);
        EXPECT_NEAR(seen.x, screenPoint.x, 1e-4f);
        EXPECT_NEAR(seen.y, screenPoint.y, 1e-4f);
    }

    // An overlay trigger in view: appears for 0.5 s, holds 1 s, leaves in 0.5 s.
    Trigger* placeOverlayTrigger()
    {
        Trigger* message = place(1, 0, inView());
        message->overlay = new OverlayWidget();
        message->overlay->appearDuration = 0.5f;
        message->overlay->holdDuration = 1.0f;
        message->overlay->disappearDuration = 0.5f;
        message->reset();
        return message;
    }
};

TEST_F(TriggerEffectsTest, OverlayAppearsOnTopAndLeavesAfterItsDuration)
{
    level.overlayCounter = 40;
    Trigger* message = placeOverlayTrigger();
    EXPECT_FLOAT_EQ(message->duration, 1.5f);
    message->update(frame);
    ASSERT_EQ(message->status, 2u);
    EXPECT_EQ(message->overlay->transitionState, 1u);
    EXPECT_GT(message->overlay->appearTime, 0.0) << "the overlay runs its fade with the trigger";
    EXPECT_EQ(level.overlayCounter, 41u);
    EXPECT_EQ(message->overlay->zOrder, 300u + 41u % 38u);

    message->update(1.0);
    message->update(0.48);
    EXPECT_EQ(message->status, 2u);
    message->update(0.02); // past 1.5 s: the fade-out starts with this frame
    EXPECT_EQ(message->status, 4u);
    EXPECT_EQ(message->overlay->transitionState, 4u);
    EXPECT_GT(message->overlay->disappearTime, 0.0) << "it fades out while ending";
    message->update(0.4);
    EXPECT_EQ(message->status, 4u);
    message->update(0.1);
    EXPECT_EQ(message->status, 3u);

    Trigger* manual = placeOverlayTrigger();
    manual->isManualRenderingOrder = true;
    manual->manualRenderingOrder = 7;
    manual->update(frame);
    EXPECT_EQ(manual->overlay->zOrder, 307u);
    EXPECT_EQ(level.overlayCounter, 41u) << "a manual order leaves the level's counter";
}

TEST_F(TriggerEffectsTest, OverlayWithItsSpareFlagStaysOn)
{
    Trigger* message = placeOverlayTrigger();
    message->overlay->spareFlag = true;
    message->update(frame);
    message->update(5.0);
    EXPECT_EQ(message->status, 2u);
    EXPECT_EQ(message->overlay->transitionState, 1u);
}

TEST_F(TriggerEffectsTest, CheckpointSavesTheCameraAndTheRespawnPoint)
{
    Trigger* checkpoint = place(4, 0, inView());
    checkpoint->isMovePlayer = true;
    checkpoint->movePlayerToPosition = Ogre::Vector2(0.3f, 0.8f);
    checkpoint->update(frame);
    EXPECT_EQ(checkpoint->status, 3u);
    EXPECT_TRUE(camera.hasCheckpoint);
    expectSeenOnPlayPlane(player.respawnPosition, checkpoint->movePlayerToPosition);
    EXPECT_EQ(player.restartPosition, player.respawnPosition);

    camera.hasCheckpoint = 0;
    player.respawnPosition = player.restartPosition = Ogre::Vector3(1.0f, 2.0f, 3.0f);
    Trigger* quiet = place(4, 0, inView());
    quiet->isSaveCameraPosition = false;
    quiet->update(frame);
    EXPECT_EQ(quiet->status, 3u);
    EXPECT_FALSE(camera.hasCheckpoint);
    EXPECT_EQ(player.respawnPosition, Ogre::Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(player.restartPosition, Ogre::Vector3(1.0f, 2.0f, 3.0f));
}

TEST_F(TriggerEffectsTest, WeaponSetOnLinkedWaves)
{
    Wave& wave = addWave(2);
    for (int i = 0; i < 2; ++i) {
        wave.members.push_back(new Enemy());
        wave.members.back()->weaponSets.resize(3);
    }
    Trigger* trigger = place(13, 0, inView());
    trigger->weaponSet = 2;
    trigger->linkedFrom = {&wave};
    trigger->update(frame);
    EXPECT_EQ(trigger->status, 3u) << "a weapon set ends at once";
    for (const Enemy* enemy : wave.members)
        EXPECT_EQ(enemy->currentWeaponSet, 2);
    EXPECT_EQ(wave.status, 2u) << "the wave is neither started nor stopped";
}

TEST_F(TriggerEffectsTest, WeaponSetOnThePlayerFollowsTheLockAndTheFocus)
{
    struct Case {
        int weaponSet;
        bool isLocked;
        bool isFocusMode;
        int focusWeaponSet;
        float baseLevel;
        int level;
        const char* what;
    };
    player.weaponSets.resize(3);
    for (const Case& c : {Case{2, false, false, 1, 2.0f, 2, "free"},
                          Case{3, false, false, -1, 0.0f, 0, "no such set"},
                          Case{1, true, false, -1, 1.0f, 0, "locked: the value only"},
                          Case{2, false, true, 1, 2.0f, 0, "focus mode with a focus set"},
                          Case{2, false, true, -1, 2.0f, 2, "focus mode without a focus set"}}) {
        game.weaponLevel = 0;
        game.baseWeaponLevel = 0.0f;
        game.isWeaponChangeLocked = c.isLocked;
        player.isFocusMode = c.isFocusMode;
        player.focusWeaponSet = c.focusWeaponSet;
        Trigger* trigger = place(13, 0, inView());
        trigger->weaponSet = c.weaponSet;
        trigger->linkedFrom = {&player};
        trigger->update(frame);
        EXPECT_FLOAT_EQ(game.baseWeaponLevel, c.baseLevel) << c.what;
        EXPECT_EQ(game.weaponLevel, c.level) << c.what;
    }
}

TEST_F(TriggerEffectsTest, PlayerControlSetsTheFlagsAndMovesThePlayer)
{
    player.position = Ogre::Vector3(1.0f, 2.0f, 3.0f);
    Trigger* control = place(16, 0, inView());
    control->isFreezePlayer = control->playerCantShoot = control->isNoSmartBombs = true;
    control->isInvincible = true;
    control->invincibilityDuration = 3.0f;
    control->isMovePlayer = true;
    control->movePlayerToPosition = Ogre::Vector2(0.5f, 0.7f);
    control->movePlayerDuration = 1.5f;
    control->update(frame);
    EXPECT_EQ(control->status, 3u);
    EXPECT_TRUE(player.isFrozen);
    EXPECT_TRUE(player.isNoShooting);
    EXPECT_TRUE(player.isNoSmartBomb);
    EXPECT_FLOAT_EQ(player.invincibilityTime, 3.0f);
    EXPECT_TRUE(player.isBeingMoved);
    EXPECT_FLOAT_EQ(player.moveDuration, 1.5f);
    EXPECT_FLOAT_EQ(player.moveTimer, 1.5f);
    EXPECT_EQ(player.moveStart, Ogre::Vector3(1.0f, 2.0f, 3.0f));
    expectSeenOnPlayPlane(player.moveTarget, control->movePlayerToPosition);

    const Ogre::Vector3 target = player.moveTarget;
    player.isBeingMoved = false;
    Trigger* release = place(16, 0, inView());
    release->update(frame);
    EXPECT_EQ(release->status, 3u);
    EXPECT_FALSE(player.isFrozen);
    EXPECT_FALSE(player.isNoShooting);
    EXPECT_FALSE(player.isNoSmartBomb);
    EXPECT_FLOAT_EQ(player.invincibilityTime, 3.0f) << "without invincibility the time is left";
    EXPECT_FALSE(player.isBeingMoved);
    EXPECT_EQ(player.moveTarget, target);
}

TEST_F(TriggerEffectsTest, SmartBombGoesThroughThePlayState)
{
    game.smartBombDuration = 2.5;
    game.smartBombCoolDownDuration = 4.0f;
    Trigger* bomb = place(10, 0, inView());
    bomb->isCancelling = true;
    bomb->smartBombPower = 50;
    bomb->isExplosion = false;
    bomb->status = 2;
    bomb->activate();
    EXPECT_EQ(bomb->status, 4u);
    EXPECT_FLOAT_EQ(game.smartBombTime, 2.5f);
    EXPECT_EQ(game.bombDamage, 50);
    EXPECT_TRUE(game.isBombCancelling);
    EXPECT_FALSE(game.isBombEffect);
    EXPECT_FLOAT_EQ(game.smartBombCoolDown, 0.0f) << "a trigger's bomb clears the cool-down";
}

TEST_F(TriggerEffectsTest, ScoreOnlyWhenPositive)
{
    game.multiplier = 1.0;
    for (std::int64_t score : {250, 0, -40}) {
        game.totalScore = 1000;
        Trigger* reward = place(12, 0, inView());
        reward->itemScore = score;
        reward->update(frame);
        EXPECT_EQ(reward->status, 3u);
        EXPECT_EQ(game.totalScore, 1000 + std::max<std::int64_t>(score, 0)) << score;
    }
}

TEST_F(TriggerEffectsTest, PlayStateHoldsTriggersAtLevelAndGameEnd)
{
    Trigger* trigger = place(0, 0, inView());
    for (int mode : {8, 13}) {
        game.gameMode = mode;
        state.updateTriggers(frame);
        EXPECT_EQ(trigger->status, 0u) << mode;
    }
    game.gameMode = 7;
    state.updateTriggers(frame);
    EXPECT_EQ(trigger->status, 2u);
}
