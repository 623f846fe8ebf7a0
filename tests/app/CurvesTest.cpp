#include "app/Curves.h"

#include "world/Waypoint.h"
#include "support/VectorChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Waypoints at the given positions, each with its own tension and weight so
// that every tangent factor of the curve is told apart.
class Path {
public:
    explicit Path(const std::vector<Ogre::Vector3>& positions, bool closed = false)
    {
        for (std::size_t i = 0; i < positions.size(); ++i) {
            owned.push_back(std::make_unique<Waypoint>("wp" + std::to_string(i)));
            owned.back()->position = positions[i];
            owned.back()->tension = 0.3f + 0.1f * static_cast<float>(i);
            owned.back()->curveWeight = 0.9f - 0.1f * static_cast<float>(i);
            list.push_back(owned.back().get());
        }
        if (!list.empty())
            list[0]->isLoop = closed ? 1 : 0;
    }
    Waypoint& operator[](std::size_t i) { return *list[i]; }
    float k(std::size_t i) const { return list[i]->tension * list[i]->curveWeight; }
    float tension(std::size_t i) const { return list[i]->tension; }
    const Ogre::Vector3& at(std::size_t i) const { return list[i]->position; }

    std::vector<Waypoint*> list;

private:
    std::vector<std::unique_ptr<Waypoint>> owned;
};

// One row of the segment table: at 37 % of segment s, the curve must be the
// Hermite point of the row's four points and factors.
struct SegmentCase {
    std::size_t segment;
    std::size_t previous, from, to, next;
    float k0, k1;
};

void expectSegments(const Path& path, const std::vector<SegmentCase>& cases)
{
    const double segments = static_cast<double>(path.list.size() - 1);
    for (const SegmentCase& row : cases) {
        const double t = (static_cast<double>(row.segment - 1) + 0.37) / segments;
        Ogre::Vector3 expected;
        hermiteSplinePoint(expected, path.at(row.previous), path.at(row.from), path.at(row.to), path.at(row.next),
                           segments * t - static_cast<double>(row.segment - 1), row.k0, row.k1);
        SCOPED_TRACE("segment " + std::to_string(row.segment));
        expectNear(curvePointAt(path.list, t), expected);
    }
}

const std::vector<Ogre::Vector3> threePoints{{0, 0, 0}, {10, 0, 0}, {10, 0, 10}};
const std::vector<Ogre::Vector3> fivePoints{{0, 0, 0}, {10, 0, 0}, {20, 5, 5}, {25, 0, 15}, {10, 2, 30}};

} // namespace

TEST(HermiteSpline, PassesThroughItsEndsAndIsCatmullRomAtOneHalf)
{
    const Ogre::Vector3 prev(-10, 0, 0), p0(0, 0, 0), p1(10, 10, 0), next(20, 0, 0);
    Ogre::Vector3 point;
    hermiteSplinePoint(point, prev, p0, p1, next, 0.0, 0.5f, 0.5f);
    EXPECT_EQ(point, p0);
    hermiteSplinePoint(point, prev, p0, p1, next, 1.0, 0.5f, 0.5f);
    expectNear(point, p1);
    // Catmull-Rom midpoint: (-p_prev + 9 p0 + 9 p1 - p_next) / 16.
    hermiteSplinePoint(point, prev, p0, p1, next, 0.5, 0.5f, 0.5f);
    expectNear(point, (-prev + 9.0f * p0 + 9.0f * p1 - next) / 16.0f);
}

TEST(CurvePointAt, OneWaypointIsItsPositionAndNoneIsTheOrigin)
{
    Path single({{3, 4, 5}});
    EXPECT_EQ(curvePointAt(single.list, 0.0), Ogre::Vector3(3, 4, 5));
    EXPECT_EQ(curvePointAt(single.list, 0.8), Ogre::Vector3(3, 4, 5));
    EXPECT_EQ(curvePointAt({}, 0.5), Ogre::Vector3::ZERO);
}

TEST(CurvePointAt, TwoWaypointsEaseWithZeroTangents)
{
    Path path({{0, 0, 0}, {8, 0, 4}});
    for (double t : {0.0, 0.25, 0.5, 0.9}) {
        const float eased = static_cast<float>(3 * t * t - 2 * t * t * t);
        expectNear(curvePointAt(path.list, t), Ogre::Vector3(8, 0, 4) * eased);
    }
    expectSegments(path, {{1, 0, 0, 1, 1, 0.0f, 0.0f}});
}

TEST(CurvePointAt, ThreeWaypointsOpenPath)
{
    Path path(threePoints);
    expectSegments(path, {{1, 0, 0, 1, 2, 0.0f, path.k(1)}, {2, 0, 1, 2, 2, path.k(1), 0.0f}});
}

