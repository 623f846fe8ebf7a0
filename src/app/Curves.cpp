#include "app/Curves.h"

#include "world/Waypoint.h"

#include <algorithm>
#include <cmath>

namespace {

// The four points and two tangent factors of one segment of the curve.
struct SegmentPoints {
    const Waypoint* previous;
    const Waypoint* from;
    const Waypoint* to;
    const Waypoint* next;
    float k0;
    float k1;
};

float weightedTension(const Waypoint* waypoint)
{
    return waypoint->tension * waypoint->curveWeight;
}

// Segments of a path of three waypoints (two segments).
SegmentPoints shortPathSegment(const std::vector<Waypoint*>& p, std::size_t s, bool closed)
{
    if (closed)
        return s == 1 ? SegmentPoints{p[0], p[0], p[1], p[1], weightedTension(p[0]), weightedTension(p[1])}
                      : SegmentPoints{p[1], p[1], p[0], p[0], weightedTension(p[1]), weightedTension(p[0])};
    return s == 1 ? SegmentPoints{p[0], p[0], p[1], p[2], 0.0f, weightedTension(p[1])}
                  : SegmentPoints{p[0], p[1], p[2], p[2], weightedTension(p[1]), 0.0f};
}

// Segment s (1-based, ending at waypoint s) of a path of n >= 2 waypoints.
SegmentPoints segmentPoints(const std::vector<Waypoint*>& p, std::size_t s)
{
    const std::size_t last = p.size() - 1;
    const bool closed = p[0]->isLoop != 0;
    if (last == 1)
        return {p[0], p[0], p[1], p[1], 0.0f, 0.0f};
    if (last == 2)
        return shortPathSegment(p, s, closed);
    if (s == 1)
        return closed ? SegmentPoints{p[last - 1], p[0], p[1], p[2], p[0]->tension, p[1]->tension}
                      : SegmentPoints{p[0], p[0], p[1], p[2], 0.0f, weightedTension(p[1])};
    if (s < last)
        return {p[s - 2], p[s - 1], p[s], p[s + 1], weightedTension(p[s - 1]), weightedTension(p[s])};
    return closed ? SegmentPoints{p[last - 2], p[last - 1], p[0], p[1], weightedTension(p[last - 1]), p[0]->tension}
                  : SegmentPoints{p[last - 2], p[last - 1], p[last], p[last], weightedTension(p[last - 1]), 0.0f};
}

// 1 - (cosine of the turn at the middle point)^50: 0 on a straight line, 1 at a right angle or sharper.
float turnWeight(const Ogre::Vector3& before, const Ogre::Vector3& at, const Ogre::Vector3& after)
{
    Ogre::Vector3 in = at - before;
    Ogre::Vector3 out = after - at;
    if (in.length() > 0.0f)
        in.normalise();
    if (out.length() > 0.0f)
        out.normalise();
    return 1.0f - std::pow(std::max(in.dotProduct(out), 0.0f), 50.0f);
}

} // namespace

void hermiteSplinePoint(Ogre::Vector3& out, const Ogre::Vector3& pPrev, const Ogre::Vector3& p0,
                        const Ogre::Vector3& p1, const Ogre::Vector3& pNext, double t, float k0, float k1)
{
    const Ogre::Vector3 t0 = k0 * (p1 - pPrev);
    const Ogre::Vector3 t1 = k1 * (pNext - p0);
    const Ogre::Vector3 square = 3.0f * p1 - 3.0f * p0 - t1 - 2.0f * t0;
    const Ogre::Vector3 cube = 2.0f * p0 - 2.0f * p1 + t0 + t1;
    const auto t2 = static_cast<float>(t * t);
    const auto t3 = static_cast<float>(t * t * t);
    for (int i = 0; i < 3; ++i)
        out[i] = static_cast<float>(p0[i] + t0[i] * t + static_cast<double>(square[i]) * t2 +
                                    static_cast<double>(cube[i]) * t3);
}

Ogre::Vector3 curvePointAt(const std::vector<Waypoint*>& waypoints, double t)
{
    if (waypoints.empty())
        return Ogre::Vector3::ZERO;
    if (waypoints.size() < 2)
        return waypoints[0]->position;
    const std::size_t segments = waypoints.size() - 1;
    // From 1 on, the end of the last segment: there is no waypoint past it to read.
    const double clamped = t >= 0.0 ? std::min(t, 1.0) : 0.0;
    const double u = static_cast<double>(segments) * clamped;
    const std::size_t s = std::min(static_cast<std::size_t>(std::floor(u)) + 1, segments);
    const SegmentPoints points = segmentPoints(waypoints, s);
    Ogre::Vector3 point;
    hermiteSplinePoint(point, points.previous->position, points.from->position, points.to->position,
                       points.next->position, u - static_cast<double>(s - 1), points.k0, points.k1);
    return point;
}

void buildCurvePoints(const std::vector<Waypoint*>& waypoints, std::vector<CurveSample>& table)
{
    table.clear();
    const std::size_t count = waypoints.size();
    if (count < 2)
        return;
    for (std::size_t i = 1; i + 1 < count; ++i)
        waypoints[i]->curveWeight =
            turnWeight(waypoints[i - 1]->position, waypoints[i]->position, waypoints[i + 1]->position);
    waypoints[0]->curveParam = 0.0;
    waypoints[0]->curveDistance = 0.0;
    Ogre::Vector3 previous = curvePointAt(waypoints, 0.0);
    double total = 0.0;
    std::size_t reached = 0;
    table.reserve(curveSampleCount);
    for (int i = 0; i < curveSampleCount; ++i) {
        const auto t = static_cast<float>(i * 0.001);
        const Ogre::Vector3 point = curvePointAt(waypoints, t);
        const float step = (point - previous).length();
        total += step;
        table.push_back({point, static_cast<float>(total)});
        previous = point;
        // The sample that lands on the next waypoint gives it its parameter and distance.
        if ((point - waypoints[reached]->position).squaredLength() <= 1.5f * step * step) {
            waypoints[reached]->curveParam = t;
            waypoints[reached]->curveDistance = total;
            if (reached < count - 1)
                ++reached;
        }
    }
}
