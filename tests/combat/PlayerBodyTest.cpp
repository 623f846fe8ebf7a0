// The ship's body in a real Bullet world: how it is made, that it meets the
// scenery only once its intro is over, what a lasting contact does, and how
// it follows the ship's scale.
#include "combat/PlayerBodyScene.h"
#include "combat/PlayerControlScene.h"
#include "combat/SceneryBox.h"

#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "support/FrameStep.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr std::uint64_t frameMilliseconds = 1000;

class PlayerBodyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        soundtest::useSilentSoundOutput();
        initSound();
        setSoundMilliseconds([this] { return now; });
        ship.collisionSound = "click.ogg";
        ship.collisionBulletsSound = "shot.wav";
        loadSound(ship.collisionSound, false, false, false, false);
        start = ship.sceneNode->_getDerivedPosition();
        control.game = &game;
        control.player = &ship;
        control.camera = &scene.camera;
        // A ship that flies 10 units a frame, hit by scenery only after a second of contact.
        ship.currentSpeed = 600.0f;
        ship.BgCollisionTimeBeforeHit = 1.0f;
    }
    void TearDown() override
    {
        shutdownSound();
        setSoundMilliseconds({});
    }

    // One frame as the play state runs it: the ship where the last frame
    // left it at `at`, the player step (steered left when asked), the world
    // stepped, the ship and its contacts updated.
    void playFrame(const Ogre::Vector3& at, bool steerLeft = false)
    {
        now += frameMilliseconds;
        ship.sceneNode->_setDerivedPosition(at);
        game.moveLeft = steerLeft ? 1.0f : 0.0f;
        control.updatePlayerControl(frame);
        scene.world.updateTransforms();
        ship.syncPhysicsTransform();
        scene.physics.stepSimulation(frame, 1, frame);
        ship.syncFromPhysics();
        ship.checkPhysicsContacts(frame);
    }
    // When the sound last played, in the sound clock's milliseconds; 0 never.
    static std::uint64_t lastPlayed(const std::string& sound)
    {
        const auto played = audio().antiRepeat.find(sound);
        return played == audio().antiRepeat.end() ? 0 : played->second;
    }

    AudioTestGame sounds;
    PlayerBodyScene scene;
    Player& ship = scene.player;
    Game& game = scene.game;
    playState control;
    Kept<float> moveLeft{game.moveLeft};
    std::uint64_t now = 0;
    Ogre::Vector3 start;
};

