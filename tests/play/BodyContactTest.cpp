// The ship's body against an enemy it overlaps: damage both ways, armour
// on the ship's outline, enemies that let the ship pass, and push-out.
#include "combat/EnemyScene.h"

#include "play/playStateControlSteps.h"
#include "world/Obb.h"

#include <OgreSceneNode.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

Obb* outlineOn(Ogre::SceneManager* scene, Ogre::SceneNode* node)
{
    auto* outline = new Obb;
    outline->size = Ogre::Vector3(10.0f, 10.0f, 0.0f);
    outline->bindCamera(scene, node);
    outline->init();
    return outline;
}

// The ship and an enemy of 10 life on top of each other, each with one
// outline, the ship with 5 life of 10.
class BodyContact : public ::testing::Test {
protected:
    BodyContact()
    {
        enemy.reset();
        enemy.life = enemy.currentLife = enemy.previousLife = 10;
        enemy.isOutsideInvincibilityLimits = 0;
        enemy.status = Enemy::statusAlive;
        enemy.isOnScreen = 1;
        scene.wave.status = Wave::statusRunning;
        ship.status = Player::statusPlaying;
        ship.invincibilityTime = 0.0f;
        ship.sceneNode->_setDerivedPosition(scene.inView() + Ogre::Vector3(2.0f, 0.0f, 0.0f));
        scene.ship.world.updateTransforms();
        ship.outlines.push_back(outlineOn(scene.ship.world.scene, ship.sceneNode));
        enemy.outlines.push_back(outlineOn(scene.ship.world.scene, enemy.sceneNode));
        scene.ship.world.updateTransforms();
        ship.updateObbs();
        enemy.outlines.front()->updateScreenPolygon();
        scene.game.maxEnergy = 10;
        scene.game.currentLife = 5;
    }

    void touch()
    {
        state.collectActiveEnemies();
        bool isLastTouching = false;
        touchEnemies(state, ship, isLastTouching);
    }

    EnemyScene scene;
    Enemy& enemy = scene.place();
    Player& ship = scene.ship.player;
    playState& state = scene.ship.state;
};

} // namespace

TEST_F(BodyContact, TheShipAndTheEnemyHurtEachOther)
{
    ship.ramDamage = 4;
    scene.game.isGrazed = 1;
    touch();
    EXPECT_EQ(scene.game.currentLife, 5 - enemy.damage);
    EXPECT_EQ(enemy.currentLife, 6);
    // The step's nearest-enemy search starts far away and grazing anew.
    EXPECT_FLOAT_EQ(scene.game.nearestEnemyDistance, std::sqrt(playState::farAwaySquared));
    EXPECT_EQ(scene.game.isGrazed, 0);
}

TEST_F(BodyContact, AnArmouredShipOutlineTakesNoDamageButStillRams)
{
    ship.outlines.front()->isInvicible = 1;
    ship.ramDamage = 4;
    touch();
    EXPECT_EQ(scene.game.currentLife, 5);
    EXPECT_EQ(enemy.currentLife, 6);
}

TEST_F(BodyContact, AnEnemyThatLetsTheShipPassIsNotTouched)
{
    enemy.isCollideWPlayer = 0;
    ship.ramDamage = 4;
    touch();
    EXPECT_EQ(scene.game.currentLife, 5);
    EXPECT_EQ(enemy.currentLife, 10);
}

TEST_F(BodyContact, PushOutMovesTheShipOutOfTheEnemy)
{
    ship.isEnemyCollisionRepulse = 1;
    const Ogre::Vector3 before = ship.sceneNode->_getDerivedPosition();
    touch();
    const Ogre::Vector3 after = ship.sceneNode->_getDerivedPosition();
    // The ship sat a little to the right of the enemy: it leaves to the right.
    EXPECT_GT(after.x, before.x + 1.0f);
    CollisionResult contact;
    Obb::collidesWithContact(*ship.outlines.front(), *enemy.outlines.front(), Ogre::Vector2::ZERO, contact);
    EXPECT_LT(contact.minimumTranslationVector.length(), 0.01f);
}
