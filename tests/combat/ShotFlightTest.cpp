// The flight of a shot: where it is, how fast and where it heads after set
// times, worked out by hand from the flight rules for each steering mode
// and speed change; its facing, its deaths off screen and on solid objects,
// and numbers from data that are not numbers.
#include "ShotFlightScene.h"

#include <btBulletDynamicsCommon.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr float tolerance = 1e-3f;

void expectNear(const Ogre::Vector3& actual, const Ogre::Vector3& expected, const char* what)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance) << what;
    EXPECT_NEAR(actual.y, expected.y, tolerance) << what;
    EXPECT_NEAR(actual.z, expected.z, tolerance) << what;
}

struct FlightCase {
    const char* name;
    std::int32_t mode;
    float speed;
    void (*setUp)(bullet&);
    double seconds;
    std::optional<Ogre::Vector3> position;
    std::optional<Ogre::Vector3> velocity;
    float speedAfter;
    bool changing;
    Ogre::Vector3 target = Ogre::Vector3::ZERO;
    std::optional<std::uint8_t> turnSide = std::nullopt;
};

void noChange(bullet&) {}
void firstChange(bullet& b)
{
    b.isChangeSpeed1 = 1;
    b.acceleration = 40.0f;
    b.acceleration1StartTime = 0.5f;
    b.accelerationDuration = 1.0f;
}
// The second change's start comes while the first still runs.
void bothChanges(bullet& b)
{
    b.isChangeSpeed1 = b.isChangeSpeed2 = 1;
    b.acceleration = 20.0f;
    b.accelerationDuration = 0.5f;
    b.acceleration2 = 0.0f;
    b.acceleration2StartTime = 0.25f;
    b.accelerationDuration2 = 0.5f;
}
void zeroLengthChanges(bullet& b)
{
    b.isChangeSpeed1 = b.isChangeSpeed2 = 1;
    b.acceleration = 30.0f;
    b.acceleration1StartTime = 0.25f;
    b.accelerationDuration = 0.0f;
    b.acceleration2 = 5.0f;
    b.acceleration2StartTime = 0.5f;
    b.accelerationDuration2 = 0.0f;
}
void steerHard(bullet& b) { b.aimSpeed = 64.0f; }
void steerGently(bullet& b) { b.aimSpeed = 1.0f; }
void steerToTheRight(bullet& b)
{
    b.aimSpeed = 1.0f;
    b.aimPoint = Ogre::Vector3(2000.0f, 0.0f, 0.0f);
}
void turnFast(bullet& b) { b.aimSpeed = 10.0f; }
void quarterTurnInASecond(bullet& b) { b.changeDirectionAngle = 90.0f; }
void quarterTurnAtOnce(bullet& b)
{
    b.changeDirectionAngle = 90.0f;
    b.changeDirectionDuration = 0.0f;
}

