#include "combat/OutlineFootprint.h"

#include "world/Obb.h"

#include <algorithm>
#include <cmath>

namespace {

// Far above the float rounding of a projection, far below the sizes on screen.
constexpr float relativeWidening = 1e-5f;

float largestOf(const Ogre::Vector2& v)
{
    return std::max(std::abs(v.x), std::abs(v.y));
}

// The largest size of a coordinate of the box or of the movement, for the widening.
float scaleOf(const ScreenSpot& spot)
{
    return std::max(std::max(largestOf(spot.low), largestOf(spot.high)), largestOf(spot.movement));
}

} // namespace

void OutlineFootprint::shape(const Obb& obb)
{
    axisCount = 0;
    if (!spot.hasEdges || obb.outline.size() < 2)
        return;
    // The last point repeats the first; the tests project all the others.
    const std::size_t count = obb.outline.size() - 1;
    axisCount = static_cast<std::uint8_t>(std::min(count, maximumAxes));
    for (std::size_t k = 0; k < axisCount; ++k) {
        axisX[k] = -obb.edges[k].y;
        axisY[k] = obb.edges[k].x;
        float least = axisX[k] * obb.outline[0].x + axisY[k] * obb.outline[0].y;
        float most = least;
        for (std::size_t i = 1; i < count; ++i) {
            const float along = axisX[k] * obb.outline[i].x + axisY[k] * obb.outline[i].y;
            least = std::min(least, along);
            most = std::max(most, along);
        }
        axisMin[k] = least;
        axisMax[k] = most;
    }
}

bool OutlineFootprint::centresApart(const ScreenSpot& a, const ScreenSpot& b)
{
    // The tests' own centre test, its reach widened: only pairs clearly
    // beyond it are ruled out. The tests compare squares, so a negative sum
    // of radii reaches as far as its size. A NaN rules out nothing.
    const float reach = std::abs(a.radius + b.radius);
    const float widened = reach + relativeWidening * (reach + largestOf(a.centre) + largestOf(b.centre));
    return std::abs(a.centre.x - b.centre.x) > widened || std::abs(a.centre.y - b.centre.y) > widened;
}

bool OutlineFootprint::separatesBox(const OutlineFootprint& a, const ScreenSpot& b)
{
    if (!a.spot.hasEdges || !b.hasEdges)
        return true;
    const float size = std::max(scaleOf(a.spot), scaleOf(b)) + largestOf(a.spot.movement) + largestOf(b.movement);
    for (std::size_t k = 0; k < a.axisCount; ++k) {
        const float x = a.axisX[k], y = a.axisY[k];
        // The box's extent along the axis, swept by either movement either way.
        const float sweep =
            std::abs(x * a.spot.movement.x + y * a.spot.movement.y) + std::abs(x * b.movement.x + y * b.movement.y);
        const float least = x * (x >= 0.0f ? b.low.x : b.high.x) + y * (y >= 0.0f ? b.low.y : b.high.y) - sweep;
        const float most = x * (x >= 0.0f ? b.high.x : b.low.x) + y * (y >= 0.0f ? b.high.y : b.low.y) + sweep;
        const float widening = relativeWidening * (std::abs(x) + std::abs(y)) * size;
        if (least > a.axisMax[k] + widening || most < a.axisMin[k] - widening)
            return true;
    }
    return false;
}
