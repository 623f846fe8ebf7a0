// The flight of a shot: where it is, how fast and where it heads after set
// times, worked out by hand from the flight rules for each steering mode
// and speed change; its facing, its deaths off screen and on solid objects,
// and numbers from data that are not numbers.
#include "ShotFlightScene.h"
#include "support/VectorChecks.h"

#include <btBulletDynamicsCommon.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

using V = Ogre::Vector3;

bullet& launchedShot(ShotFlightScene& scene, std::int32_t mode, const V& at, float speed, void (*setUp)(bullet&))
{
    bullet& shot = scene.looseRecord();
    shot.changeDirectionType = mode;
    setUp(shot);
    ShotFlightScene::launch(shot, at, V::NEGATIVE_UNIT_Z, speed);
    return shot;
}

void as(bullet&) {}
void firstChange(bullet& b)
{
    b.isChangeSpeed1 = 1;
    b.acceleration = 40.0f;
    b.acceleration1StartTime = 0.5f;
}
// The second change's start comes while the first still runs.
void bothChanges(bullet& b)
{
    b.isChangeSpeed1 = b.isChangeSpeed2 = 1;
    b.acceleration = 20.0f;
    b.accelerationDuration = b.accelerationDuration2 = 0.5f;
    b.acceleration2StartTime = 0.25f;
}
void zeroLengthChanges(bullet& b)
{
    b.isChangeSpeed1 = b.isChangeSpeed2 = 1;
    b.acceleration = 30.0f;
    b.acceleration2 = 5.0f;
    b.acceleration1StartTime = 0.25f;
    b.acceleration2StartTime = 0.5f;
    b.accelerationDuration = b.accelerationDuration2 = 0.0f;
}

struct FlightCase {
    const char* name;
    std::int32_t mode;
    float speed;
    void (*setUp)(bullet&);
    double seconds;
    std::optional<V> position;
    std::optional<V> velocity;
    float speedAfter;
    bool changing;
    V target = V::ZERO;
    std::optional<std::uint8_t> turnSide = std::nullopt;
};

// From the origin heading -Z. One step of a turning mode at speed 10 with
// gain 10: a = 10 x 14 x 10 x 0.00033161 = 0.46426, T = (sin a, 0, -cos a)
// for side +1, v = (0, 0, -10) + T x 100/64 held to speed 10.
const V right(0.6127082f, 0, -9.9812118f);
const V left(-0.6127082f, 0, -9.9812118f);
const FlightCase flightCases[] = {
    {"straight", 1, 60, as, 0.5, V(0, 0, -30), V(0, 0, -60), 60, false},
    // 32 steps at 10, then 10 + 30 (i - 32)/64 for i = 33..64 (..96), then 40.
    {"first speed change midway", 1, 10, firstChange, 1.0, V(0, 0, -13.8671875f), {}, 25, false},
    {"first speed change over", 1, 10, firstChange, 2.0, V(0, 0, -50.234375f), {}, 40, false},
    // The first change alone: 10 + 10 x 24/32.
    {"second change waits for the first", 1, 10, bothChanges, 0.375, V(0, 0, -5.21484375f), {}, 17.5f, false},
    // From 20 at 0.5 s, its progress counted from 0.25 s: 10 at 0.5 s, 0 at 0.75 s.
    {"second change after the first", 1, 10, bothChanges, 0.75, V(0, 0, -8.59375f), {}, 0, false},
    {"changes of no length jump to their end", 1, 10, zeroLengthChanges, 0.75, V(0, 0, -11.171875f), {}, 5, false},
    // Gain 64 takes the target's direction (0.8, 0, -0.6) in one step.
    {"homing", 0, 10, [](bullet& b) { b.aimSpeed = 64; }, 0.5, V(4, 0, -3), V(8, 0, -6), 10, true, V(40, 0, -30)},
    // d^2 = 4: the steering (10, 0, 10) scaled by 2 (1 - 4/5.5).
    {"homing close to its point", 0, 10, [](bullet& b) { b.aimSpeed = 1; }, 1 / 64.0,
     V(0.0013317f, 0, -0.1549183f), V(0.0852273f, 0, -9.9147727f), 10, true, V(2, 0, 0)},
    // 90/64 more x each step, not held to the speed; the step that ends the
    // change also flies on at speed, as the 16 after it.
    {"aim point", 2, 10, [](bullet& b) { b.aimSpeed = 1; b.aimPoint = V(2000, 0, 0); }, 0.5, V(11.6015625f, 0, -5),
     V(45, 0, -10), 10, true},
    {"aim point then straight on", 2, 10, [](bullet& b) { b.aimSpeed = 1; b.aimPoint = V(2000, 0, 0); }, 1.25,
     V(48.3431287f, 0, -10.2933337f), V(90, 0, -10), 10, false},
    {"turning negative", 3, 10, [](bullet& b) { b.aimSpeed = 10; }, 1 / 64.0, left / 64, left, 10, true},
    {"turning positive", 4, 10, [](bullet& b) { b.aimSpeed = 10; }, 1 / 64.0, right / 64, right, 10, true},
    {"drawn side 1", 5, 10, [](bullet& b) { b.aimSpeed = 10; }, 1 / 64.0, right / 64, right, 10, true, V::ZERO, 1},
    {"drawn side 0", 5, 10, [](bullet& b) { b.aimSpeed = 10; }, 1 / 64.0, left / 64, left, 10, true, V::ZERO, 0},
    {"still, turning negative", 3, 0, [](bullet& b) { b.aimSpeed = 10; }, 0.5, V::ZERO, V::ZERO, 0, true},
    {"still, turning positive", 4, 0, [](bullet& b) { b.aimSpeed = 10; }, 0.5, V::ZERO, V::ZERO, 0, true},
    {"still, turning a drawn side", 5, 0, [](bullet& b) { b.aimSpeed = 10; }, 0.5, V::ZERO, V::ZERO, 0, true},
    // Halfway the direction is the mean of -Z and +X.
    {"gradual turn midway", 6, 10, [](bullet& b) { b.changeDirectionAngle = 90; }, 0.5, {},
     V(7.0710678f, 0, -7.0710678f), 10, true},
    {"gradual turn over", 6, 10, [](bullet& b) { b.changeDirectionAngle = 90; }, 1.25, {}, V(10, 0, 0), 10, false},
    // Turned at launch; the change never ends.
    {"gradual turn of no length", 6, 10, [](bullet& b) { b.changeDirectionAngle = 90; b.changeDirectionDuration = 0; },
     0.5, V(5, 0, 0), V(10, 0, 0), 10, true},
};