// Every shot starts at the origin heading -Z. One step of turning mode 4 at
// speed 10 with gain 10: angle a = 10 x 14 x 10 x 0.00033161 = 0.46426,
// T = (sin a, 0, -cos a), v = (0, 0, -10) + T x 100/64, held to speed 10.
const Ogre::Vector3 turnedRight(0.6127082f, 0.0f, -9.9812118f);
const Ogre::Vector3 turnedLeft(-0.6127082f, 0.0f, -9.9812118f);
const FlightCase flightCases[] = {
    {"straight", 1, 60.0f, noChange, 0.5, Ogre::Vector3(0, 0, -30), Ogre::Vector3(0, 0, -60), 60.0f, false},
    // 32 steps at 10, then 10 + 30 (i - 32)/64 for i = 33..64.
    {"first speed change midway", 1, 10.0f, firstChange, 1.0, Ogre::Vector3(0, 0, -13.8671875f), std::nullopt, 25.0f,
     false},
    {"first speed change over", 1, 10.0f, firstChange, 2.0, Ogre::Vector3(0, 0, -50.234375f), std::nullopt, 40.0f,
     false},
    // Still the first change alone: 10 + 10 x 24/32.
    {"second change waits for the first", 1, 10.0f, bothChanges, 0.375, Ogre::Vector3(0, 0, -5.21484375f),
     std::nullopt, 17.5f, false},
    // From 20 at 0.5 s down to 0 at 0.75 s, its progress counted from 0.25 s.
    {"second change after the first", 1, 10.0f, bothChanges, 0.75, Ogre::Vector3(0, 0, -8.59375f), std::nullopt,
     0.0f, false},
    {"changes of no length jump to their end", 1, 10.0f, zeroLengthChanges, 0.75, Ogre::Vector3(0, 0, -11.171875f),
     std::nullopt, 5.0f, false},
    // Steering gain 64 takes the target's direction (0.8, 0, -0.6) in one step.
    {"homing", 0, 10.0f, steerHard, 0.5, Ogre::Vector3(4, 0, -3), Ogre::Vector3(8, 0, -6), 10.0f, true,
     Ogre::Vector3(40, 0, -30)},
    // d^2 = 4: the steering (10, 0, 10) is scaled by 2 (1 - 4/5.5).
    {"homing brakes near its point", 0, 10.0f, steerGently, 1.0 / 64.0, Ogre::Vector3(0.0013317f, 0, -0.1549183f),
     Ogre::Vector3(0.0852273f, 0, -9.9147727f), 10.0f, true, Ogre::Vector3(2, 0, 0)},
    // 90/64 more x each step, not held to the speed.
    {"aim point", 2, 10.0f, steerToTheRight, 0.5, Ogre::Vector3(11.6015625f, 0, -5), Ogre::Vector3(45, 0, -10), 10.0f,
     true},
    // The step that ends the change also flies on at speed, as the 16 after it.
    {"aim point then straight on", 2, 10.0f, steerToTheRight, 1.25, Ogre::Vector3(48.3431287f, 0, -10.2933337f),
     Ogre::Vector3(90, 0, -10), 10.0f, false},
    {"turning negative", 3, 10.0f, turnFast, 1.0 / 64.0, turnedLeft / 64.0f, turnedLeft, 10.0f, true},
    {"turning positive", 4, 10.0f, turnFast, 1.0 / 64.0, turnedRight / 64.0f, turnedRight, 10.0f, true},
    {"turning the drawn side 1", 5, 10.0f, turnFast, 1.0 / 64.0, turnedRight / 64.0f, turnedRight, 10.0f, true,
     Ogre::Vector3::ZERO, 1},
    {"turning the drawn side 0", 5, 10.0f, turnFast, 1.0 / 64.0, turnedLeft / 64.0f, turnedLeft, 10.0f, true,
     Ogre::Vector3::ZERO, 0},
    {"still shot turning negative", 3, 0.0f, turnFast, 0.5, Ogre::Vector3::ZERO, Ogre::Vector3::ZERO, 0.0f, true},
    {"still shot turning positive", 4, 0.0f, turnFast, 0.5, Ogre::Vector3::ZERO, Ogre::Vector3::ZERO, 0.0f, true},
    {"still shot turning a drawn side", 5, 0.0f, turnFast, 0.5, Ogre::Vector3::ZERO, Ogre::Vector3::ZERO, 0.0f, true},
    // Halfway the direction is the mean of -Z and +X.
    {"gradual turn midway", 6, 10.0f, quarterTurnInASecond, 0.5, std::nullopt, Ogre::Vector3(7.0710678f, 0, -7.0710678f),
     10.0f, true},
    {"gradual turn over", 6, 10.0f, quarterTurnInASecond, 1.25, std::nullopt, Ogre::Vector3(10, 0, 0), 10.0f, false},
    // Turned at launch; the change never ends.
    {"gradual turn of no length", 6, 10.0f, quarterTurnAtOnce, 0.5, Ogre::Vector3(5, 0, 0), Ogre::Vector3(10, 0, 0),
     10.0f, true},
};

