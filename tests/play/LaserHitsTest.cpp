// Laser beams in the shot steps: where a beam is cut, what it hits on the
// way (enemies, armour, blocking enemies, the ship and its force field), and
// the force field's radius for beams and shots alike.
#include "play/ShotHitsFixture.h"

#include "app/CameraProjection.h"
#include "combat/Player.h"
#include "core/GameMode.h"
#include "play/PlayerHitTest.h"

namespace {

// Beams that stay where they are put for the few steps of a test.
constexpr float stillSpeed = 0.001f;
// The enemy outline sits on beam 2; the segment from beam 0 enters it here.
const Ogre::Vector3 cutPoint(0.0f, 0.0f, -28.0f);
constexpr float pointTolerance = 0.05f;

class LaserHits : public ShotHits {
protected:
    ~LaserHits() override { scene.game.weaponLevel = savedWeaponLevel; }

    // A laser gun holding beams at the points, front first. Beam 1 lies off
    // the line of the others, so a cut measured from it would show.
    Weapon* laserGun(std::int32_t damage, bool isInvincible,
                     const std::vector<Ogre::Vector3>& points = {
                         {0, 0, -10}, {20, 0, -20}, {0, 0, -30}, {0, 0, -40}, {0, 0, -50}})
    {
        auto* gun = new Weapon();
        gun->isLaser = 1;
        gun->damage = damage;
        for (const Ogre::Vector3& at : points)
            addBeam(*gun, at, isInvincible);
        return gun;
    }

    void addBeam(Weapon& gun, const Ogre::Vector3& at, bool isInvincible)
    {
        auto* beam = new bullet();
        beam->isLaser = 1;
        beam->changeDirectionType = 1;
        beam->sceneManager = scene.world.scene;
        beam->createNode();
        ShotFlightScene::launch(*beam, at, Ogre::Vector3::NEGATIVE_UNIT_Z, stillSpeed);
        beam->weapon = &gun;
        beam->damage = gun.damage;
        beam->isInvincible = isInvincible ? 1 : 0;
        gun.beams.push_back(beam);
    }

    // The world point at the screen centre moved down the screen by the offset.
    Ogre::Vector3 belowCentre(float offset) const
    {
        Ogre::Vector3 point;
        screenToPlaneY(point, {0.5f, 0.5f + offset}, 0.0f, *scene.camera);
        return point;
    }

    const int savedWeaponLevel = scene.game.weaponLevel;
};

void expectOnPoint(const Ogre::Vector3& actual, const Ogre::Vector3& expected)
{
    EXPECT_LT(actual.distance(expected), pointTolerance) << actual << " vs " << expected;
}

} // namespace

// The player's beam 2 meets an enemy: it is cut where the segment from beam
// 0 enters the outline, beams 2 and later are released, and the enemy takes
// the damage; armour takes a hit of 0; an invincible beam goes on, reaching
// as far as its last beam, and does not hit the enemy it hit last again.
TEST_F(LaserHits, PlayerBeamsAreCutOnEnemiesAndArmour)
{
    struct Row {
        const char* name;
        bool isArmour;
        bool isInvincible;
        std::int32_t expectedDamage;
        std::size_t beamsLeft;
    };
    for (const Row& row : {Row{"normal", false, false, 3, 2}, Row{"armour", true, false, 0, 2},
                           Row{"invincible", false, true, 3, 5}}) {
        SCOPED_TRACE(row.name);
        state.onScreenEnemies.clear();
        HitRecorder& enemy = enemyAt({0, 0, -30}, 4.0f, row.isArmour);
        Player ship;
        Weapon& gun = *laserGun(3, row.isInvincible);
        ship.weaponSets = {{&gun}};
        scene.game.weaponLevel = 0;
        state.player = &ship;
        steps(1);
        ASSERT_EQ(enemy.hits.size(), 1u);
        EXPECT_EQ(enemy.hits[0].damage, row.expectedDamage);
        EXPECT_EQ(enemy.hits[0].source, row.isArmour ? nullptr : &gun);
        EXPECT_EQ(enemy.hits[0].kind, Enemy::hitShot);
        ASSERT_EQ(gun.beams.size(), row.beamsLeft);
        if (row.isInvincible) {
            EXPECT_EQ(gun.beams[2]->lastHitTarget, &enemy);
            expectOnPoint(gun.laserEndPoint, {0, 0, -50});
        } else {
            expectOnPoint(gun.laserEndPoint, cutPoint);
        }
        steps(1);
        EXPECT_EQ(enemy.hits.size(), 1u);
        state.player = nullptr;
    }
}

