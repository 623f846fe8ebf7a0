// The path follower: travel time along eased, waiting and looping paths,
// the end of an open path, turning, the field of view, homing and paths with
// too few waypoints.
#include "world/PathFollower.h"

#include "world/PathMath.h"
#include "world/PathTestSupport.h"
#include "world/WorldTestScene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

namespace {

constexpr double frameTime = 0.001;
// Travel per second at speed 1.
constexpr double unitsPerSpeed = 5.0;

// Seconds to cover `length` while the speed changes linearly with the
// distance from `from` to `to`.
double easedTravelTime(double length, double from, double to)
{
    if (from == to)
        return length / (unitsPerSpeed * from);
    return length / (unitsPerSpeed * (to - from)) * std::log(to / from);
}

class PathFollowerTest : public ::testing::Test {
protected:
    void bind()
    {
        path.build();
        follower.init(world.scene, nullptr, camera, &path.list, node, node);
    }
    void frame(double dt = frameTime, bool frozen = false)
    {
        follower.update(dt, aimPoint, path.table, frozen);
        world.updateTransforms();
        elapsed += dt;
    }
    // Runs frames until the condition holds; false when it does not within the limit.
    bool runUntil(const std::function<bool()>& condition, double limit = 60.0)
    {
        const double end = elapsed + limit;
        while (!condition()) {
            if (elapsed > end)
                return false;
            frame();
        }
        return true;
    }
    // Runs until the follower's current waypoint becomes the index and gives the time then.
    double arrivalAt(std::int32_t index)
    {
        const std::int32_t before = follower.currentIndex;
        EXPECT_TRUE(runUntil([&] { return follower.currentIndex == index && follower.currentIndex != before; }));
        return elapsed;
    }

