// The separating-axis tests between two projected collision outlines, after
// the broad test on the centres. An outline is closed (its last point repeats
// its first), so its point count - 1 edges give its axes, and projecting it
// needs all points but the last. The outlines are projected onto four axes at
// a time, which the compiler turns into vector operations; the axes are then
// judged one by one in their order. Once an axis has cleared a flag nothing
// sets it again, so the order of the work changes no result.
#include "world/Obb.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::size_t groupSize = 4;
constexpr std::size_t edgesPerOutline = 8;

// The axes of a pair: lanes 0 to 7 hold the normals (-y, x) of A's edges,
// lanes 8 to 15 those of B's. Lanes past an outline's edge count are
// projected with the others but never judged.
struct PairAxes {
    float x[2 * edgesPerOutline];
    float y[2 * edgesPerOutline];
};

struct Interval {
    float min;
    float max;
};

struct GroupProjection {
    float min[groupSize];
    float max[groupSize];
};

std::size_t edgeCount(const Obb& obb)
{
    return std::min(obb.outline.size() - 1, obb.edges.size());
}

PairAxes axesOf(const Obb& a, const Obb& b, bool normalised)
{
    PairAxes axes;
    for (std::size_t i = 0; i < edgesPerOutline; ++i) {
        axes.x[i] = -a.edges[i].y;
        axes.y[i] = a.edges[i].x;
        axes.x[i + edgesPerOutline] = -b.edges[i].y;
        axes.y[i + edgesPerOutline] = b.edges[i].x;
    }
    if (normalised)
        for (std::size_t i = 0; i < 2 * edgesPerOutline; ++i) {
            Ogre::Vector2 axis(axes.x[i], axes.y[i]);
            if (axis.length() > 0.0f)
                axis.normalise();
            axes.x[i] = axis.x;
            axes.y[i] = axis.y;
        }
    return axes;
}

// The outline projected onto the four axes from the given lanes.
inline GroupProjection projectionOf(const std::vector<Ogre::Vector2>& outline, const float* axisX, const float* axisY)
{
    const Ogre::Vector2* point = outline.data();
    const std::size_t count = outline.size() - 1;
    GroupProjection projection;
    for (std::size_t k = 0; k < groupSize; ++k)
        projection.min[k] = projection.max[k] = axisX[k] * point[0].x + axisY[k] * point[0].y;
    for (std::size_t i = 1; i < count; ++i) {
        const float px = point[i].x, py = point[i].y;
        for (std::size_t k = 0; k < groupSize; ++k) {
            const float along = axisX[k] * px + axisY[k] * py;
            projection.min[k] = along < projection.min[k] ? along : projection.min[k];
            projection.max[k] = along > projection.max[k] ? along : projection.max[k];
        }
    }
    return projection;
}

// Calls test (axis, A's interval, B's interval) for every axis in order until it returns false.
template <typename AxisTest>
void forEachAxis(const Obb& a, const Obb& b, bool normalised, AxisTest test)
{
    const PairAxes axes = axesOf(a, b, normalised);
    const std::size_t counts[2] = {edgeCount(a), edgeCount(b)};
    for (std::size_t side = 0; side < 2; ++side)
        for (std::size_t first = 0; first < counts[side]; first += groupSize) {
            const std::size_t lane = side * edgesPerOutline + first;
            const GroupProjection onA = projectionOf(a.outline, axes.x + lane, axes.y + lane);
            const GroupProjection onB = projectionOf(b.outline, axes.x + lane, axes.y + lane);
            for (std::size_t k = 0; k < groupSize && first + k < counts[side]; ++k)
                if (!test(Ogre::Vector2(axes.x[lane + k], axes.y[lane + k]), Interval{onA.min[k], onA.max[k]},
                          Interval{onB.min[k], onB.max[k]}))
                    return;
        }
}

// Above 0 the intervals are apart.
float distanceBetween(const Interval& a, const Interval& b)
{
    return a.min >= b.min ? a.min - b.max : b.min - a.max;
}

// The first interval stretched by its movement along the axis.
Interval sweptBy(Interval interval, float along)
{
    (along >= 0.0f ? interval.max : interval.min) += along;
    return interval;
}

// Written out rather than with Ogre's dotProduct, whose sum starts from 0.
float along(const Ogre::Vector2& axis, const Ogre::Vector2& vector)
{
    return axis.x * vector.x + axis.y * vector.y;
}

// Fewer than two points make no edge at all.
bool haveEdges(const Obb& a, const Obb& b)
{
    return a.outline.size() >= 2 && b.outline.size() >= 2;
}

} // namespace

Obb::AxisVerdict Obb::separateOnAxes(const Obb& a, const Obb& b, const Ogre::Vector2& velocity)
{
    AxisVerdict verdict;
    if (!haveEdges(a, b))
        return verdict;
    verdict.willIntersect = true;
    verdict.intersect = true;
    forEachAxis(a, b, false, [&](const Ogre::Vector2& axis, const Interval& onA, const Interval& onB) {
        if (distanceBetween(onA, onB) > 0.0f)
            verdict.intersect = false;
        if (distanceBetween(sweptBy(onA, -along(axis, velocity)), onB) > 0.0f)
            verdict.willIntersect = false;
        return verdict.intersect || verdict.willIntersect;
    });
    return verdict;
}

void Obb::collidesWithContact(const Obb& a, const Obb& b, const Ogre::Vector2& velocity, CollisionResult& result)
{
    result.willIntersect = false;
    result.intersect = false;
    result.minimumTranslationVector = Ogre::Vector2::ZERO;
    if (!centresAreNear(a, b) || !haveEdges(a, b))
        return;
    result.willIntersect = true;
    result.intersect = true;
    float minimum = std::numeric_limits<float>::infinity();
    Ogre::Vector2 translationAxis = Ogre::Vector2::ZERO;
    forEachAxis(a, b, true, [&](const Ogre::Vector2& axis, const Interval& onA, const Interval& onB) {
        if (distanceBetween(onA, onB) > 0.0f)
            result.intersect = false;
        // The velocity counts the other way round than in collides.
        const float distance = distanceBetween(sweptBy(onA, along(axis, velocity)), onB);
        if (distance > 0.0f)
            result.willIntersect = false;
        if (!result.intersect && !result.willIntersect)
            return false;
        if (std::abs(distance) < minimum) {
            minimum = std::abs(distance);
            // Pointing from B towards A.
            translationAxis = (a.centre - b.centre).dotProduct(axis) < 0.0f ? -axis : axis;
        }
        return true;
    });
    if (result.willIntersect)
        result.minimumTranslationVector = translationAxis * minimum;
}