// An enemy's beam passes over the enemy that carries the gun, even when it
// blocks enemy fire, and is cut on another blocking enemy or on the ship.
TEST_F(LaserHits, EnemyBeamsSkipTheirOwnerAndStopOnBlockersAndTheShip)
{
    HitRecorder& owner = enemyAt({0, 0, -30}, 4.0f);
    owner.isCollideWEnemyBullets = 1;
    Weapon& gun = *laserGun(4, false);
    gun.templateObject = &owner;
    owner.weaponSets = {{&gun}};
    steps(1);
    EXPECT_EQ(gun.beams.size(), 5u);

    HitRecorder& blocker = enemyAt({0, 0, -40}, 4.0f);
    blocker.isCollideWEnemyBullets = 1;
    steps(1);
    EXPECT_EQ(gun.beams.size(), 3u);
    EXPECT_TRUE(owner.hits.empty() && blocker.hits.empty());

    state.onScreenEnemies.pop_back();
    Player ship;
    ship.status = Player::statusPlaying;
    ship.invincibilityTime = 0.0f;
    ship.outlines.push_back(outlineAt({0, 0, -30}, 4.0f));
    state.player = &ship;
    scene.game.gameMode = gameModePlaying;
    scene.game.maxEnergy = 10;
    scene.game.currentLife = 10;
    steps(1);
    EXPECT_EQ(scene.game.currentLife, 6);
    ASSERT_EQ(gun.beams.size(), 2u);
    expectOnPoint(gun.laserEndPoint, cutPoint);
}

// With a force field of radius 10 a beam or a shot 0.05 of the screen from
// the ship's outline is taken by the field; farther off, or without a
// radius, it misses the small outline.
TEST_F(LaserHits, TheForceFieldRadiusTakesBeamsAndShots)
{
    struct Row {
        const char* name;
        bool isBeam;
        float offset;
        float radius;
        bool isTaken;
        std::int32_t hitBox = 0;
    };
    for (const Row& row : {Row{"beam inside", true, 0.05f, 10.0f, true}, Row{"beam outside", true, 0.15f, 10.0f, false},
                           Row{"shot inside", false, 0.05f, 10.0f, true}, Row{"no radius", false, 0.05f, 0.0f, false},
                           Row{"hit box out of range", false, 0.05f, 10.0f, false, 5}}) {
        SCOPED_TRACE(row.name);
        state.onScreenEnemies.clear();
        HitRecorder& carrier = enemyAt({60, 0, 0}, 1.0f);
        Weapon& gun = *laserGun(1, false, {});
        carrier.weaponSets = {{&gun}};
        Player ship;
        ship.status = Player::statusPlaying;
        ship.invincibilityTime = 0.0f;
        ship.outlines.push_back(outlineAt(Ogre::Vector3::ZERO, 1.0f));
        ship.forceField.life = 2;
        ship.forceField.radius = row.radius;
        ship.hitBoxIndex = row.hitBox;
        state.player = &ship;
        const Ogre::Vector3 at = belowCentre(row.offset);
        bullet* shot = nullptr;
        if (row.isBeam) {
            addBeam(gun, at, false);
        } else {
            shot = &fire(false, at, stillSpeed);
            shot->weapon = &gun;
        }
        steps(1);
        EXPECT_EQ(ship.forceField.life, row.isTaken ? 1 : 2);
        if (row.isBeam)
            EXPECT_EQ(gun.beams.empty(), row.isTaken);
        else
            EXPECT_EQ(shot->state, row.isTaken ? bullet::stateDying : bullet::stateFlying);
        state.player = nullptr;
    }
}

// The radius compares screen distances in screen heights: x counts through
// the aspect ratio, and a distance equal to the radius is outside.
TEST(ForceFieldRadius, ScreenDistanceAgainstTheRadius)
{
    struct Row {
        float dx, dy, aspect;
        bool isInside;
    };
    Obb current, moving;
    for (const Row& row : {Row{0.0f, 0.05f, 1.0f, true}, Row{0.0f, 0.1f, 1.0f, false}, Row{0.05f, 0.0f, 1.0f, true},
                           Row{0.05f, 0.0f, 2.0f, false}}) {
        moving.centre = {row.dx, row.dy};
        EXPECT_EQ(isInForceFieldRadius(moving, current, 10.0f, row.aspect), row.isInside)
            << row.dx << ", " << row.dy << " at aspect " << row.aspect;
    }
}

// A player shot breaks a destroyable enemy beam in its way and stops there,
// so the enemy behind the beam is not hit; a passing shot breaks the beam
// and hits the enemy too.
TEST_F(LaserHits, PlayerShotsBreakDestroyableEnemyBeams)
{
    for (const bool isInvincible : {false, true}) {
        SCOPED_TRACE(isInvincible ? "passing shot" : "normal shot");
        state.onScreenEnemies.clear();
        HitRecorder& carrier = enemyAt({0, 0, -20}, 4.0f);
        carrier.isCollideWBullets = 1;
        Weapon& gun = *laserGun(1, false, {{0, 0, -20}});
        gun.beams.front()->isDestructible = 1;
        carrier.weaponSets = {{&gun}};
        carrier.currentWeaponSet = 0;
        bullet& shot = fire(true, {0, 0, -20}, stillSpeed);
        shot.weapon = &ownGun;
        shot.damage = 2;
        shot.isInvincible = isInvincible ? 1 : 0;
        state.updatePlayerBullets(ShotFlightScene::step, Ogre::Vector3::ZERO);
        EXPECT_EQ(gun.beams.front()->state, bullet::stateDying);
        EXPECT_EQ(shot.state, isInvincible ? bullet::stateFlying : bullet::stateDying);
        EXPECT_EQ(carrier.hits.size(), isInvincible ? 1u : 0u);
        shot.die(false, false);
    }
}