TEST(ShotFlight, ShotsAreWhereTheFlightRulesPutThemAfterSetTimes)
{
    for (const FlightCase& c : flightCases) {
        ShotFlightScene scene;
        bullet& shot = launchedShot(scene, c.mode, V::ZERO, c.speed, c.setUp);
        shot.turnSide = c.turnSide.value_or(shot.turnSide);
        ShotFlightScene::fly(shot, c.seconds, c.target);
        if (c.position)
            expectNear(shot.worldPosition(), *c.position, c.name);
        if (c.velocity)
            expectNear(shot.velocity, *c.velocity, c.name);
        EXPECT_NEAR(shot.speed, c.speedAfter, 1e-3f) << c.name;
        EXPECT_EQ(shot.isChangingDirection, c.changing) << c.name;
        EXPECT_EQ(shot.state, bullet::stateFlying) << c.name;
    }
}

TEST(ShotFlight, ModelsTurnTowardTheirHeadingExceptStraightShots)
{
    // Facing -Z, flying +X at 10: forward + heading x 0.5 x dt x 100. A side
    // asset is turned a quarter at launch, and its heading with it.
    const struct {
        std::int32_t mode;
        bool sideAsset;
        V forward;
    } cases[] = {{3, false, V(0.78125f, 0, -1).normalisedCopy()},
                 {1, false, V(0, 0, -1)},
                 {3, true, V(-1, 0, -0.78125f).normalisedCopy()}};
    for (const auto& c : cases) {
        ShotFlightScene scene;
        bullet& shot = scene.looseRecord();
        shot.changeDirectionType = c.mode;
        shot.isSideAsset = c.sideAsset;
        shot.speed = 10.0f;
        shot.velocity = V::UNIT_X;
        V facing = V::NEGATIVE_UNIT_Z;
        shot.launch(nullptr, V::ZERO, 1.0f, facing, nullptr, nullptr);
        ShotFlightScene::fly(shot, ShotFlightScene::step);
        expectNear(shot.orientation * V::NEGATIVE_UNIT_Z, c.forward, "forward");
    }
}

