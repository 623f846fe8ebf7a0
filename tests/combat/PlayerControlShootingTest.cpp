// The ship's shooting step, lock-on, focus mode, the gauge, and the
// triggers' switch that silences the guns.
#include "combat/PlayerControlScene.h"

#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "combat/Enemy.h"
#include "combat/bullet.h"
#include "support/FrameStep.h"
#include "support/SoundFiles.h"
#include "world/Obb.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

} // namespace

TEST(PlayerControlShooting, GunsFireByTheMostRecentHeldButtonAndTheGameSwitches)
{
    PlayerControlScene scene;
    Game& game = scene.game;
    Player& ship = scene.player;
    game.lockButton = 3;
    // a on 0; b and c both on 1; l is lock-on (own button 5); e on button 8.
    Weapon* guns[] = {&scene.addGun(0, 0), &scene.addGun(0, 1), &scene.addGun(0, 1), &scene.addGun(0, 5, true),
                      &scene.addGun(0, 8)};
    const char names[] = "abcle";

    struct Step {
        std::vector<int> held;
        std::function<void()> setUp;
        std::vector<std::int32_t> expectedList;
        std::string expectedFiring;
    };
    const std::function<void()> none = [] {};
    const Step steps[] = {
        {{0}, none, {0}, "a"},
        {{0, 1}, none, {0, 1, 1}, "bc"},
        {{0, 1}, [&] { game.isCanPressSeveralButtonsForWeapons = true; }, {0, 1, 1}, "abc"},
        // Released: one of the two entries goes per step; the guns on 1 still fire.
        {{0}, [&] { game.isCanPressSeveralButtonsForWeapons = false; }, {0, 1}, "bc"},
        {{0}, none, {0}, "a"},
        {{0, 5}, none, {0, 5}, ""},
        {{0, 3}, none, {0, 3}, "l"},
        {{0}, [&] { game.button8Held = true; }, {0}, "a"},
        {{0}, [&] { ship.type = Player::rotationButton8Fires; }, {0}, "ae"},
        {{}, [&] { game.isGaugeActive = game.isGaugeWeaponOverride = true; }, {}, "abcle"},
        {{2}, [&] { ship.isNoShooting = true; }, {}, ""},
        {{2}, [&] {
             ship.isNoShooting = false;
             game.gameMode = 2;
         }, {}, ""},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const Step& step = steps[i];
        game.shootHeld.fill(false);
        for (int button : step.held)
            game.shootHeld[static_cast<std::size_t>(button)] = true;
        step.setUp();
        for (Weapon* gun : guns)
            gun->isFiring = 0;
        ship.shoot(frame);
        std::string firing;
        for (std::size_t g = 0; g < std::size(guns); ++g)
            if (guns[g]->isFiring)
                firing += names[g];
        EXPECT_EQ(game.heldShootButtons, step.expectedList) << "step " << i;
        EXPECT_EQ(firing, step.expectedFiring) << "step " << i;
    }

    // The guns aim along the ship's forward axis.
    ship.orient = Ogre::Vector3(0.0f, 90.0f, 0.0f);
    ship.applyStartOrientation();
    game.gameMode = 1;
    ship.shoot(frame);
    EXPECT_TRUE(guns[0]->aimDirection.positionEquals(Ogre::Vector3::NEGATIVE_UNIT_X, 1e-5f));
}

