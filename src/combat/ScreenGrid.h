// A broad phase for the collision tests on the screen: the outlines a shot
// may meet, found without testing it against every one of them. Two outlines
// can only meet when their centres lie closer on both axes than the sum of
// their broad-phase radii. Each target outline is filed in the cells of a
// uniform grid over the screen that its square covers, the square reaching
// from its centre by its radius plus a shot reach; a shot no wider than that
// reach then needs only the one cell under its centre, and a wider one the
// cells under its centre widened by the difference. Cells beyond the screen
// are folded onto the border cells, so outlines off screen are still found.
// Of a shot's cells' targets, those its outline cannot meet by the
// collision tests' own reckoning are left out before any test (see
// OutlineFootprint), so that only close pairs reach the tests. A shot is
// looked up by its spot (ScreenSpot), which the shot pools keep side by
// side: its outline, a large object elsewhere, is read only for the targets
// its spot does not rule out. The targets a shot may meet come out in the
// order they were added, each once: a caller that tests them in that order
// finds exactly the hits of testing every pair, in the same order.
#pragma once

#include "combat/OutlineFootprint.h"

#include <cstdint>
#include <vector>

class Obb;

class ScreenGrid {
public:
    // The targets near one outline, in the order they were added.
    struct Near {
        const std::int32_t* first = nullptr;
        const std::int32_t* last = nullptr;
        const std::int32_t* begin() const { return first; }
        const std::int32_t* end() const { return last; }
        bool empty() const { return first == last; }
    };

    // A grid of cellsPerSide x cellsPerSide cells over the screen (at least
    // 1); shots up to the reach (a broad-phase radius) look in one cell.
    explicit ScreenGrid(int cellsPerSide = defaultCellsPerSide, float shotReach = defaultShotReach);

    // Forgets the targets; the storage stays for the next frame.
    void clear();
    // Files the outline as the next target (numbered from 0 in the order of
    // adding). An outline whose centre or radius is not a number can meet
    // nothing and is filed nowhere, but still takes its number.
    std::int32_t add(const Obb& target);
    std::int32_t size() const { return static_cast<std::int32_t>(targets.size()); }
    const Obb& target(std::int32_t number) const { return *targets[static_cast<std::size_t>(number)]; }
    // The targets that may meet the shot, from its spot as of its last
    // projection: the outline itself is read only for the targets that
    // pass the spot's tests. Neither may change between the adding and the
    // tests. Valid until the next call.
    Near near(const ScreenSpot& spot, const Obb& shot);
    // The same from the outline's stored spot, else from its spot taken now.
    Near near(const Obb& shot);

    static constexpr int defaultCellsPerSide = 32;
    // Shots of a few units flying at play speeds, seen from the collision camera.
    static constexpr float defaultShotReach = 0.025f;

private:
    struct CellBox {
        std::int32_t x0 = 0, y0 = 0, x1 = -1, y1 = -1;
        bool empty() const { return x1 < x0; }
    };

    // The cells of the outline's square, its radius changed by the amount.
    CellBox boxOf(const ScreenSpot& outline, float change) const;
    std::int32_t cellFor(float screen) const;
    // Lays the filed boxes out cell by cell, once per frame after the adding.
    void sortIntoCells();
    // The cells' targets the shot may meet, in order, into gathered.
    Near gather(const CellBox& box, const ScreenSpot& spot, const Obb& shot);
    void keepMeetable(const std::int32_t* first, const std::int32_t* last, const ScreenSpot& spot, const Obb& shot);

    // Whether the shot's centre lies too far from every filed square for it
    // to meet any target.
    bool isBeyondAll(const ScreenSpot& shot) const;

    const std::int32_t cellsPerSide;
    const float shotReach;
    std::vector<const Obb*> targets;
    std::vector<CellBox> boxes;
    // The screen span of the filed squares: lowest and highest x and y.
    Ogre::Vector2 spanLow, spanHigh;
    std::vector<OutlineFootprint> footprints;
    std::vector<std::int32_t> inCells;
    // The shot of the last call, kept for its storage.
    OutlineFootprint probe;
    // The targets of cell c are entries[cellStart[c]] up to entries[cellStart[c + 1]].
    std::vector<std::int32_t> cellStart;
    std::vector<std::int32_t> entries;
    std::vector<std::int32_t> gathered;
    bool isSorted = false;
};
