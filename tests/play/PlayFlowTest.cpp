// The play flow by game mode: one frame of it from each mode, the shots a
// mode change ends, the return to a checkpoint, and many level resets that
// hand no shot record out twice.
#include "combat/ShotFlightScene.h"

#include "combat/Enemy.h"
#include "combat/Player.h"
#include "combat/Wave.h"
#include "combat/Weapon.h"
#include "core/GameMode.h"
#include "play/playState.h"
#include "world/GameCamera.h"
#include "world/Obb.h"
#include "world/Trigger.h"
#include "world/TriggerKinds.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <set>

namespace {

class PlayFlow : public ::testing::Test {
protected:
    PlayFlow()
    {
        scene.level.create(scene.world.scene);
        scene.level.resetShotPools();
        game.player = &player;
    }
    ~PlayFlow() override { game.player = nullptr; }

    // A straight shot; not cancellable when asked.
    bullet* fire(bool isPlayerPool, bool isCancellable = true)
    {
        bullet* shot = scene.level.takeBullet(isPlayerPool);
        shot->timeToLive = 10.0;
        shot->changeDirectionType = 1;
        ShotFlightScene::launch(*shot, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z, 10.0f);
        shot->isCancellable = isCancellable;
        return shot;
    }

    // The mode after a frame of play and `frames` frames from `mode` on: the
    // level's end as its trigger brings it, other modes as the Game is asked.
    int frameFrom(int mode, int frames = 1, bool showMessage = true, bool showScores = true)
    {
        game.setGameState(gameModePlaying);
        state.updatePlayFlow(frameSeconds);
        if (mode == gameModeLevelComplete) {
            Trigger end("TriggerEnd");
            end.type = triggerEndOfLevel;
            end.isEndOfLevelShowMessage = showMessage;
            end.isEndOfLevelShowScoreScreen = showScores;
            end.activate();
        } else if (mode == gameModeRespawn) {
            // The ship lost a life: the flow times the dying and asks for the respawn.
            game.setGameState(gameModePlayerDying);
            while (game.gameMode == gameModePlayerDying)
                state.updatePlayFlow(frameSeconds);
        } else {
            game.setGameState(mode);
        }
        for (int frame = 0; frame < frames; ++frame)
            state.updatePlayFlow(frameSeconds);
        return game.gameMode;
    }

    static constexpr double frameSeconds = 0.25;

