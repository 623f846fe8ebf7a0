#include "combat/OutlineFootprint.h"

#include "world/Obb.h"

#include <algorithm>
#include <cmath>

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
        axisWeight[k] = std::abs(axisX[k]) + std::abs(axisY[k]);
        axisSweep[k] = std::abs(axisX[k] * spot.movement.x + axisY[k] * spot.movement.y);
    }
}

bool OutlineFootprint::separatesBox(const OutlineFootprint& a, const OutlineFootprint& b)
{
    const ScreenSpot& box = b.spot;
    if (!a.spot.hasEdges || !box.hasEdges)
        return true;
    const float size = std::max(a.scale, b.scale) + a.moving + b.moving;
    for (std::size_t k = 0; k < a.axisCount; ++k) {
        const float x = a.axisX[k], y = a.axisY[k];
        // The box's extent along the axis, swept by either movement either way.
        const float sweep = a.axisSweep[k] + std::abs(x * box.movement.x + y * box.movement.y);
        const float least = x * (x >= 0.0f ? box.low.x : box.high.x) + y * (y >= 0.0f ? box.low.y : box.high.y) - sweep;
        const float most = x * (x >= 0.0f ? box.high.x : box.low.x) + y * (y >= 0.0f ? box.high.y : box.low.y) + sweep;
        const float widening = relativeWidening * a.axisWeight[k] * size;
        if (least > a.axisMax[k] + widening || most < a.axisMin[k] - widening)
            return true;
    }
    return false;
}
