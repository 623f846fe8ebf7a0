// The ship's death run frame by frame, and its return to play.
#include "combat/PlayerBodyScene.h"

#include "app/StickDirection.h"
#include "combat/Weapon.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

namespace {

// Exact binary fractions: the sequence's thresholds fall on frame boundaries.
constexpr double hitStep = 0.0625;
constexpr float destructionTime = 0.25f;
constexpr double shrinkDuration = 0.125;

// A ship shot down with a death of 4 frames of tumble and 2 of shrinking,
// and an explosion of one bare element (no particles, no light).
class DyingShip : public PlayerBodyScene {
public:
    DyingShip(int lives, int continues, int explosions)
    {
        auto* element = new ExplosionElement;
        element->particleName.clear();
        game.explosionLibrary["boom"] = explosionDefinition(new ExplosionRef, {element});
        game.gameMode = 1;
        game.maxEnergy = 3;
        game.currentLives = lives;
        game.currentContinues = continues;
        game.weaponLevel = 2;
        game.baseWeaponLevel = 0.9f;
        player.weaponSets.resize(3);
        player.explosionName = "boom";
        player.explosionNumber = explosions;
        player.layer = 7;
        player.destructionTime = destructionTime;
        player.shrinkDuration = shrinkDuration;
        player.deathTranslation = Ogre::Vector3(1.0f, 0.0f, 0.0f);
        player.deathRotation = Ogre::Vector3(0.9f, 0.0f, 0.0f);
        player.scale = Ogre::Vector3(2.0f);
        player.sceneNode->setScale(player.scale);
        player.status = Player::statusPlaying;
        world.updateTransforms();
        player.setLife(0);
    }
    ~DyingShip()
    {
        level.effects->destroyAll();
        for (auto& entry : game.explosionLibrary) {
            for (ExplosionElement* element : entry.second.second)
                delete element;
            delete entry.second.first;
        }
        game.explosionLibrary.clear();
    }
    DyingShip(const DyingShip&) = delete;
    DyingShip& operator=(const DyingShip&) = delete;

