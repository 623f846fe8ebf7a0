// The hit rules of the shot steps on a real scene: shots flown by the play
// state's steps through enemy shots, enemies and the player's outlines.
#include "play/ShotHitsFixture.h"

#include "combat/Player.h"
#include "core/GameMode.h"

// A destroyable enemy shot of 3 hit points takes one hit per step from a
// normal player shot crossing it slowly; the player shot flies on after the
// first two and dies with it on the third.
TEST_F(ShotHits, ADestroyableShotTakesThreeHitsAndTheThirdEndsBoth)
{
    bullet& enemyShot = fire(false, {0, 0, 0}, 0.001f);
    enemyShot.isDestructible = 1;
    enemyShot.hitPoints = 3;
    bullet& playerShot = fire(true, {0, 0, 1.5f}, 10.0f);
    std::vector<std::int32_t> seen{enemyShot.hitPoints};
    for (int i = 0; i < 40 && enemyShot.state == bullet::stateFlying; ++i) {
        steps(1);
        if (seen.back() != enemyShot.hitPoints) {
            seen.push_back(enemyShot.hitPoints);
            EXPECT_EQ(playerShot.state, enemyShot.hitPoints ? bullet::stateFlying : bullet::stateDying);
        }
    }
    EXPECT_EQ(seen, (std::vector<std::int32_t>{3, 2, 1, 0}));
    EXPECT_EQ(enemyShot.state, bullet::stateDying);
}

// An enemy shot that is not destroyable lets a normal player shot through;
// a shot of a gun that destroys every shot ends it.
TEST_F(ShotHits, OnlyAGunThatDestroysShotsEndsAShotThatIsNotDestroyable)
{
    bullet& enemyShot = fire(false, {0, 0, 0}, 0.001f);
    enemyShot.hitPoints = 1;
    bullet& passing = fire(true, {0, 0, 1.5f}, 10.0f);
    passing.weapon = &ownGun;
    steps(20);
    EXPECT_EQ(enemyShot.state, bullet::stateFlying);
    EXPECT_EQ(passing.state, bullet::stateFlying);
    otherGun.isDestroyBullets = 1;
    bullet& destroying = fire(true, {0, 0, 1.5f}, 10.0f);
    destroying.weapon = &otherGun;
    steps(20);
    EXPECT_NE(enemyShot.state, bullet::stateFlying);
    EXPECT_NE(destroying.state, bullet::stateFlying);
}

// A shot touching two enemies at once hits only the one it reaches least
// deep; a passing-through shot hits both, each once, and flies on; an armour
// outline takes a hit without damage and stops the shot.
TEST_F(ShotHits, ShortestContactPassThroughAndArmour)
{
    HitRecorder& deep = enemyAt({0, 0, 0}, 4.0f);
    HitRecorder& shallow = enemyAt({2.4f, 0, 0}, 4.0f);
    bullet& normal = fire(true, {0.5f, 0, 0}, 1.0f);
    normal.damage = 3;
    steps(1);
    EXPECT_TRUE(deep.hits.empty());
    ASSERT_EQ(shallow.hits.size(), 1u);
    EXPECT_EQ(shallow.hits[0].damage, 3);
    EXPECT_EQ(shallow.hits[0].kind, Enemy::hitShot);
    EXPECT_EQ(normal.state, bullet::stateDying);

    shallow.hits.clear();
    bullet& through = fire(true, {0.5f, 0, 0}, 1.0f);
    through.isInvincible = 1;
    steps(10);
    EXPECT_EQ(deep.hits.size(), 1u);
    EXPECT_EQ(shallow.hits.size(), 1u);
    EXPECT_EQ(through.state, bullet::stateFlying);

    HitRecorder& armoured = enemyAt({0, 0, -60}, 4.0f, true);
    bullet& stopped = fire(true, {0, 0, -60}, 1.0f);
    steps(1);
    ASSERT_EQ(armoured.hits.size(), 1u);
    EXPECT_EQ(armoured.hits[0].damage, 0);
    EXPECT_EQ(armoured.hits[0].source, nullptr);
    EXPECT_EQ(stopped.state, bullet::stateDying);
}

// Enemy shots: an enemy that blocks enemy fire stops the shots of others but
// never its own; the player's hit box takes the damage, the force field
// takes the hit instead while it has life, and a ship moved by a trigger is
// not touched at all.
TEST_F(ShotHits, EnemyShotsStopOnBlockersAndHitThePlayer)
{
    HitRecorder& blocker = enemyAt({0, 0, 40}, 4.0f);
    blocker.isCollideWEnemyBullets = 1;
    ownGun.templateObject = &blocker;
    bullet& own = fire(false, {0, 0, 40}, 0.001f);
    own.weapon = &ownGun;
    bullet& other = fire(false, {0, 0, 40}, 0.001f);
    other.weapon = &otherGun;

    Player ship;
    ship.status = Player::statusPlaying;
    ship.invincibilityTime = 0.0f;
    ship.outlines.push_back(outlineAt({0, 0, -40}, 3.0f));
    state.player = &ship;
    scene.game.gameMode = gameModePlaying;
    scene.game.maxEnergy = 10;
    scene.game.currentLife = 10;
    bullet& aimed = fire(false, {0, 0, -40}, 0.001f);
    aimed.damage = 4;
    steps(1);
    EXPECT_EQ(own.state, bullet::stateFlying);
    EXPECT_EQ(other.state, bullet::stateDying);
    EXPECT_EQ(aimed.state, bullet::stateDying);
    EXPECT_EQ(scene.game.currentLife, 6);

    ship.invincibilityTime = 0.0f;
    ship.isBlinking = false;
    ship.forceField.life = 2;
    bullet& absorbed = fire(false, {0, 0, -40}, 0.001f);
    absorbed.weapon = &otherGun;
    steps(1);
    EXPECT_EQ(absorbed.state, bullet::stateDying);
    EXPECT_EQ(ship.forceField.life, 1);
    EXPECT_EQ(scene.game.currentLife, 6);

    ship.isBeingMoved = true;
    bullet& ignored = fire(false, {0, 0, -40}, 0.001f);
    steps(1);
    EXPECT_EQ(ignored.state, bullet::stateFlying);

    // A ship without any weapon set holds its own shots still.
    bullet& held = fire(true, {0, 0, 60}, 30.0f);
    const Ogre::Vector3 firedAt = held.position;
    steps(3);
    EXPECT_EQ(held.position, firedAt);
}
