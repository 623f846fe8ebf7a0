#include "combat/ScreenGrid.h"

#include "world/Obb.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Rounding in the centre test may let two outlines pass that lie apart by a
// hair more than their radii; the squares are widened by more than that.
float widening(float centre, float radius)
{
    return 1e-5f + 1e-6f * (std::abs(centre) + radius);
}

} // namespace

ScreenGrid::ScreenGrid(int cellsPerSide, float shotReach)
    : cellsPerSide(std::max(1, cellsPerSide)), shotReach(std::max(0.0f, shotReach))
{
    cellStart.assign(static_cast<std::size_t>(this->cellsPerSide * this->cellsPerSide) + 1, 0);
    clear();
}

void ScreenGrid::clear()
{
    targets.clear();
    boxes.clear();
    footprints.clear();
    spanLow = Ogre::Vector2(std::numeric_limits<float>::infinity());
    spanHigh = -spanLow;
    isSorted = false;
}

std::int32_t ScreenGrid::add(const Obb& target)
{
    const ScreenSpot spot = target.screenSpot();
    targets.push_back(&target);
    boxes.push_back(boxOf(spot, shotReach));
    if (!boxes.back().empty()) {
        const float radius = std::max(spot.radius, 0.0f) + shotReach;
        const Ogre::Vector2 reach(radius + widening(spot.centre.x, radius), radius + widening(spot.centre.y, radius));
        spanLow.makeFloor(spot.centre - reach);
        spanHigh.makeCeil(spot.centre + reach);
    }
    footprints.emplace_back(spot);
    footprints.back().shape(target);
    isSorted = false;
    return size() - 1;
}

std::int32_t ScreenGrid::cellFor(float screen) const
{
    // Clamped while still a float (an infinite reach covers the whole row);
    // inside the grid truncation is the floor.
    const float cell = screen * static_cast<float>(cellsPerSide);
    return static_cast<std::int32_t>(std::min(std::max(cell, 0.0f), static_cast<float>(cellsPerSide - 1)));
}

ScreenGrid::CellBox ScreenGrid::boxOf(const ScreenSpot& outline, float change) const
{
    const Ogre::Vector2& centre = outline.centre;
    if (std::isnan(outline.radius) || !std::isfinite(centre.x) || !std::isfinite(centre.y))
        return {};
    // A negative radius only shortens the other's reach: as 0 the square
    // still holds every pair. A shot's square shrinks by the reach the
    // targets' squares were widened by, down to its centre.
    const float radius = std::max(std::max(outline.radius, 0.0f) + change, 0.0f);
    const float reachX = radius + widening(centre.x, radius);
    const float reachY = radius + widening(centre.y, radius);
    return {cellFor(centre.x - reachX), cellFor(centre.y - reachY), cellFor(centre.x + reachX),
            cellFor(centre.y + reachY)};
}

void ScreenGrid::sortIntoCells()
{
    std::fill(cellStart.begin(), cellStart.end(), 0);
    for (const CellBox& box : boxes)
        for (std::int32_t y = box.y0; y <= box.y1; ++y)
            for (std::int32_t x = box.x0; x <= box.x1; ++x)
                ++cellStart[static_cast<std::size_t>(y * cellsPerSide + x) + 1];
    for (std::size_t cell = 1; cell < cellStart.size(); ++cell)
        cellStart[cell] += cellStart[cell - 1];
    entries.resize(static_cast<std::size_t>(cellStart.back()));
    // Filled from each cell's start in the order of adding: every cell lists
    // its targets in that order. cellStart is moved on while filling and
    // moved back after.
    for (std::size_t number = 0; number < boxes.size(); ++number) {
        const CellBox& box = boxes[number];
        for (std::int32_t y = box.y0; y <= box.y1; ++y)
            for (std::int32_t x = box.x0; x <= box.x1; ++x)
                entries[static_cast<std::size_t>(cellStart[static_cast<std::size_t>(y * cellsPerSide + x)]++)] =
                    static_cast<std::int32_t>(number);
    }
    for (std::size_t cell = cellStart.size() - 1; cell > 0; --cell)
        cellStart[cell] = cellStart[cell - 1];
    cellStart[0] = 0;
    isSorted = true;
}

ScreenGrid::Near ScreenGrid::near(const ScreenSpot& spot, const Obb& shot)
{
    if (isBeyondAll(spot))
        return {};
    if (!isSorted)
        sortIntoCells();
    const CellBox box = boxOf(spot, -shotReach);
    if (box.empty())
        return {};
    return gather(box, spot, shot);
}

ScreenGrid::Near ScreenGrid::near(const Obb& shot)
{
    return shot.spot ? near(*shot.spot, shot) : near(shot.screenSpot(), shot);
}

bool ScreenGrid::isBeyondAll(const ScreenSpot& shot) const
{
    // The shot's whole radius, not shortened by the reach the squares were
    // widened by: a shot slightly inside the span goes on to the cells. A
    // centre or radius that is not a number is filed nowhere anyway.
    const Ogre::Vector2& centre = shot.centre;
    const float radius = std::abs(shot.radius);
    return !(centre.x + radius >= spanLow.x && centre.x - radius <= spanHigh.x && centre.y + radius >= spanLow.y &&
             centre.y - radius <= spanHigh.y);
}

ScreenGrid::Near ScreenGrid::gather(const CellBox& box, const ScreenSpot& spot, const Obb& shot)
{
    const std::int32_t* all = entries.data();
    if (box.x0 == box.x1 && box.y0 == box.y1) {
        // The common case of a small shot: one cell, already in order.
        const std::size_t cell = static_cast<std::size_t>(box.y0 * cellsPerSide + box.x0);
        keepMeetable(all + cellStart[cell], all + cellStart[cell + 1], spot, shot);
        return {gathered.data(), gathered.data() + gathered.size()};
    }
    inCells.clear();
    for (std::int32_t y = box.y0; y <= box.y1; ++y)
        for (std::int32_t x = box.x0; x <= box.x1; ++x) {
            const std::size_t cell = static_cast<std::size_t>(y * cellsPerSide + x);
            inCells.insert(inCells.end(), all + cellStart[cell], all + cellStart[cell + 1]);
        }
    std::sort(inCells.begin(), inCells.end());
    inCells.erase(std::unique(inCells.begin(), inCells.end()), inCells.end());
    keepMeetable(inCells.data(), inCells.data() + inCells.size(), spot, shot);
    return {gathered.data(), gathered.data() + gathered.size()};
}

void ScreenGrid::keepMeetable(const std::int32_t* first, const std::int32_t* last, const ScreenSpot& spot,
                              const Obb& shot)
{
    gathered.clear();
    probe.place(spot);
    bool isShaped = false;
    for (const std::int32_t* number = first; number != last; ++number) {
        const OutlineFootprint& target = footprints[static_cast<std::size_t>(*number)];
        // The spot's tests first: the shot's outline is read only past them.
        if (OutlineFootprint::centresApart(spot, target.where()) || OutlineFootprint::separatesBox(target, probe))
            continue;
        if (!isShaped) {
            probe.shape(shot);
            isShaped = true;
        }
        if (!OutlineFootprint::separatesBox(probe, target))
            gathered.push_back(*number);
    }
}
