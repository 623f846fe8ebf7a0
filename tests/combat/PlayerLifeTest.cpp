// The sample fighter's life in a real Bullet world, without a window: made
// from the players library as play makes it, its intro, shooting from the
// level's player pool, a scrape along the scenery, a hit and its blinking,
// the off-screen rule, two deaths, a respawn and a continue, each frame run
// as the play state runs it. Sounds go to the null output.
#include "combat/PlayerScene.h"
#include "combat/SceneryBox.h"

#include "app/AudioService.h"
#include "app/AudioState.h"
#include "combat/Weapon.h"
#include "combat/bullet.h"
#include "combat/rotor.h"
#include "data/SampleArchive.h"
#include "support/LogCapture.h"
#include "support/SoundFiles.h"
#include "support/TempFolder.h"

#include <OgreEntity.h>
#include <OgreMesh.h>
#include <OgreSceneNode.h>
#include <OgreSubEntity.h>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace {

// Exact binary steps: the intro's end falls on a known frame.
constexpr double lifeStep = 1.0 / 64.0;
constexpr int modePlaying = 1;
constexpr int modeDying = 2;
constexpr int modeContinue = 7;
// The frames of the half second a ship may spend off screen.
constexpr int offScreenGraceFrames = 32;
// What a level's "player" element gives: the play position on the camera rig.
const Ogre::Vector3 playPosition(0.0f, -76.0f, 18.0f);


class ShipLife : public ::testing::Test {
protected:
    ShipLife()
    {
        // The sample game's libraries, its crosshair and its sound banks.
        for (const char* library : {"gamebox.players", "gamebox.weapons", "gamebox.bullets"})
            libraries.write(library, sampleArchiveText("game.tzn", library));
        ResourceGroupScope::addFolder(libraries.path(), "GAMERSC");
        crosshair.write("gui_waypoint.mesh", sampleArchiveText("data.tzn", "gui_waypoint.mesh"));
        ResourceGroupScope::addFolder(crosshair.path(), "Media");
        // The scene's first ship looked for the crosshair before it was there.
        game.resourceAvailability.clear();
        game.gameFolder = game.programFolder = ZARNITH_GAME_DIR;
        game.loadGameboxes();
        game.buildToybox();
        soundtest::useSilentSoundOutput();
        initSound();
        setSoundMilliseconds([this] { return now; });
        scene.level.create(scene.world.scene);
        scene.level.resetShotPools();

        game.gameMode = modePlaying;
        game.weaponLevel = 0;
        game.baseWeaponLevel = 0.0f;
        game.isSoundOn = true;
        game.maxEnergy = game.currentLife = 3;
        game.currentLives = 2;
        game.currentContinues = 1;
        ship.pos = playPosition;
    }
    ~ShipLife() override
    {
        scene.level.destroy();
        shutdownSound();
        setSoundMilliseconds({});
        game.clearLibraries();
        // What the Game's defaults do not put back.
        game.baseWeaponLevel = 0.0f;
        game.shootHeld.fill(false);
        game.heldShootButtons.clear();
        game.playClock = 0.0f;
        game.isPlayerOffScreenAllowed = false;
        game.gameFolder.clear();
        game.programFolder.clear();
    }

    // One frame as the play state runs it: the scenery mark cleared, the
    // state step, the body moved with the ship, the world stepped, the ship
    // moved with its body and its contacts taken, one shooting step, then the
    // scene brought up to date as drawing it would. The sound clock runs a
    // second a frame, so that no play is swallowed as a repeat.
    void playFrame()
    {
        now += 1000;
        game.playClock += static_cast<float>(lifeStep);
        ship.isTouched = false;
        ship.previousPosition = ship.sceneNode->_getDerivedPosition();
        ship.updateState(lifeStep);
        ship.syncPhysicsTransform();
        scene.physics.stepSimulation(lifeStep, 1, lifeStep);
        ship.syncFromPhysics();
        ship.checkPhysicsContacts(lifeStep);
        ship.shoot(lifeStep);
        scene.world.updateTransforms();
        for (const std::string& sound : {ship.collisionSound, ship.collisionBulletsSound})
            if (audio().antiRepeat.count(sound) && audio().antiRepeat.at(sound) == now)
                ++plays[sound];
    }
    void playFor(double seconds)
    {
        for (double done = 0.0; done < seconds; done += lifeStep)
            playFrame();
    }
    // Frames until the status changes from `status`; the number of frames run.
    int playWhile(std::uint32_t status, int limit = 1000)
    {
        int frames = 0;
        while (ship.status == status && frames < limit) {
            playFrame();
            ++frames;
        }
        return frames;
    }