TEST(ShotFlight, OffScreenShotsFlyOnUntilTheDelayThenDieAfterTheShorterAllowance)
{
    // Counting starts once the delay is over; death comes on the step the
    // count passes the shorter of the delay and the limit.
    const struct {
        float outsideScreenTime;
        float limit;
        int lastFlyingStep;
    } cases[] = {{0.5f, 0.2f, 44}, {0.25f, 5.0f, 32}};
    for (const auto& c : cases) {
        ShotFlightScene scene;
        scene.game.bulletOutsideScreenTime = c.outsideScreenTime;
        bullet& shot = launchedShot(scene, 1, V(0, 0, -500), 10, as);
        shot.offscreenLimit = c.limit;
        ShotFlightScene::fly(shot, c.lastFlyingStep * ShotFlightScene::step);
        EXPECT_EQ(shot.state, bullet::stateFlying) << c.lastFlyingStep;
        EXPECT_EQ(shot.corners[2], V::ZERO);
        ShotFlightScene::fly(shot, ShotFlightScene::step);
        EXPECT_EQ(shot.state, bullet::stateDying) << c.lastFlyingStep;
    }
    // In view it flies on, its quad's corners 2 units around it.
    ShotFlightScene scene;
    bullet& shot = launchedShot(scene, 1, V(10, 0, 0), 64, as);
    ShotFlightScene::fly(shot, 1.0);
    EXPECT_EQ(shot.state, bullet::stateFlying);
    expectNear(shot.corners[0], V(8, 0, -66), "first corner");
    expectNear(shot.corners[2], V(12, 0, -62), "third corner");
}

TEST(ShotFlight, AShotDiesOnTheStepItsPathEntersASolidObject)
{
    ShotFlightScene scene;
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher(&configuration);
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld world(&dispatcher, &broadphase, &solver, &configuration);
    btBoxShape box(btVector3(5, 5, 5));
    // From z -15.5 to -25.5, a solid object as backgrounds make them: group 1, mask 6.
    btRigidBody body(0.0f, nullptr, &box);
    body.getWorldTransform().setOrigin(btVector3(0, 0, -20.5f));
    world.addRigidBody(&body, 1, 6);
    scene.level.physicsWorld = &world;
    scene.level.effects->itemNode = scene.world.addNode();
    scene.game.isBulletPhysics = true;

    // One unit a step: the 16th step crosses the object's face.
    bullet& hitting = launchedShot(scene, 1, V::ZERO, 64, as);
    bullet& beside = launchedShot(scene, 1, V(6, 0, 0), 64, as);
    ShotFlightScene::fly(hitting, 15 * ShotFlightScene::step);
    EXPECT_EQ(hitting.state, bullet::stateFlying);
    ShotFlightScene::fly(hitting, ShotFlightScene::step);
    EXPECT_EQ(hitting.state, bullet::stateDying);
    expectNear(scene.level.effects->itemNode->getPosition(), V(0, 0, -16), "item particles");
    ShotFlightScene::fly(beside, 0.5);
    EXPECT_EQ(beside.state, bullet::stateFlying);
    scene.game.isBulletPhysics = false;
    bullet& unchecked = launchedShot(scene, 1, V::ZERO, 64, as);
    ShotFlightScene::fly(unchecked, 0.5);
    EXPECT_EQ(unchecked.state, bullet::stateFlying);
    world.removeRigidBody(&body);
    scene.level.physicsWorld = nullptr;
}

TEST(ShotFlight, NumbersThatAreNotNumbersNeverReachTheShotNode)
{
    for (std::int32_t mode = 0; mode <= 6; ++mode) {
        for (const float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
            ShotFlightScene scene;
            bullet& shot = scene.looseRecord();
            shot.changeDirectionType = mode;
            shot.isChangeSpeed1 = shot.isChangeSpeed2 = 1;
            shot.speed = shot.acceleration = shot.acceleration2 = shot.aimSpeed = shot.changeDirectionAngle = bad;
            shot.accelerationDuration = shot.accelerationDuration2 = shot.changeDirectionDuration = bad;
            shot.aimPoint = shot.velocity = V(bad, bad, -bad);
            V direction(bad, 0, -bad);
            shot.launch(nullptr, V(bad, -bad, 0), 1.0f, direction, nullptr, nullptr);
            ShotFlightScene::fly(shot, 0.5, V(-bad, 0, bad));
            const V& at = shot.worldPosition();
            EXPECT_TRUE(std::isfinite(at.x) && std::isfinite(at.y) && std::isfinite(at.z)) << mode << " " << bad;
            EXPECT_FALSE(shot.orientation.isNaN()) << mode << " " << bad;
        }
    }
}

} // namespace