TEST_F(PlayerBodyTest, OutOfPlayAtFirstItMeetsTheSceneryAfterItsIntroAndALastingContactSoundsOnce)
{
    ASSERT_NE(ship.body, nullptr);
    EXPECT_EQ(scene.activation(), DISABLE_SIMULATION);
    EXPECT_EQ(ship.body->getBroadphaseHandle()->m_collisionFilterGroup, 2);
    EXPECT_EQ(ship.body->getBroadphaseHandle()->m_collisionFilterMask, 1);
    EXPECT_EQ(ship.body->getLinearFactor(), btVector3(1.0f, 0.0f, 1.0f));
    EXPECT_FLOAT_EQ(ship.body->getLinearDamping(), 1.0f);

    // A wall overlapping the ship's right side.
    SceneryBox wall(scene.physics, start + Ogre::Vector3(1.2f, 0.0f, 0.0f), 1.0f);
    ship.status = Player::statusPlaying;
    game.gameMode = 1;
    game.maxEnergy = 5;
    game.currentLife = 3;
    ship.BgCollisionDamage = 1;
    ship.invincibilityTime = 0.0f;
    for (int i = 0; i < 3; ++i)
        playFrame(start);
    EXPECT_FALSE(ship.isTouched) << "a body out of the simulation meets nothing";
    EXPECT_EQ(lastPlayed("click.ogg"), 0u);

    // What the end of the intro does.
    ship.body->forceActivationState(DISABLE_DEACTIVATION);
    const std::uint64_t firstContact = now + frameMilliseconds;
    for (int i = 0; i < 4; ++i) {
        playFrame(start);
        EXPECT_TRUE(ship.isTouched && ship.isInContact) << "frame " << i;
    }
    EXPECT_EQ(lastPlayed("click.ogg"), firstContact) << "a lasting contact sounds once";
    EXPECT_NEAR(ship.backgroundContactTime, 4 * frame, 1e-6);
    EXPECT_EQ(game.currentLife, 2) << "the blinking after the first hit absorbs the repeats";

    // Steered clear of the wall: the velocity is this frame's move.
    playFrame(start, true);
    EXPECT_FALSE(ship.isTouched || ship.isInContact);
    EXPECT_NEAR(ship.backgroundContactTime, 3.5 * frame, 1e-6);
    EXPECT_TRUE(ship.velocity.positionEquals(Ogre::Vector3(-10.0f, 0.0f, 0.0f), 1e-3f)) << ship.velocity;
    const Ogre::Vector3 clear = ship.sceneNode->_getDerivedPosition();
    playFrame(clear);
    EXPECT_TRUE(ship.velocity.positionEquals(Ogre::Vector3::ZERO, 1e-3f)) << "a still ship " << ship.velocity;
    playFrame(start);
    EXPECT_EQ(lastPlayed("click.ogg"), now) << "a new contact sounds again";
    EXPECT_TRUE(ship.velocity.positionEquals(ship.sceneNode->_getDerivedPosition() - start));

    ship.setLife(0);
    EXPECT_EQ(scene.activation(), DISABLE_SIMULATION);
}

btVector3 capsuleScaling(const Player& ship) { return ship.capsuleShape->getLocalScaling(); }

TEST(PlayerBody, AMirroredShipFlipsItsMeshNodeAndTheCapsuleTakesTheNodesScale)
{
    PlayerBodyScene scene;
    Player& ship = scene.player;
    ship.entityNode->setScale(2.0f, 1.0f, 3.0f);
    ship.symmetry = -1;
    ship.syncScale();
    EXPECT_EQ(ship.entityNode->getScale(), Ogre::Vector3(2.0f, -1.0f, 3.0f));
    EXPECT_NEAR((capsuleScaling(ship) - btVector3(1.7f, 0.85f, 2.55f)).length(), 0.0f, 1e-5f);

    // Shrunk to nothing by its death, the ship's capsule keeps a size to come back from.
    ship.sceneNode->setScale(Ogre::Vector3::ZERO);
    ship.syncScale();
    ship.sceneNode->setScale(Ogre::Vector3::UNIT_SCALE);
    ship.syncScale();
    EXPECT_NEAR((capsuleScaling(ship) - btVector3(1.7f, 0.85f, 2.55f)).length(), 0.0f, 1e-5f);
    EXPECT_NEAR(ship.capsuleShape->getRadius(), 0.5f * 1.7f, 1e-5f);
}

TEST(PlayerBody, ASpriteIsAsDeepAsItsNodeStretchesTheTexture)
{
    PlayerBodyScene scene("plane1U.mesh");
    Player& ship = scene.player;
    ship.spriteName = "ship.png";
    ship.entityNode->setScale(2.0f, 1.0f, 4.0f);
    ship.createPhysicsBody();
    EXPECT_EQ(ship.capsuleShape->getUpAxis(), 2) << "twice as deep as wide: along z";
    ship.spriteName.clear();
    ship.createPhysicsBody();
    EXPECT_NE(ship.capsuleShape->getUpAxis(), 2) << "a flat square mesh";
}

TEST(PlayerBody, AShipWithoutABodyStillMirrorsItsMeshNode)
{
    PlayerScene scene;
    Player& ship = scene.player;
    ship.createPhysicsBody();
    EXPECT_EQ(ship.body, nullptr) << "no mesh entity, no body";
    ship.symmetry = -1;
    ship.syncScale();
    EXPECT_EQ(ship.entityNode->getScale().y, -1.0f);
}

} // namespace