TEST(PlayerControlShooting, FocusSlowsTheShipAndSwitchesTheSetUnlessTheGaugeRuns)
{
    PlayerControlScene scene;
    Game& game = scene.game;
    Player& ship = scene.player;
    scene.addGun(0, 0);
    scene.addGun(1, 0);
    ship.isFocus = 1;
    ship.focusButton = 2;
    ship.focusPlayerSpeed = 10;
    ship.focusWeaponSet = 1;
    ship.currentSpeed = 30.7f;

    game.shootHeld[2] = true;
    ship.updateFocus(frame);
    EXPECT_TRUE(ship.isFocusMode);
    EXPECT_FLOAT_EQ(ship.currentSpeed, 10.0f);
    EXPECT_EQ(ship.integerSpeed, 30);
    EXPECT_EQ(game.weaponLevel, 1);
    game.shootHeld[2] = false;
    ship.updateFocus(frame);
    EXPECT_FALSE(ship.isFocusMode);
    EXPECT_FLOAT_EQ(ship.currentSpeed, 30.0f);
    EXPECT_EQ(game.weaponLevel, 0);

    // While the gauge weapon runs, focus keeps its set.
    game.isGaugeActive = true;
    game.gaugeValue = 50.0f;
    game.gaugeDrainSpeed = 0.0f;
    game.shootHeld[2] = true;
    ship.updateFocus(frame);
    EXPECT_TRUE(ship.isFocusMode);
    EXPECT_FLOAT_EQ(ship.currentSpeed, 10.0f);
    EXPECT_EQ(game.weaponLevel, 0);
}

TEST(PlayerControlShooting, AFullGaugeIsReleasedByItsButtonAndDrainsBackToTheBaseSet)
{
    PlayerControlScene scene;
    Game& game = scene.game;
    Player& ship = scene.player;
    scene.addGun(0, 0);
    scene.addGun(1, 0);
    game.isGauge = game.isGaugeReady = true;
    game.maxGauge = game.gaugeValue = 100.0f;
    game.gaugeDrainSpeed = 60.0f;
    game.gaugeButtonNumber = 2;
    game.gaugeInvincibleTime = 2.0;

    ship.updateFocus(frame);
    EXPECT_FALSE(game.isGaugeActive) << "not released without its button";
    game.shootPressed[2] = true;
    ship.updateFocus(0.5);
    EXPECT_TRUE(game.isGaugeActive);
    EXPECT_FLOAT_EQ(game.gaugeValue, 70.0f);
    EXPECT_FLOAT_EQ(scene.level.gaugeFill, 0.7f);
    EXPECT_FLOAT_EQ(ship.invincibilityTime, 2.0f);

    game.weaponLevel = 1; // the gauge weapon's set
    ship.updateFocus(1.5);
    EXPECT_FALSE(game.isGaugeActive);
    EXPECT_EQ(game.gaugeValue, 0.0f);
    EXPECT_EQ(scene.level.gaugeFill, 0.0f);
    EXPECT_EQ(game.weaponLevel, 0);
}

TEST(PlayerControlShooting, SilencedGunsPauseAndMuteTheirLoopAndLeaveTheSceneUntilShootingReturns)
{
    soundtest::useSilentSoundOutput();
    AudioTestGame testGame;
    initSound();
    {
        PlayerControlScene scene;
        Player& ship = scene.player;
        Weapon& gun = scene.addGun(0, 0);
        gun.shot = "beep.wav";
        gun.shotSound_Volume = 0.6f;
        gun.loadSounds();
        gun.startLaserSound();
        ASSERT_TRUE(gun.shotChannel.isPlaying());

        ship.setShootingDisabled(true);
        EXPECT_TRUE(gun.shotChannel.getPaused());
        EXPECT_EQ(gun.shotChannel.getVolume(), 0.0f);
        EXPECT_FALSE(gun.isLaserSoundPlaying);
        ship.updateFocus(frame);
        EXPECT_EQ(gun.sceneNode->getParent(), nullptr);

        ship.setShootingDisabled(false);
        EXPECT_FLOAT_EQ(gun.shotChannel.getVolume(), 0.6f);
        EXPECT_EQ(gun.sceneNode->getParent(), ship.canonNode);
    }
    shutdownSound();
}