TEST(CurvePointAt, ThreeWaypointsClosedPathReturnsToTheFirst)
{
    Path path(threePoints, true);
    expectSegments(path, {{1, 0, 0, 1, 1, path.k(0), path.k(1)}, {2, 1, 1, 0, 0, path.k(1), path.k(0)}});
}

TEST(CurvePointAt, LongerOpenPath)
{
    Path path(fivePoints);
    expectSegments(path, {{1, 0, 0, 1, 2, 0.0f, path.k(1)},
                          {2, 0, 1, 2, 3, path.k(1), path.k(2)},
                          {3, 1, 2, 3, 4, path.k(2), path.k(3)},
                          {4, 2, 3, 4, 4, path.k(3), 0.0f}});
}

TEST(CurvePointAt, LongerClosedPath)
{
    Path path(fivePoints, true);
    expectSegments(path, {{1, 3, 0, 1, 2, path.tension(0), path.tension(1)},
                          {2, 0, 1, 2, 3, path.k(1), path.k(2)},
                          {3, 1, 2, 3, 4, path.k(2), path.k(3)},
                          {4, 2, 3, 0, 1, path.k(3), path.tension(0)}});
}

TEST(CurvePointAt, FromOneOnStaysAtTheEndOfTheLastSegment)
{
    Path open(fivePoints);
    expectNear(curvePointAt(open.list, 1.0), open.at(4));
    expectNear(curvePointAt(open.list, 3.5), open.at(4));
    Path closed(fivePoints, true);
    expectNear(curvePointAt(closed.list, 1.0), closed.at(0));
    // Below 0 the curve starts at its first waypoint.
    expectNear(curvePointAt(open.list, -0.5), open.at(0));
}

TEST(BuildCurvePoints, FewerThanTwoWaypointsGiveAnEmptyTable)
{
    Path single({{1, 2, 3}});
    std::vector<CurveSample> table(5, CurveSample{Ogre::Vector3::ZERO, 1.0f});
    buildCurvePoints(single.list, table);
    EXPECT_TRUE(table.empty());
}

TEST(BuildCurvePoints, SamplesTheCurveAThousandTimesWithItsArcLength)
{
    Path path({{0, 0, 0}, {10, 0, 0}});
    std::vector<CurveSample> table;
    buildCurvePoints(path.list, table);
    ASSERT_EQ(table.size(), 1000u);
    EXPECT_EQ(table[0].position, Ogre::Vector3::ZERO);
    EXPECT_EQ(table[0].distance, 0.0f);
    for (std::size_t i = 1; i < table.size(); ++i)
        ASSERT_GE(table[i].distance, table[i - 1].distance) << i;
    // On a straight line the length up to t = 0.999 is the point reached there.
    expectNear(table[999].position, curvePointAt(path.list, 0.999));
    EXPECT_NEAR(table[999].distance, table[999].position.x, 1e-3f);
    EXPECT_EQ(path[0].curveParam, 0.0);
    EXPECT_EQ(path[0].curveDistance, 0.0);
    EXPECT_NEAR(path[1].curveParam, 0.999, 1e-6);
    EXPECT_NEAR(path[1].curveDistance, table[999].distance, 1e-4);
}

TEST(BuildCurvePoints, WeighsTurnsAndPlacesInnerWaypointsOnTheTable)
{
    Path straight({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}});
    std::vector<CurveSample> table;
    buildCurvePoints(straight.list, table);
    EXPECT_FLOAT_EQ(straight[1].curveWeight, 0.0f);
    // The first sample close enough to the waypoint, for its step, marks it.
    EXPECT_NEAR(straight[1].curveParam, 0.5, 0.005);
    const auto marked = static_cast<std::size_t>(std::lround(straight[1].curveParam * 1000));
    EXPECT_NEAR(straight[1].curveDistance, table[marked].distance, 1e-4);
    // The end waypoints keep their weights.
    EXPECT_FLOAT_EQ(straight[0].curveWeight, 0.9f);
    EXPECT_FLOAT_EQ(straight[2].curveWeight, 0.7f);

    Path rightAngle(threePoints);
    buildCurvePoints(rightAngle.list, table);
    EXPECT_FLOAT_EQ(rightAngle[1].curveWeight, 1.0f);

    Path sharp({{0, 0, 0}, {10, 0, 0}, {0, 0, 1}});
    buildCurvePoints(sharp.list, table);
    EXPECT_FLOAT_EQ(sharp[1].curveWeight, 1.0f);
}
