// A compact copy of what a broad phase reads of a projected outline: its
// centre, broad-phase radius and movement, its screen box, and its own
// separating axes with the outline's extent along each. Two footprints say
// when the separating-axis tests of their outlines cannot find them meeting:
// their centres are too far apart, or one of the tests' axes separates the
// one outline from the other's box swept by both movements. Every bound is
// widened by far more than the tests' rounding, so a pair ruled out here is
// one the tests rule out too, whichever way they count the movement.
#pragma once

#include <OgreVector.h>

#include <array>
#include <cstdint>

class Obb;

class OutlineFootprint {
public:
    OutlineFootprint() = default;
    // Copies the centre and radius; the movement and the outline only when
    // shaped, so that a shot far from everything reads no more of its outline.
    explicit OutlineFootprint(const Obb& obb) { place(obb); }
    void place(const Obb& obb);
    // Takes the box, the axes and the extents from the outline.
    void shape(const Obb& obb);

    // Whether the tests cannot find the two outlines meeting.
    static bool centresApart(const OutlineFootprint& a, const OutlineFootprint& b);
    // Both footprints shaped.
    static bool axesApart(const OutlineFootprint& a, const OutlineFootprint& b);

    static constexpr std::size_t maximumAxes = 8;

private:
    // Whether one of a's axes keeps b's swept box off a's outline.
    static bool separatesBox(const OutlineFootprint& a, const OutlineFootprint& b);

    Ogre::Vector2 centre = Ogre::Vector2::ZERO;
    float radius = 0.0f;
    Ogre::Vector2 movement = Ogre::Vector2::ZERO;
    // The smallest and largest x and y of the outline's points.
    Ogre::Vector2 low = Ogre::Vector2::ZERO;
    Ogre::Vector2 high = Ogre::Vector2::ZERO;
    // The largest size of a coordinate or of the movement, for the widening.
    float scale = 0.0f;
    // An outline of fewer than two points meets nothing.
    bool hasEdges = false;
    std::uint8_t axisCount = 0;
    std::array<float, maximumAxes> axisX{}, axisY{}, axisMin{}, axisMax{};
};