    WorldTestScene world;
    Ogre::SceneNode* node = world.addNode();
    Ogre::Camera* camera = nullptr;
    Ogre::Vector3 aimPoint = Ogre::Vector3::ZERO;
    PathOfWaypoints path;
    PathFollower follower;
    double elapsed = 0.0;
};

TEST(PathFollowerParam, DistancesMapToTheParameterOfTheTable)
{
    PathOfWaypoints path;
    path.add({0, 0, 0});
    path.add({100, 0, 0});
    path.build();
    const std::vector<CurveSample>& table = path.table;
    EXPECT_EQ(PathFollower::paramFromDistance(table, 0.0), 0.0);
    EXPECT_EQ(PathFollower::paramFromDistance({}, 10.0), 0.0);
    EXPECT_NEAR(PathFollower::paramFromDistance(table, table[999].distance), 0.999, 1e-9);
    // Between two entries the parameter is interpolated by the distance.
    const double between = (table[400].distance + table[401].distance) / 2.0;
    EXPECT_NEAR(PathFollower::paramFromDistance(table, between), 0.4005, 1e-6);
    EXPECT_NEAR(PathFollower::paramFromDistance(table, table[400].distance), 0.4, 1e-6);
}

TEST(PathFollowerParam, ATableShorterThanAPathsIsRefused)
{
    const std::vector<CurveSample> table(10, CurveSample{Ogre::Vector3::ZERO, 1.0f});
    EXPECT_THROW(PathFollower::paramFromDistance(table, 0.5), std::out_of_range);
}

TEST(PathFollowerParam, SamplesAtTheSamePlaceGiveNoNaN)
{
    std::vector<CurveSample> table(1000, CurveSample{Ogre::Vector3::ZERO, 0.0f});
    for (int i = 500; i < 1000; ++i)
        table[i].distance = 1.0f + static_cast<float>(i - 500);
    EXPECT_TRUE(std::isfinite(PathFollower::paramFromDistance(table, 0.5)));
}

TEST_F(PathFollowerTest, StartTakesTheFirstWaypointsSpeedFieldOfViewAndScale)
{
    path.add({0, 0, 0}, 3.0f).camShotFovMult = 1.5f;
    path.add({50, 0, 0});
    node->setScale(2, 2, 2);
    bind();
    EXPECT_FLOAT_EQ(follower.currentSpeed, 3.0f);
    EXPECT_FLOAT_EQ(follower.startSpeed, 3.0f);
    EXPECT_FLOAT_EQ(follower.fovMult, 1.5f);
    EXPECT_FLOAT_EQ(follower.nodeScale, 2.0f);
    EXPECT_FLOAT_EQ(follower.speedChangeDistance, static_cast<float>(path.distanceAt(1)));
    frame(0.5);
    // Curve positions are divided by the node's scale.
    EXPECT_TRUE(node->getPosition().positionEquals(follower.curvePos / 2.0f, 1e-4f));
}

TEST_F(PathFollowerTest, AWaitingOrStillFirstWaypointStartsAtHalfSpeedAndALoneOneStandsStill)
{
    path.add({0, 0, 0}).waitDuration = 1.0f;
    path.add({50, 0, 0});
    bind();
    EXPECT_FLOAT_EQ(follower.currentSpeed, 0.5f);
    path[0].waitDuration = 0.0f;
    path[0].speed = 0.0f;
    follower.start();
    EXPECT_FLOAT_EQ(follower.currentSpeed, 0.5f);
    path.list.pop_back();
    path[0].speed = 4.0f;
    follower.start();
    EXPECT_FLOAT_EQ(follower.currentSpeed, 0.0f);
}

// Four waypoints: the third waits a second, the path loops back to the first.
TEST_F(PathFollowerTest, ALoopingPathWithAWaitReachesEachPointWhenTheEasingSays)
{
    path.add({0, 0, 0});
    path.add({60, 0, 0});
    path.add({60, 0, 60}).waitDuration = 1.0f;
    path.closeLoop();
    bind();
    const double d1 = path.distanceAt(1);
    const double d2 = path.distanceAt(2);
    const double d3 = path.distanceAt(3);

    const double atFirst = d1 / (unitsPerSpeed * 2.0);
    EXPECT_NEAR(arrivalAt(1), atFirst, 0.02);

    // The last 5 units before the waiting point slow from 2 toward 0.2.
    EXPECT_TRUE(runUntil([&] { return follower.isApproaching != 0; }));
    EXPECT_NEAR(follower.distance, d2 - 5.0, 0.05);
    const double atSecond = atFirst + (d2 - 5.0 - d1) / (unitsPerSpeed * 2.0) + easedTravelTime(5.0, 2.0, 0.2);
    EXPECT_NEAR(arrivalAt(2), atSecond, 0.03);
    EXPECT_NEAR(follower.currentSpeed, 0.0, 1e-6);

    // A second's stand, then a smoothstep back to speed 2 over 1 / 0.98 s
    // (half the distance of full speed), then full speed to the end.
    const double resumeTime = 1.0 / 0.98;
    const double resumeLength = unitsPerSpeed * 2.0 * resumeTime / 2.0;
    EXPECT_TRUE(runUntil([&] { return follower.waitLeft <= 0.0; }));
    EXPECT_NEAR(elapsed, atSecond + 1.0, 0.01);
    const double atEnd = atSecond + 1.0 + resumeTime + (d3 - d2 - resumeLength) / (unitsPerSpeed * 2.0);
    EXPECT_NEAR(arrivalAt(0), atEnd, 0.05);
    EXPECT_EQ(follower.nextIndex, 1);
    EXPECT_EQ(follower.isEnded, 0);
    EXPECT_LT(follower.curveParamNow, 0.0); // the parameter went back by 1.0
    EXPECT_LT(follower.distance, 0.1);

    // The next lap runs as the first did.
    EXPECT_NEAR(arrivalAt(1) - atEnd, atFirst, 0.02);
}

TEST_F(PathFollowerTest, AnOpenPathEndsExactlyAtItsLastPoint)
{
    for (float x : {0.0f, 30.0f, 60.0f, 90.0f})
        path.add({x, 0, 0});
    bind();
    const double d3 = path.distanceAt(3);
    const double expected = (d3 - 5.0) / (unitsPerSpeed * 2.0) + easedTravelTime(5.0, 2.0, 0.2);
    EXPECT_TRUE(runUntil([&] { return follower.isEnded != 0; }));
    EXPECT_NEAR(elapsed, expected, 0.03);
    EXPECT_EQ(follower.currentIndex, 3);
    EXPECT_EQ(follower.nextIndex, 0);
    for (int i = 0; i < 2000; ++i)
        frame();
    EXPECT_DOUBLE_EQ(follower.distance, path.table[999].distance);
    EXPECT_TRUE(node->getPosition().positionEquals({90, 0, 0}, 0.05f));
    EXPECT_EQ(follower.currentIndex, 3);
}

TEST_F(PathFollowerTest, TheSpeedEasesWithTheDistanceBetweenWaypoints)
{
    path.add({0, 0, 0}, 1.0f);
    path.add({100, 0, 0}, 3.0f);
    path.add({200, 0, 0}, 3.0f);
    bind();
    const double half = path.distanceAt(1) / 2.0;
    EXPECT_TRUE(runUntil([&] { return follower.distance >= half; }));
    EXPECT_NEAR(follower.currentSpeed, 2.0, 0.01);
    EXPECT_NEAR(elapsed, easedTravelTime(half, 1.0, 2.0), 0.01);
}

TEST_F(PathFollowerTest, AStillWaypointIsApproachedSlowlyAndAWaitAtOneResumesAtHalfSpeed)
{
    path.add({0, 0, 0}, 2.0f);
    path.add({50, 0, 0}, 0.0f);
    path.add({100, 0, 0});
    bind();
    frame();
    EXPECT_FLOAT_EQ(follower.targetSpeed, 0.05f);

    path[0].speed = 0.0f;
    path[0].waitDuration = 0.5f;
    follower.start();
    frame();
    EXPECT_FLOAT_EQ(follower.currentSpeed, 0.0f);
    EXPECT_FLOAT_EQ(follower.targetSpeed, 0.5f);
    EXPECT_EQ(follower.easingState, 1);
    EXPECT_TRUE(runUntil([&] { return follower.easingState == 0; }, 3.0));
    EXPECT_NEAR(follower.currentSpeed, 0.5, 1e-3);
    // Heading for a still waypoint after the wait, the mover still gets there.
    EXPECT_FLOAT_EQ(follower.targetSpeed, 0.05f);
    EXPECT_GT(follower.distance, 0.0);
}

TEST_F(PathFollowerTest, AShortSegmentSlowsOnlyOverItsLastTenthOfAUnit)
{
    path.add({0, 0, 0});
    path.add({3, 0, 0}).waitDuration = 0.5f;
    path.add({50, 0, 0});
    bind();
    EXPECT_TRUE(runUntil([&] { return follower.isApproaching != 0; }));
    EXPECT_NEAR(follower.distance, path.distanceAt(1) - 0.1, 0.015);
}

TEST_F(PathFollowerTest, AFrozenFollowerNeitherAdvancesNorArrives)
{
    path.add({0, 0, 0});
    path.add({50, 0, 0});
    bind();
    for (int i = 0; i < 10; ++i)
        frame(0.1, true);
    EXPECT_EQ(follower.distance, 0.0);
    EXPECT_EQ(follower.nextIndex, 0);
    frame();
    EXPECT_EQ(follower.nextIndex, 1);
    EXPECT_GT(follower.distance, 0.0);
}

TEST_F(PathFollowerTest, FixedTurnsBlendToTheNextRotationAsTheFieldOfViewChanges)
{
    path.add({0, 0, 0}).rotType = rotTypeFixed;
    Waypoint& turned = path.add({100, 0, 0});
    turned.rotType = rotTypeFixed;
    turned.rotation = {0, 90, 0};
    turned.camShotFovMult = 3.0f;
    path.add({200, 0, 0});
    bind();
    EXPECT_TRUE(node->getOrientation().orientationEquals(Ogre::Quaternion::IDENTITY));
    EXPECT_TRUE(runUntil([&] { return follower.distance >= path.distanceAt(1) / 2.0; }));
    const Ogre::Quaternion halfway(Ogre::Degree(45), Ogre::Vector3::UNIT_Y);
    EXPECT_TRUE(node->getOrientation().orientationEquals(halfway, 1e-3f));
    EXPECT_NEAR(follower.fovMult, 2.0, 0.01);
    arrivalAt(1);
    EXPECT_TRUE(node->getOrientation().orientationEquals(waypointOrientation({0, 90, 0}), 1e-4f));
}

TEST_F(PathFollowerTest, WaypointRotationsTurnAboutXThenYThenZ)
{
    const Ogre::Quaternion qx(Ogre::Degree(30), Ogre::Vector3::UNIT_X);
    const Ogre::Quaternion qy(Ogre::Degree(40), Ogre::Vector3::UNIT_Y);
    const Ogre::Quaternion qz(Ogre::Degree(50), Ogre::Vector3::UNIT_Z);
    EXPECT_TRUE(waypointOrientation({30, 40, 50}).orientationEquals(qx * qy * qz, 1e-5f));
}

TEST_F(PathFollowerTest, AFacingMoverTurnsToItsDirectionOfTravel)
{
    path.add({0, 0, 0});
    path.add({0, 0, 50});
    path.add({0, 0, 100});
    bind();
    for (int i = 0; i < 2000; ++i)
        frame();
    EXPECT_TRUE((node->getOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z).positionEquals(Ogre::Vector3::UNIT_Z, 1e-3f));
}

TEST_F(PathFollowerTest, AnAimingMoverTurnsTowardTheAimPointOnItsPlane)
{
    camera = world.addCamera("AimCam", {0, 100, 0.001f}, Ogre::Vector3::ZERO);
    path.add({0, 0, 0}).rotType = rotTypeAim;
    bind();
    aimPoint = {50, 0, 0};
    frame(0.0, true);
    EXPECT_TRUE((node->getOrientation() * Ogre::Vector3::NEGATIVE_UNIT_Z).positionEquals(Ogre::Vector3::UNIT_X, 1e-3f));
}

TEST_F(PathFollowerTest, HomingStartsBeforeAHomingStopAndEndsAtAPointWithout)
{
    path.add({0, 0, 0});
    Waypoint& first = path.add({50, 0, 0});
    first.waitDuration = 0.2f;
    first.isHoming = 1;
    first.homingSpeed = 4.0f;
    first.homingStrength = 3.0f;
    first.homingXY = {0.5f, 0.25f};
    first.homingTransDurations = {2.0f, 3.0f};
    Waypoint& second = path.add({100, 0, 0});
    second.isHoming = 1;
    second.homingSpeed = 6.0f;
    second.homingTransDurations = {7.0f, 8.0f};
    path.add({150, 0, 0});
    bind();

    EXPECT_TRUE(runUntil([&] { return follower.isHomingActive != 0; }));
    EXPECT_EQ(follower.currentIndex, 0); // while approaching the waiting point
    EXPECT_FLOAT_EQ(follower.homingSpeedNow, 4.0f);
    EXPECT_FLOAT_EQ(follower.homingSpeedTarget, 4.0f);
    EXPECT_EQ(follower.homingXYTarget, Ogre::Vector2(0.5f, 0.25f));
    EXPECT_EQ(follower.homingTransDurations, Ogre::Vector2(2.0f, 3.0f));
    EXPECT_TRUE(follower.homingStartPos.positionEquals(node->_getDerivedPosition(), 0.05f));

    arrivalAt(1);
    // The next point homes too: the targets come from it; already homing, only
    // the second duration is taken.
    EXPECT_FLOAT_EQ(follower.homingSpeedTarget, 6.0f);
    EXPECT_FLOAT_EQ(follower.homingStrengthNow, 3.0f);
    EXPECT_EQ(follower.homingTransDurations, Ogre::Vector2(2.0f, 3.0f));
    arrivalAt(2);
    EXPECT_EQ(follower.homingTransDurations, Ogre::Vector2(2.0f, 8.0f));
    EXPECT_FLOAT_EQ(follower.homingSpeedTarget, 6.0f);
    arrivalAt(3);
    EXPECT_EQ(follower.isHomingActive, 0);
}

TEST_F(PathFollowerTest, WithoutWaypointsNothingMovesOrIsRead)
{
    bind();
    PathOfWaypoints other;
    other.add({0, 0, 0});
    other.add({10, 0, 0});
    other.build();
    for (int i = 0; i < 5; ++i) {
        follower.update(0.1, aimPoint, {}, false);
        follower.update(0.1, aimPoint, other.table, false); // a table left from another path
    }
    follower.onWaypointReached();
    EXPECT_EQ(node->getPosition(), Ogre::Vector3::ZERO);
    EXPECT_EQ(follower.distance, 0.0);
}

TEST_F(PathFollowerTest, ALoneWaypointArrivesOnceAndStandsStill)
{
    path.add({5, 0, 0}).isHoming = 1;
    bind();
    frame(0.1);
    EXPECT_EQ(follower.isHomingActive, 1);
    follower.isHomingActive = 0;
    frame(0.1);
    EXPECT_EQ(follower.isHomingActive, 0); // only the first time
    EXPECT_EQ(node->getPosition(), Ogre::Vector3::ZERO);
}

TEST_F(PathFollowerTest, TwoWaypointsWithoutTheirTableStandStill)
{
    path.add({0, 0, 0});
    path.add({10, 0, 0});
    follower.init(world.scene, nullptr, nullptr, &path.list, node, node);
    for (int i = 0; i < 10; ++i)
        frame(0.1);
    EXPECT_EQ(follower.distance, 0.0);
    EXPECT_EQ(node->getPosition(), Ogre::Vector3::ZERO);
}

} // namespace
