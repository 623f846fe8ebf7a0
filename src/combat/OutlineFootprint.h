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

#include <array>
#include <cstdint>

class Obb;

class OutlineFootprint {
public:
    OutlineFootprint() = default;
    // The spot alone, without axes: enough for centresApart.
    explicit OutlineFootprint(const ScreenSpot& spot) : spot(spot) {}
    void place(const ScreenSpot& at) { spot = at; }
    // Takes the axes and the extents from the outline the spot was taken of.
    void shape(const Obb& obb);
    const ScreenSpot& where() const { return spot; }

    // Whether the tests cannot find the two outlines meeting.
    static bool centresApart(const ScreenSpot& a, const ScreenSpot& b);
    // Whether one of a's axes (a shaped) keeps b's swept box off a's outline;
    // an outline without edges is always apart.
    static bool separatesBox(const OutlineFootprint& a, const ScreenSpot& b);
    // Both shaped: either one's axes separate them.
    static bool axesApart(const OutlineFootprint& a, const OutlineFootprint& b)
    {
        return separatesBox(a, b.spot) || separatesBox(b, a.spot);
    }

    static constexpr std::size_t maximumAxes = 8;

private:
    ScreenSpot spot;
    std::uint8_t axisCount = 0;
    std::array<float, maximumAxes> axisX{}, axisY{}, axisMin{}, axisMax{};
};