TEST(PlayerControlShooting, ALockOnGunFiresOneHomingShotAtEachLockedEnemyNearestFirst)
{
    soundtest::useSilentSoundOutput();
    AudioTestGame testGame;
    initSound();
    std::uint64_t now = 0;
    setSoundMilliseconds([&now] { return now; });
    {
        PlayerControlScene scene;
        Game& game = scene.game;
        Player& ship = scene.player;
        scene.level.create(scene.world.scene);
        scene.level.resetShotPools();
        ship.level = &scene.level;
        Kept<int> lockMax{game.lockMax};
        Kept<int> lockMaxPerEnemy{game.lockMaxPerEnemy};
        Kept<std::string> lockSound{game.lockSoundName};
        Kept<std::string> fullSound{game.lockMaxSoundName};
        game.lockButton = 2;
        game.lockMax = 5;
        game.lockMaxPerEnemy = 2;
        game.lockSoundName = "click.ogg";
        game.lockMaxSoundName = "beep.wav";
        for (const std::string* sound : {&game.lockSoundName, &game.lockMaxSoundName})
            loadSound(*sound, true, false, false, false);
        Weapon& gun = scene.addGun(0, 0, true);
        gun.TimeBetweenShoots = 0.0f;
        gun.reset();

        // On screen, nearest first: near, middle, far; a hidden one and a
        // dead one that cannot be locked.
        const Ogre::Vector3 at = ship.sceneNode->_getDerivedPosition();
        const float distances[] = {10.0f, 3.0f, 20.0f, 1.0f, 2.0f};
        std::vector<std::unique_ptr<Enemy>> enemies;
        for (float distance : distances) {
            auto& enemy = *enemies.emplace_back(std::make_unique<Enemy>());
            enemy.status = Enemy::statusAlive;
            enemy.sceneNode = scene.world.addNode(at + Ogre::Vector3(distance, 0.0f, -distance));
            enemy.outlines.push_back(new Obb);
        }
        enemies[3]->isHidden = 1;
        enemies[4]->status = Enemy::statusDying;
        const Enemy* near = enemies[1].get();
        const Enemy* middle = enemies[0].get();
        const Enemy* far = enemies[2].get();
        scene.world.updateTransforms();

        const auto press = [&](int frames) {
            game.shootHeld.fill(false);
            game.shootHeld[2] = true;
            for (int i = 0; i < frames; ++i, now += 20)
                ship.shoot(frame);
            game.shootHeld.fill(false);
            ship.shoot(frame);
        };
        const auto lockedTargets = [&] {
            std::vector<const entity*> targets;
            for (std::int32_t index : scene.level.livePlayerBullets) {
                const bullet& shot = *game.playerBullets[static_cast<std::size_t>(index)];
                EXPECT_TRUE(shot.isLockedOn && shot.isHoming);
                targets.push_back(shot.lockTarget);
            }
            return targets;
        };
        const auto lastPlayed = [](const std::string& sound) {
            const auto played = audio().antiRepeat.find(sound);
            return played == audio().antiRepeat.end() ? 0 : played->second;
        };

        // Nothing to lock: the cycle ends without a shot.
        press(30);
        EXPECT_TRUE(scene.level.livePlayerBullets.empty());
        EXPECT_EQ(lastPlayed("click.ogg") + lastPlayed("beep.wav"), 0u);

        // Two locks each on the nearest until the five are taken; one
        // salvo per press, the full-lock sound.
        scene.state.onScreenEnemies.clear();
        for (const auto& enemy : enemies)
            scene.state.onScreenEnemies.push_back(enemy.get());
        now = 1000;
        press(60);
        EXPECT_EQ(lockedTargets(), (std::vector<const entity*>{near, middle, far, near, middle}));
        EXPECT_EQ(lastPlayed("beep.wav"), 1000u);
        EXPECT_EQ(lastPlayed("click.ogg"), 0u);

        // One enemy left: two shots, the lock sound.
        scene.level.resetShotPools();
        scene.state.onScreenEnemies = {enemies[2].get()};
        now = 5000;
        press(60);
        EXPECT_EQ(lockedTargets(), (std::vector<const entity*>{far, far}));
        EXPECT_EQ(lastPlayed("click.ogg"), 5000u);
        scene.state.onScreenEnemies.clear();
        // The pools go with the scene they were made in.
        scene.level.destroy();
    }
    setSoundMilliseconds({});
    shutdownSound();
}
