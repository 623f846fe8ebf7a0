#include "app/SegmentCrossing.h"

#include "world/Obb.h"

#include <boost/geometry.hpp>
#include <boost/geometry/geometries/linestring.hpp>
#include <boost/geometry/geometries/point_xy.hpp>

#include <vector>

namespace {

using Point = boost::geometry::model::d2::point_xy<double>;
using Line = boost::geometry::model::linestring<Point>;

Point toPoint(const Ogre::Vector2& point)
{
    return {point.x, point.y};
}

} // namespace

void segmentObbIntersection(Ogre::Vector2& out, const Obb& obb, const Ogre::Vector2& start, const Ogre::Vector2& end)
{
    out = Ogre::Vector2::ZERO;
    if (obb.outline.empty())
        return;
    const Line segment{toPoint(start), toPoint(end)};
    Line boundary;
    for (const Ogre::Vector2& point : obb.outline)
        boundary.push_back(toPoint(point));
    boundary.push_back(toPoint(obb.outline.front()));
    std::vector<Point> crossings;
    boost::geometry::intersection(segment, boundary, crossings);
    if (!crossings.empty())
        out = {static_cast<float>(crossings.front().x()), static_cast<float>(crossings.front().y())};
}