    ShotFlightScene scene;
    Game& game = scene.game;
    Player player;
    playState state;
};

TEST_F(PlayFlow, OneFrameFromEachMode)
{
    struct Case {
        int mode;
        int frames;
        bool showMessage;
        bool showScores;
        int expected;
    };
    const Case cases[] = {
        {gameModePlaying, 1, false, false, gameModePlaying},
        // Dying lasts the player's timeBeforeRestart (1 s), counted by frames.
        {gameModePlayerDying, 4, false, false, gameModePlayerDying},
        {gameModePlayerDying, 5, false, false, gameModeRespawn},
        // The player comes back in the very frame that sees the mode.
        {gameModeRespawn, 1, false, false, gameModePlaying},
        {gameModeContinueAccepted, 1, false, false, gameModePlaying},
        // The message screen chooses the next mode itself.
        {gameModeLevelComplete, 1, true, true, gameModeLevelComplete},
        {gameModeLevelComplete, 1, false, true, gameModeLevelScores},
        {gameModeLevelComplete, 1, false, false, gameModeNextLevel},
        {gameModeGameOver, 1, false, false, gameModeGameOver},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        game.enemyFirePause = 0.0f;
        game.fadeState = 0;
        EXPECT_EQ(frameFrom(c.mode, c.frames, c.showMessage, c.showScores), c.expected);
        if (c.mode == gameModeRespawn || c.mode == gameModeContinueAccepted) {
            EXPECT_EQ(game.enemyFirePause, player.timeBeforeEnemiesCanShoot);
        }
        if (c.expected == gameModeNextLevel) {
            EXPECT_NE(game.fadeState, 0); // out, or done at once without the fade overlay
        }
    }
}

TEST_F(PlayFlow, TheEndOfPlayEndsEveryShotOnceAndStopsTheCountUp)
{
    bullet* armoured = fire(false, false);
    bullet* plain = fire(false);
    bullet* own = fire(true);
    game.totalScore = 12345;
    game.displayedScore = 100;
    game.setGameState(gameModeGameOver);
    state.updatePlayFlow(0.25);
    EXPECT_EQ(armoured->state, bullet::stateDying);
    EXPECT_EQ(plain->state, bullet::stateDying);
    EXPECT_EQ(own->state, bullet::stateDying);
    EXPECT_EQ(game.displayedScore, 12345);

    // A later frame in the same mode does nothing more.
    game.displayedScore = 7;
    bullet* late = fire(false);
    state.updatePlayFlow(0.25);
    EXPECT_EQ(late->state, bullet::stateFlying);
    EXPECT_EQ(game.displayedScore, 7);
}

// A gun caught half way through a salvo at the end of play starts its next
// cycle afresh; the score the end screens show is kept.
TEST_F(PlayFlow, TheEndOfALevelOrOfTheGameKeepsTheScoreAndEndsEveryEnemyGunsCycle)
{
    Wave wave("Wave1");
    wave.members = {new Enemy};
    Weapon* gun = new Weapon();
    wave.members.front()->weaponSets = {{gun}};
    state.waves = {&wave};
    game.isEndOfLevelShowScoreScreen = true;
    for (const int mode : {gameModeLevelComplete, gameModeGameCompleted}) {
        SCOPED_TRACE(mode);
        gun->cycleState = gun->cycleWaiting + 1;
        gun->shotsFired = 3;
        game.totalScore = 4321;
        game.endScore = 0;
        Player ship; // each level flies a ship of its own
        game.player = &ship;
        game.isWeaponResetRequested = true;
        frameFrom(mode);
        EXPECT_EQ(gun->cycleState, gun->cycleWaiting);
        EXPECT_EQ(game.endScore, 4321);
        EXPECT_TRUE(ship.isLevelEnded);
        EXPECT_EQ(game.isWeaponResetRequested, mode == gameModeGameCompleted);
    }
    game.player = &player;
    state.waves.clear();
}

TEST_F(PlayFlow, ARespawnSparesTheShotsThatCannotBeCancelled)
{
    bullet* armoured = fire(false, false);
    bullet* plain = fire(false);
    bullet* own = fire(true);
    frameFrom(gameModeRespawn);
    EXPECT_EQ(armoured->state, bullet::stateFlying);
    EXPECT_EQ(plain->state, bullet::stateDying);
    EXPECT_EQ(own->state, bullet::stateDying);

    player.isRestartCancelBullets = 0;
    bullet* kept = fire(false);
    frameFrom(gameModeRespawn);
    EXPECT_EQ(kept->state, bullet::stateFlying);
}

TEST_F(PlayFlow, ARespawnReturnsToTheCheckpointAsTheGameAsks)
{
    GameCamera camera;
    camera.headNode = scene.world.scene->getRootSceneNode()->createChildSceneNode();
    state.camera = &camera;
    // On screen, on screen but all armour, off screen.
    Wave wave("Wave1");
    wave.members = {new Enemy, new Enemy, new Enemy};
    wave.status = Wave::statusRunning;
    for (Enemy* member : wave.members) {
        member->status = Enemy::statusAlive;
        member->isOutsideInvincibilityLimits = 0;
        member->outlines.push_back(new Obb());
    }
    Enemy& seen = *wave.members[0];
    Enemy& armoured = *wave.members[1];
    const Enemy& unseen = *wave.members[2];
    seen.isOnScreen = armoured.isOnScreen = true;
    armoured.isAllOutlinesInvincible = 1;
    state.waves = {&wave};
    const Ogre::Vector3 checkpoint(5.0f, 0.0f, 7.0f);

    struct Case {
        int mode;
        bool onlyWithContinue;
        bool killEnemies;
        bool taken;
    };
    const Case cases[] = {
        {gameModeRespawn, false, false, true},
        // Without a continue the game may keep the enemies and the camera.
        {gameModeRespawn, true, true, false},
        {gameModeContinueAccepted, true, true, true},
        {gameModeContinueAccepted, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.onlyWithContinue << " " << c.killEnemies);
        for (Enemy* member : wave.members)
            member->currentLife = 10;
        camera.hasCheckpoint = 1;
        camera.checkpointHeadPosition = checkpoint;
        camera.headNode->setPosition(Ogre::Vector3::ZERO);
        camera.shakeTime = 2.0f;
        game.checkPointOnlyWithContinue = c.onlyWithContinue;
        game.checkPointKillEnemies = c.killEnemies;
        EXPECT_EQ(frameFrom(c.mode), gameModePlaying);
        EXPECT_EQ(camera.shakeTime, 0.0f);
        EXPECT_EQ(camera.headNode->getPosition() == checkpoint, c.taken);
        EXPECT_EQ(seen.currentLife, c.taken && c.killEnemies ? 0 : 10);
        EXPECT_EQ(armoured.currentLife, 10);
        EXPECT_EQ(unseen.currentLife, 10);
    }
    state.waves.clear();
    state.camera = nullptr;
}

TEST_F(PlayFlow, ManyResetsHandNoShotRecordOutTwice)
{
    for (int round = 0; round < 40; ++round) {
        for (int i = 0; i < 200; ++i)
            fire(i % 4 == 0, i % 5 != 0);
        // Some die of themselves, some are cut short by the reset.
        for (int i = 0; i < 3; ++i) {
            state.updateEnemyBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
            state.updatePlayerBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
        }
        player.respawnPosition = Ogre::Vector3(1.0f, 0.0f, 2.0f);
        state.resetLevelState(false);
        for (int i = 0; i < 20; ++i) {
            state.updateEnemyBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
            state.updatePlayerBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
        }
        const auto& enemyFree = scene.level.freeEnemyBullets;
        ASSERT_EQ(enemyFree.size(), 8000u);
        ASSERT_EQ(std::set<std::int32_t>(enemyFree.begin(), enemyFree.end()).size(), 8000u);
        ASSERT_EQ(scene.level.freePlayerBullets.size(), 3000u);
        // A checkpoint passed before no longer places the ship.
        ASSERT_EQ(player.respawnPosition, player.pos);
    }
    std::set<const bullet*> handedOut;
    while (const bullet* record = scene.level.takeBullet(false))
        ASSERT_TRUE(handedOut.insert(record).second);
    EXPECT_EQ(handedOut.size(), 8000u);
}

} // namespace
