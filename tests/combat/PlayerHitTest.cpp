// How the ship takes hits: which hits count, what they cost and which sound
// they make, the life cap, and the force field that absorbs hits.
#include "combat/PlayerScene.h"

#include "app/AudioService.h"
#include "app/AudioState.h"
#include "app/AudioTestGame.h"
#include "core/effects/sfxLibraryEntry.h"
#include "world/EffectsTestScene.h"

#include <OgreParticleSystem.h>
#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

constexpr std::int32_t contact = Player::hitContact;
constexpr std::int32_t background = Player::hitBackground;

// A field of that life and duration, with "beep.wav" on each absorbed hit
// and "pause.wav" at its end.
void startField(Player& ship, float duration, int life)
{
    ship.startForceField(duration, life, "", "pause.wav", 0.5f, "beep.wav", 0.5f);
}

class PlayerHitTest : public ::testing::Test {
protected:
    // The particle plug-in and the effects test templates, loaded once a
    // process by the first effects scene, before this test's own scene.
    static void SetUpTestSuite() { EffectsTestScene loadsTemplates; }
    void SetUp() override
    {
        soundtest::useSilentSoundOutput();
        initSound();
        setSoundMilliseconds([this] { return now; });
        ship.collisionSound = "click.ogg";
        ship.collisionBulletsSound = "shot.wav";
        for (const char* sound : {"click.ogg", "shot.wav", "beep.wav", "pause.wav"})
            loadSound(sound, false, false, false, false);
    }
    void TearDown() override
    {
        shutdownSound();
        setSoundMilliseconds({});
    }

    // A ship in play with a life of 3 (at most 5), no field, not blinking.
    void startPlaying()
    {
        game.gameMode = 1;
        game.maxEnergy = 5;
        game.currentLife = 3;
        ship.status = Player::statusPlaying;
        ship.invincibilityTime = 0.0f;
        ship.isBlinking = ship.isFrozen = ship.isTouched = false;
        ship.backgroundHitCooldown = 0.0;
        ship.forceField.life = 0;
        ship.forceField.duration = 0.0f;
        ship.forceField.durationLeft = 0.0;
        stopEffects(); // forgets the sounds played
        now += 1000;
    }
    static std::set<std::string> soundsPlayed()
    {
        std::set<std::string> names;
        for (const auto& played : audio().antiRepeat)
            names.insert(played.first);
        return names;
    }

    AudioTestGame sounds;
    PlayerScene scene;
    Player& ship = scene.player;
    Game& game = scene.game;
    std::uint64_t now = 0;
};

struct HitCase {
    const char* what;
    std::function<void(Player&, Game&)> arrange;
    std::int32_t damage;
    std::int32_t kind;
    int lifeAfter;
    int fieldLifeAfter;
    bool touched;
    bool blinking;
    std::set<std::string> sounds;
};

TEST_F(PlayerHitTest, WhichHitsCountAndWhatTheyCost)
{
    using Arrange = std::function<void(Player&, Game&)>;
    const Arrange nothing = [](Player&, Game&) {};
    const Arrange blinking = [](Player& s, Game&) { s.isBlinking = true; };
    const Arrange frozen = [](Player& s, Game&) { s.isFrozen = true; };
    const Arrange sceneryCooldown = [](Player& s, Game&) { s.backgroundHitCooldown = 0.01; };
    const Arrange dyingMode = [](Player&, Game& g) { g.gameMode = 2; };
    const Arrange fieldReady = [](Player& s, Game&) {
        startField(s, 0.0f, 2);
        s.forceField.hitCooldown = 0.0;
    };
    const Arrange fieldJustStarted = [](Player& s, Game&) { startField(s, 0.0f, 2); };
    const Arrange fieldOfTime = [](Player& s, Game&) { startField(s, 5.0f, 0); };
    const Arrange invincible = [](Player& s, Game&) { s.invincibilityTime = 0.5f; };
    const Arrange inIntro = [](Player& s, Game&) { s.status = Player::statusIntro; };
    // what, arrange, damage, kind, life after, field life after, touched, blinking, sounds
    const HitCase cases[] = {
        {"a plain hit", nothing, 1, contact, 2, 0, true, true, {"shot.wav"}},
        {"blinking from an earlier hit", blinking, 1, contact, 3, 0, false, true, {}},
        {"frozen by a trigger", frozen, 1, contact, 3, 0, false, false, {}},
        {"scenery within its cooldown", sceneryCooldown, 1, background, 3, 0, false, false, {}},
        {"scenery", nothing, 1, background, 2, 0, true, true, {"click.ogg", "shot.wav"}},
        {"scenery without damage", nothing, 0, background, 3, 0, true, false, {"click.ogg"}},
        {"outside play", dyingMode, 1, contact, 3, 0, true, false, {}},
        {"a field with life", fieldReady, 1, contact, 3, 1, true, true, {"beep.wav"}},
        {"a field still in its cooldown", fieldJustStarted, 1, contact, 3, 2, true, false, {}},
        {"a field of time alone", fieldOfTime, 1, contact, 3, 0, true, false, {}},
        {"invincible", invincible, 1, contact, 3, 0, true, false, {}},
        {"still in its intro", inIntro, 1, contact, 3, 0, true, false, {}},
        {"no damage", nothing, 0, contact, 3, 0, true, false, {}},
    };
    for (const HitCase& c : cases) {
        startPlaying();
        c.arrange(ship, game);
        ship.hit(c.damage, c.kind, ship.sceneNode->_getDerivedPosition());
        EXPECT_EQ(game.currentLife, c.lifeAfter) << c.what;
        EXPECT_EQ(ship.forceField.life, c.fieldLifeAfter) << c.what;
        EXPECT_EQ(ship.isTouched, c.touched) << c.what;
        EXPECT_EQ(ship.isBlinking, c.blinking) << c.what;
        EXPECT_EQ(soundsPlayed(), c.sounds) << c.what;
    }
}