    Ogre::Vector3 where() const { return ship.sceneNode->_getDerivedPosition(); }
    Ogre::Vector3 onRig(const Ogre::Vector3& local) const { return local + scene.rigPosition(); }
    int activation() const { return ship.body->getActivationState(); }
    Ogre::Vector4 tint() const { return ship.meshEntity->getSubEntity(0)->getCustomParameter(1); }

    PlayerScene scene{{"plane1U.mesh", "interro.mesh", "shipFalcon.mesh", "rotorBlade.mesh", "rotorFan.mesh"}};
    TempFolder libraries;
    TempFolder crosshair;
    Game& game = scene.game;
    Player& ship = scene.player;
    std::uint64_t now = 0;
    std::map<std::string, int> plays;
    LogCapture log;
};

TEST_F(ShipLife, TheFighterFliesInScrapesTheSceneryIsHitDiesTwiceAndComesBackBetween)
{
    // Made as a level start makes it.
    ship.createSceneNodes(scene.world.scene);
    game.createPlayer("PlayerDefault01");
    ASSERT_TRUE(ship.meshEntity && ship.body && ship.aimEntity);
    EXPECT_EQ(ship.meshEntity->getMesh()->getName(), "shipFalcon.mesh");
    ASSERT_EQ(ship.rotors.size(), 2u);
    EXPECT_TRUE(ship.rotors[0]->node && ship.rotors[1]->node);
    EXPECT_EQ(activation(), DISABLE_SIMULATION);
    ASSERT_FALSE(ship.weaponSets.empty());
    Weapon& gun = *ship.weaponSets[0].at(0);
    EXPECT_EQ(gun.name, "Gun_Single");

    // The intro flies the ship in from far behind its play position and
    // ends on the frame its time is up, exactly there, the body in the world.
    ship.respawn(true);
    EXPECT_EQ(ship.status, Player::statusIntro);
    playFrame();
    EXPECT_NEAR(where().distance(onRig(playPosition)), ship.introDistance, 0.1f);
    const int introFrames = 1 + playWhile(Player::statusIntro);
    EXPECT_EQ(introFrames, static_cast<int>(std::ceil(ship.introDuration / lifeStep)));
    EXPECT_EQ(ship.status, Player::statusPlaying);
    EXPECT_TRUE(where().positionEquals(onRig(playPosition), 1e-3f)) << where();
    EXPECT_EQ(activation(), DISABLE_DEACTIVATION);
    EXPECT_TRUE(ship.aimEntity->isVisible());

    // Its start invincibility blinks, then wears off.
    EXPECT_TRUE(ship.isBlinking);
    playFor(ship.introInvincibleTime);
    EXPECT_FALSE(ship.isBlinking);
    EXPECT_EQ(tint(), Ogre::Vector4::ZERO);
    EXPECT_TRUE(ship.isOnScreen);

    // A held button fires the gun of the first set from the player pool.
    game.shootHeld[static_cast<std::size_t>(gun.button)] = true;
    playFor(0.5);
    ASSERT_FALSE(scene.level.livePlayerBullets.empty());
    EXPECT_EQ(scene.level.livePlayerBullets.front(), static_cast<std::int32_t>(Game::playerBulletCount) - 1);
    for (std::int32_t index : scene.level.livePlayerBullets)
        EXPECT_LT(game.playerBullets[static_cast<std::size_t>(index)]->worldPosition().z, where().z)
            << "fired ahead";
    EXPECT_TRUE(scene.level.liveEnemyBullets.empty());
    game.shootHeld.fill(false);

    // A wall beside the right wing: the ship meets it, the scrape sounds
    // once over several frames, and the contact hits the ship once.
    {
        SceneryBox wall(scene.physics, where() + Ogre::Vector3(3.5f, 0.0f, 0.0f), 1.5f);
        for (int i = 0; i < 4; ++i) {
            playFrame();
            EXPECT_TRUE(ship.isTouched && ship.isInContact) << "frame " << i;
        }
    }
    EXPECT_EQ(plays[ship.collisionSound], 1);
    EXPECT_EQ(plays[ship.collisionBulletsSound], 1);
    EXPECT_EQ(game.currentLife, 2);
    // The hit shows the invincible colour on the mesh, then blinks it.
    EXPECT_TRUE(ship.isBlinking);
    const Ogre::ColourValue& invincible = game.playerInvincibleColor;
    std::set<float> blinkAlphas;
    for (int i = 0; i < 8; ++i) {
        playFrame();
        EXPECT_EQ(Ogre::Vector3(tint().x, tint().y, tint().z), Ogre::Vector3(invincible.r, invincible.g, invincible.b));
        blinkAlphas.insert(tint().w);
    }
    EXPECT_GT(blinkAlphas.size(), 4u);
    playFor(ship.invicibilityTimeWhenHit);
    EXPECT_EQ(tint(), Ogre::Vector4::ZERO);

    // Off screen: a game that allows it keeps the ship; otherwise the frame
    // that takes it past half a second off screen destroys it.
    const Ogre::Vector3 onScreen = where();
    const Ogre::Vector3 offScreen = onScreen + Ogre::Vector3(500.0f, 0.0f, 0.0f);
    ship.sceneNode->_setDerivedPosition(offScreen);
    game.isPlayerOffScreenAllowed = true;
    playFor(1.0);
    EXPECT_EQ(ship.status, Player::statusPlaying);
    EXPECT_FALSE(ship.isOnScreen);
    ship.sceneNode->_setDerivedPosition(onScreen);
    playFrame();
    EXPECT_EQ(ship.offScreenTime, 0.0f);
    game.isPlayerOffScreenAllowed = false;
    ship.sceneNode->_setDerivedPosition(offScreen);
    // The player keeps the fire button down through the death.
    game.shootHeld[static_cast<std::size_t>(gun.button)] = true;
    EXPECT_EQ(playWhile(Player::statusPlaying), offScreenGraceFrames + 1);
    EXPECT_EQ(ship.status, Player::statusDying);
    EXPECT_EQ(game.currentLife, 0);

    // The death: crosshair hidden, the body still in the world, the ship
    // shrinking to nothing, then a life lost and the play flow told to wait.
    playFrame();
    EXPECT_FALSE(ship.aimEntity->isVisible());
    EXPECT_EQ(activation(), DISABLE_DEACTIVATION);
    float smallest = ship.scale.x;
    while (ship.status == Player::statusDying) {
        smallest = std::min(smallest, ship.sceneNode->getScale().x);
        playFrame();
    }
    EXPECT_GT(smallest, 0.0f);
    EXPECT_LT(smallest, ship.scale.x);
    EXPECT_EQ(ship.sceneNode->getScale(), Ogre::Vector3::ZERO);
    EXPECT_EQ(ship.status, Player::statusWaiting);
    EXPECT_EQ(game.gameMode, modeDying);
    EXPECT_EQ(game.currentLives, 1);
    EXPECT_FALSE(ship.meshEntity->isInScene());
    EXPECT_NE(gun.cycleState, Weapon::cycleWaiting) << "fired on through the death";
    game.shootHeld.fill(false);

    // Back for the next life: shown, at full size, its intro to fly, the
    // body out of the world again and the gun's cycle from the start.
    ship.respawn(true);
    EXPECT_TRUE(ship.meshEntity->isInScene());
    EXPECT_EQ(ship.status, Player::statusIntro);
    EXPECT_EQ(activation(), DISABLE_SIMULATION);
    EXPECT_EQ(ship.sceneNode->getScale(), ship.scale);
    EXPECT_EQ(gun.cycleState, Weapon::cycleWaiting);
    EXPECT_EQ(gun.cycleTime, 0.0);
    game.gameMode = modePlaying;
    playWhile(Player::statusIntro);
    EXPECT_EQ(activation(), DISABLE_DEACTIVATION);
    playFor(ship.introInvincibleTime);

    // The last life lost offers a continue.
    ship.sceneNode->_setDerivedPosition(offScreen);
    playWhile(Player::statusPlaying, 2 * offScreenGraceFrames);
    EXPECT_EQ(ship.status, Player::statusDying);
    playWhile(Player::statusDying);
    EXPECT_EQ(ship.status, Player::statusOut);
    EXPECT_EQ(game.gameMode, modeContinue);
    EXPECT_EQ(game.currentLives, 0);
    EXPECT_FALSE(ship.meshEntity->isVisible());
    // A continue taken brings the whole ship back, rotors and all.
    ship.respawn(true);
    EXPECT_TRUE(ship.meshEntity->isVisible());
    for (const rotor* part : ship.rotors)
        EXPECT_TRUE(part->entity->isVisible()) << part->meshName;
    // Materials and textures need a render system; the ship's meshes do not.
    EXPECT_FALSE(log.containsPrefix("[ERROR] can't find player mesh"));
    EXPECT_FALSE(log.containsPrefix("[ERROR] can't find rotor mesh"));
    EXPECT_FALSE(log.containsPrefix("[ERROR] can't find crosshair mesh"));
}

} // namespace
