// A compact copy of what a broad phase reads of a projected outline: its
// spot (centre, broad-phase radius, movement, screen box) and its own
// separating axes with the outline's extent along each. The spots and
// footprints say when the separating-axis tests of two outlines cannot find
// them meeting: their centres are too far apart, or one of the tests' axes
// separates the one outline from the other's box swept by both movements.
// Every bound is widened by far more than the tests' rounding, so a pair
// ruled out here is one the tests rule out too, whichever way they count the
// movement.
#pragma once

#include "world/ScreenSpot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

class Obb;

class OutlineFootprint {
public:
    OutlineFootprint() = default;
    // The spot alone; shape adds the axes.
    explicit OutlineFootprint(const ScreenSpot& at) { place(at); }
    void place(const ScreenSpot& at)
    {
        spot = at;
        scale = scaleOf(at);
        moving = largestOf(at.movement);
    }
    // Takes the axes and the extents from the outline the spot was taken of.
    void shape(const Obb& obb);
    const ScreenSpot& where() const { return spot; }

    // Whether the tests cannot find the two outlines meeting. Inline: most
    // pairs of a shot's cells end here.
    static bool centresApart(const ScreenSpot& a, const ScreenSpot& b)
    {
        // The tests' own centre test, its reach widened: only pairs clearly
        // beyond it are ruled out. The tests compare squares, so a negative
        // sum of radii reaches as far as its size. A NaN rules out nothing.
        const float reach = std::abs(a.radius + b.radius);
        const float widened = reach + relativeWidening * (reach + largestOf(a.centre) + largestOf(b.centre));
        return std::abs(a.centre.x - b.centre.x) > widened || std::abs(a.centre.y - b.centre.y) > widened;
    }
    // Whether one of a's axes (a shaped) keeps b's swept box off a's
    // outline; an outline without edges is always apart. Two outlines are
    // apart when either one's axes separate the other's box; b need only
    // be placed.
    static bool separatesBox(const OutlineFootprint& a, const OutlineFootprint& b);

    static constexpr std::size_t maximumAxes = 8;
    // Far above the float rounding of a projection, far below the sizes on screen.
    static constexpr float relativeWidening = 1e-5f;

private:
    static float largestOf(const Ogre::Vector2& v) { return std::max(std::abs(v.x), std::abs(v.y)); }
    // The largest size of a coordinate of the box or of the movement, for the widening.
    static float scaleOf(const ScreenSpot& spot)
    {
        return std::max(std::max(largestOf(spot.low), largestOf(spot.high)), largestOf(spot.movement));
    }

    ScreenSpot spot;
    // scaleOf(spot) and the spot's largest movement, taken once at placing.
    float scale = 0.0f;
    float moving = 0.0f;
    std::uint8_t axisCount = 0;
    std::array<float, maximumAxes> axisX{}, axisY{}, axisMin{}, axisMax{};
    // Per axis: the sum of the sizes of its coordinates (for the widening)
    // and the length of the own movement along it.
    std::array<float, maximumAxes> axisWeight{}, axisSweep{};
};