TEST_F(PlayerHitTest, SceneryCountsOncePerFrame)
{
    startPlaying();
    ship.hit(1, background, Ogre::Vector3::ZERO);
    EXPECT_FLOAT_EQ(ship.invincibilityTime, ship.invicibilityTimeWhenHit);
    EXPECT_DOUBLE_EQ(ship.backgroundHitCooldown, 0.016);

    // A cooldown that ran out by less than a frame keeps the remainder.
    startPlaying();
    ship.backgroundHitCooldown = -0.01;
    ship.hit(0, background, Ogre::Vector3::ZERO);
    EXPECT_NEAR(ship.backgroundHitCooldown, 0.006, 1e-12);
}

TEST_F(PlayerHitTest, LifeIsCappedAndTheShipDiesOnceAtZero)
{
    startPlaying();
    ship.setLife(9);
    EXPECT_EQ(game.currentLife, 5);
    EXPECT_EQ(ship.status, Player::statusPlaying);

    ship.hit(7, contact, Ogre::Vector3::ZERO);
    EXPECT_EQ(game.currentLife, 0);
    EXPECT_EQ(ship.status, Player::statusDying);
    EXPECT_TRUE(ship.isBlinking);
    EXPECT_FALSE(ship.isDeathStarted);
}

TEST_F(PlayerHitTest, AFieldEndsByTimeOrByItsLastLifeAndItsParticlesStop)
{
    game.sfxLibrary["fx_burst"] = new sfxLibraryEntry;

    startPlaying();
    ship.startForceField(0.5f, 0, "fx_burst", "pause.wav", 0.5f, "beep.wav", 0.5f);
    Ogre::ParticleSystem* particles = ship.forceField.particles;
    ASSERT_NE(particles, nullptr);
    EXPECT_EQ(particles->getName(), "ParticleFF01");
    EXPECT_EQ(particles->getParentSceneNode(), ship.forceFieldNode);
    EXPECT_TRUE(particles->getEmitting());

    ship.updateForceField(0.25);
    EXPECT_TRUE(ship.forceField.isActive);
    EXPECT_DOUBLE_EQ(ship.forceField.hitCooldown, 0.75);
    ship.hit(1, contact, Ogre::Vector3::ZERO);
    EXPECT_EQ(game.currentLife, 3) << "untouchable while the field lasts";
    EXPECT_TRUE(soundsPlayed().empty());

    ship.updateForceField(0.5);
    EXPECT_FALSE(ship.forceField.isActive);
    EXPECT_DOUBLE_EQ(ship.forceField.durationLeft, 0.0);
    EXPECT_FLOAT_EQ(ship.invincibilityTime, ship.invicibilityTimeWhenHit);
    EXPECT_TRUE(ship.isBlinking);
    EXPECT_FALSE(particles->getEmitting());
    EXPECT_EQ(soundsPlayed(), std::set<std::string>{"pause.wav"});
    ship.updateForceField(1.0);
    EXPECT_DOUBLE_EQ(ship.forceField.hitCooldown, 0.0) << "never below 0";

    // The same template again keeps its system. A field of life and time
    // whose last life is shot away ends, and stops protecting once the ship
    // no longer blinks, time left or not.
    startPlaying();
    ship.startForceField(5.0f, 1, "fx_burst", "pause.wav", 0.5f, "beep.wav", 0.5f);
    EXPECT_EQ(ship.forceField.particles, particles);
    EXPECT_TRUE(particles->getEmitting());
    ship.forceField.hitCooldown = 0.0;
    ship.hit(2, contact, Ogre::Vector3::ZERO);
    EXPECT_NEAR(ship.invincibilityTime, ship.invicibilityTimeWhenHit + 0.1, 1e-6);
    EXPECT_FALSE(ship.forceField.isActive || particles->getEmitting());
    EXPECT_EQ(soundsPlayed(), (std::set<std::string>{"beep.wav", "pause.wav"}));
    ship.isBlinking = false;
    ship.invincibilityTime = 0.0f;
    ship.updateForceField(0.1);
    ship.hit(1, contact, Ogre::Vector3::ZERO);
    EXPECT_EQ(game.currentLife, 2);

    delete game.sfxLibrary["fx_burst"];
    game.sfxLibrary.clear();
}

} // namespace