TEST(ShotFlight, ShotsAreWhereTheFlightRulesPutThemAfterSetTimes)
{
    for (const FlightCase& c : flightCases) {
        ShotFlightScene scene;
        bullet& shot = scene.looseRecord();
        shot.changeDirectionType = c.mode;
        c.setUp(shot);
        ShotFlightScene::launch(shot, Ogre::Vector3::ZERO, Ogre::Vector3::NEGATIVE_UNIT_Z, c.speed);
        if (c.turnSide)
            shot.turnSide = *c.turnSide;
        ShotFlightScene::fly(shot, c.seconds, c.target);
        if (c.position)
            expectNear(shot.node->_getDerivedPosition(), *c.position, c.name);
        if (c.velocity)
            expectNear(shot.velocity, *c.velocity, c.name);
        EXPECT_NEAR(shot.speed, c.speedAfter, tolerance) << c.name;
        EXPECT_EQ(shot.isChangingDirection, c.changing) << c.name;
        EXPECT_EQ(shot.state, bullet::stateFlying) << c.name;
    }
}

TEST(ShotFlight, ModelsTurnTowardTheirHeadingExceptStraightShots)
{
    // Facing -Z, flying +X at 10: forward + heading x 0.5 x dt x 100.
    const struct {
        std::int32_t mode;
        bool sideAsset;
        Ogre::Vector3 forward;
    } cases[] = {{3, false, Ogre::Vector3(0.78125f, 0, -1).normalisedCopy()},
                 {1, false, Ogre::Vector3(0, 0, -1)},
                 // Turned by a quarter at launch, and its heading too.
                 {3, true, Ogre::Vector3(-1, 0, -0.78125f).normalisedCopy()}};
    for (const auto& c : cases) {
        ShotFlightScene scene;
        bullet& shot = scene.looseRecord();
        shot.changeDirectionType = c.mode;
        shot.isSideAsset = c.sideAsset;
        shot.speed = 10.0f;
        shot.velocity = Ogre::Vector3::UNIT_X;
        Ogre::Vector3 facing = Ogre::Vector3::NEGATIVE_UNIT_Z;
        shot.launch(nullptr, Ogre::Vector3::ZERO, 1.0f, facing, nullptr, nullptr);
        ShotFlightScene::fly(shot, ShotFlightScene::step);
        expectNear(shot.node->getOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z, c.forward, "forward");
    }
}

TEST(ShotFlight, OffScreenShotsFlyOnUntilTheDelayThenDieAfterTheShorterAllowance)
{
    // The camera sees z within about 82 of the origin. Counting starts after
    // the delay; death comes on the step the count passes the allowance.
    const struct {
        float outsideScreenTime;
        float limit;
        int lastFlyingStep;
    } cases[] = {{0.5f, 0.2f, 44}, {0.25f, 5.0f, 32}};
    for (const auto& c : cases) {
        ShotFlightScene scene;
        scene.game.bulletOutsideScreenTime = c.outsideScreenTime;
        bullet& shot = scene.looseRecord();
        shot.changeDirectionType = 1;
        ShotFlightScene::launch(shot, Ogre::Vector3(0, 0, -500), Ogre::Vector3::NEGATIVE_UNIT_Z, 10.0f);
        shot.offscreenLimit = c.limit;
        ShotFlightScene::fly(shot, c.lastFlyingStep * ShotFlightScene::step);
        EXPECT_EQ(shot.state, bullet::stateFlying) << c.lastFlyingStep;
        EXPECT_EQ(shot.isVisible, 0);
        EXPECT_EQ(shot.corners[2], Ogre::Vector3::ZERO);
        ShotFlightScene::fly(shot, ShotFlightScene::step);
        EXPECT_EQ(shot.state, bullet::stateDying) << c.lastFlyingStep;
    }
}

TEST(ShotFlight, VisibleShotsKeepFlyingWithTheirQuadCornersAroundThem)
{
    ShotFlightScene scene;
    bullet& shot = scene.looseRecord();
    shot.changeDirectionType = 1;
    ShotFlightScene::launch(shot, Ogre::Vector3(10, 0, 0), Ogre::Vector3::NEGATIVE_UNIT_Z, 64.0f);
    ShotFlightScene::fly(shot, 1.0);
    EXPECT_EQ(shot.state, bullet::stateFlying);
    EXPECT_EQ(shot.offscreenTime, 0.0);
    expectNear(shot.corners[0], Ogre::Vector3(8, 0, -66), "first corner");
    expectNear(shot.corners[2], Ogre::Vector3(12, 0, -62), "third corner");
}