    Ogre::SceneNode* rig() const { return world.scene->getSceneNode("CamNode1"); }
    void step(double dt)
    {
        player.updateDeath(dt);
        world.updateTransforms();
    }
};

TEST(PlayerDeath, TheShipExplodesTumblesShrinksAndGivesUpALife)
{
    DyingShip scene(2, 1, 3);
    Player& ship = scene.player;
    const Ogre::Vector3 start = ship.sceneNode->getPosition();
    const Ogre::Vector3 centre = ship.sceneNode->_getDerivedPosition();

    scene.step(0.0);
    EXPECT_FALSE(ship.isDeathStarted) << "a frame without time does nothing";
    EXPECT_EQ(scene.activation(), DISABLE_SIMULATION);

    scene.step(hitStep);
    EXPECT_TRUE(ship.isDeathStarted && ship.isBlinking);
    EXPECT_EQ(scene.activation(), DISABLE_DEACTIVATION);
    EXPECT_EQ(scene.game.weaponLevel, 0) << "back to the base level, truncated";
    const std::vector<ExplosionElement*>& explosions = scene.level.effects->instances;
    ASSERT_EQ(explosions.size(), 3u);
    const Ogre::Vector3 above = scene.rig()->convertWorldToLocalPosition(centre + Ogre::Vector3::UNIT_Y);
    for (const ExplosionElement* explosion : explosions) {
        EXPECT_TRUE(explosion->position.positionEquals(above, 1e-4f)) << "a radius of 0 puts them above the ship";
        EXPECT_EQ(explosion->layer, 7);
        EXPECT_EQ(explosion->priority, 60000);
    }
    EXPECT_TRUE(ship.sceneNode->getPosition().positionEquals(start + Ogre::Vector3(0.3125f, 0.0f, 0.0f)));
    EXPECT_TRUE(ship.animationNode->getOrientation().equals(
        Ogre::Quaternion(Ogre::Degree(5.625f), Ogre::Vector3::UNIT_Y), Ogre::Degree(0.01f)));

    for (int i = 2; i <= 4; ++i)
        scene.step(hitStep);
    EXPECT_EQ(ship.sceneNode->getScale(), Ogre::Vector3(2.0f)) << "whole until the destruction time";
    scene.step(hitStep);
    EXPECT_TRUE(ship.sceneNode->getScale().positionEquals(Ogre::Vector3(1.0f))) << "half way: smooth step 0.5";
    EXPECT_EQ(ship.status, Player::statusDying);
    ship.setLife(0);
    scene.step(hitStep);
    EXPECT_EQ(explosions.size(), 3u) << "the ship explodes once";

    EXPECT_EQ(ship.sceneNode->getScale(), Ogre::Vector3::ZERO);
    EXPECT_EQ(scene.game.currentLives, 1);
    EXPECT_EQ(scene.game.gameMode, 2);
    EXPECT_EQ(ship.status, Player::statusWaiting);
}

TEST(PlayerDeath, TheLastLifeLostOffersAContinueWhenOneIsLeft)
{
    struct Case {
        int lives;
        int continues;
        int explosions;
        int gameMode;
        std::uint32_t status;
    };
    const Case cases[] = {
        {2, 0, 0, 2, Player::statusWaiting},
        {1, 1, 1, 7, Player::statusOut},
        {1, 0, 1, 4, Player::statusOut},
    };
    for (const Case& c : cases) {
        DyingShip scene(c.lives, c.continues, c.explosions);
        Player& ship = scene.player;
        int frames = 0;
        while (ship.status == Player::statusDying && frames < 20) {
            scene.step(hitStep);
            ++frames;
        }
        EXPECT_EQ(frames, 6) << c.lives << " lives, " << c.explosions << " explosions";
        EXPECT_EQ(scene.level.effects->instances.size(), static_cast<std::size_t>(c.explosions));
        EXPECT_EQ(scene.game.gameMode, c.gameMode) << c.lives << " lives, " << c.continues << " continues";
        EXPECT_EQ(ship.status, c.status);
        if (c.status != Player::statusOut)
            continue;
        EXPECT_FALSE(ship.meshEntity->isVisible());
        EXPECT_TRUE(ship.sceneNode->_getDerivedPosition().positionEquals(scene.rigPosition() + ship.pos, 1e-4f))
            << "out of play, the ship waits at its play position";
    }
}

TEST(PlayerRespawn, TheShipComesBackForItsIntroWithItsWeaponsReset)
{
    DyingShip scene(1, 1, 0);
    Player& ship = scene.player;
    for (int i = 0; i < 6; ++i)
        scene.step(hitStep);
    ASSERT_EQ(ship.status, Player::statusOut);
    auto* gun = new Weapon;
    gun->coolDownTimer = 5.0f;
    gun->isFiring = 1;
    ship.weaponSets[1].push_back(gun);
    scene.game.baseWeaponLevel = 1.5f;
    ship.pos = Ogre::Vector3(3.0f, 0.0f, -4.0f);
    ship.introInvincibleTime = 1.0f;
    ship.introDuration = 0.5f;
    ship.introAngle = 180.0f;
    ship.startForceField(2.0f, 1, "", "", 0.0f, "", 0.0f);

    ship.respawn(true);
    scene.world.updateTransforms();
    EXPECT_EQ(ship.status, Player::statusIntro);
    EXPECT_EQ(scene.activation(), DISABLE_SIMULATION);
    const Ogre::Vector3 playPosition = scene.rigPosition() + ship.pos;
    EXPECT_TRUE(ship.sceneNode->_getDerivedPosition().positionEquals(playPosition, 1e-4f));
    EXPECT_TRUE(ship.previousPosition.positionEquals(playPosition, 1e-4f));
    // The intro flight ends where the ship is put at its end: no jump.
    EXPECT_TRUE((ship.startPosition + scene.rigPosition()).positionEquals(playPosition, 1e-4f));
    EXPECT_EQ(ship.sceneNode->getScale(), Ogre::Vector3(2.0f));
    EXPECT_TRUE(ship.meshEntity->isVisible());
    EXPECT_EQ(scene.game.weaponLevel, 1);
    EXPECT_TRUE(gun->coolDownTimer == 0.0f && gun->isFiring == 0) << "weapons reset";
    EXPECT_FALSE(ship.isBlinking || ship.isDeathStarted || ship.forceField.isActive);
    EXPECT_DOUBLE_EQ(ship.forceField.durationLeft, 0.0);
    EXPECT_FLOAT_EQ(ship.invincibilityTime, 1.5f) << "the intro flight's time on top";
    EXPECT_TRUE(ship.introOffset.positionEquals(Ogre::Vector2(0.0f, -30.0f), 1e-4f));

    // Without the move it stays where it is.
    ship.sceneNode->translate(Ogre::Vector3(1.0f, 0.0f, 0.0f));
    scene.world.updateTransforms();
    const Ogre::Vector3 kept = ship.sceneNode->_getDerivedPosition();
    ship.respawn(false);
    EXPECT_TRUE(ship.sceneNode->_getDerivedPosition().positionEquals(kept, 1e-4f));

    // Once respawned, a two-way sprite turns to its up frame for an up stick.
    ship.directionCode = 0;
    quantizeStickDirection(Ogre::Vector2(0.0f, 1.0f), 2, ship);
    EXPECT_EQ(ship.directionCode, 2u);
}

} // namespace