class ShotPathRay : public ::testing::Test {
protected:
    ShotPathRay()
    {
        // A solid object as the level's backgrounds make them: group 1, mask 6.
        btTransform place;
        place.setIdentity();
        place.setOrigin(btVector3(0.0f, 0.0f, -20.5f));
        motion = std::make_unique<btDefaultMotionState>(place);
        body = std::make_unique<btRigidBody>(0.0f, motion.get(), &box);
        world.addRigidBody(body.get(), 1, 6);
        scene.level.physicsWorld = &world;
        scene.level.effects->itemNode = scene.world.addNode();
        scene.game.isBulletPhysics = true;
    }
    ~ShotPathRay() override
    {
        world.removeRigidBody(body.get());
        scene.level.physicsWorld = nullptr;
    }

    // One unit a step toward -Z from x.
    bullet& fire(float x)
    {
        bullet& shot = scene.looseRecord();
        shot.changeDirectionType = 1;
        ShotFlightScene::launch(shot, Ogre::Vector3(x, 0, 0), Ogre::Vector3::NEGATIVE_UNIT_Z, 64.0f);
        return shot;
    }

    ShotFlightScene scene;
    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    btSequentialImpulseConstraintSolver solver;
    btDiscreteDynamicsWorld world{&dispatcher, &broadphase, &solver, &configuration};
    btBoxShape box{btVector3(5, 5, 5)};
    std::unique_ptr<btDefaultMotionState> motion;
    std::unique_ptr<btRigidBody> body;
};

TEST_F(ShotPathRay, AShotDiesOnTheStepItsPathEntersASolidObject)
{
    bullet& shot = fire(0.0f);
    ShotFlightScene::fly(shot, 15 * ShotFlightScene::step);
    EXPECT_EQ(shot.state, bullet::stateFlying);
    ShotFlightScene::fly(shot, ShotFlightScene::step);
    EXPECT_EQ(shot.state, bullet::stateDying);
    expectNear(scene.level.effects->itemNode->getPosition(), Ogre::Vector3(0, 0, -16), "item particles");
}

TEST_F(ShotPathRay, ShotsBesideTheObjectOrWithoutShotPhysicsFlyThrough)
{
    bullet& beside = fire(6.0f);
    ShotFlightScene::fly(beside, 0.5);
    EXPECT_EQ(beside.state, bullet::stateFlying);
    scene.game.isBulletPhysics = false;
    bullet& through = fire(0.0f);
    ShotFlightScene::fly(through, 0.5);
    EXPECT_EQ(through.state, bullet::stateFlying);
}

TEST(ShotFlight, NumbersThatAreNotNumbersNeverReachTheShotNode)
{
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    for (std::int32_t mode = 0; mode <= 6; ++mode) {
        for (const float bad : {nan, inf, -inf}) {
            ShotFlightScene scene;
            bullet& shot = scene.looseRecord();
            shot.changeDirectionType = mode;
            shot.isChangeSpeed1 = shot.isChangeSpeed2 = 1;
            shot.acceleration = shot.acceleration2 = shot.aimSpeed = bad;
            shot.accelerationDuration = shot.accelerationDuration2 = shot.changeDirectionDuration = bad;
            shot.changeDirectionAngle = bad;
            shot.aimPoint = Ogre::Vector3(bad, 0, bad);
            shot.speed = bad;
            shot.velocity = Ogre::Vector3(bad, bad, bad);
            Ogre::Vector3 direction(bad, 0, bad);
            shot.launch(nullptr, Ogre::Vector3(bad, bad, 0), 1.0f, direction, nullptr, nullptr);
            ShotFlightScene::fly(shot, 0.5, Ogre::Vector3(bad, 0, bad));
            const Ogre::Vector3& at = shot.node->_getDerivedPosition();
            EXPECT_TRUE(std::isfinite(at.x) && std::isfinite(at.y) && std::isfinite(at.z)) << mode << " " << bad;
            EXPECT_FALSE(shot.node->getOrientation().isNaN()) << mode << " " << bad;
        }
    }
}

} // namespace
