#include "app/StickDirection.h"

#include "combat/Player.h"

#include <gtest/gtest.h>

namespace {

// The ship's direction state, which is all the quantiser reads and writes.
struct Facing {
    std::uint32_t code;
    bool alternative;
};

Facing playerFacing(std::uint32_t code, bool alternative = false)
{
    return {code, alternative};
}

std::uint32_t quantized(Ogre::Vector2 stick, int ways, Facing facing)
{
    Player player;
    player.directionCode = facing.code;
    player.isAlternativeDirection = facing.alternative;
    quantizeStickDirection(stick, ways, player);
    return player.directionCode;
}

// Just inside and just outside the 0.95 cone around a diagonal, 45 degrees from +x.
Ogre::Vector2 atDegrees(float degrees)
{
    const float radians = Ogre::Degree(degrees).valueRadians();
    return {std::cos(radians), std::sin(radians)};
}

} // namespace

TEST(StickDirection, TableHoldsEightUnitDirections)
{
    initDirectionTable();
    const float s = 0.70710677f;
    EXPECT_EQ(directionTable[0], Ogre::Vector2(1, 0));
    EXPECT_FLOAT_EQ(directionTable[1].x, s);
    EXPECT_FLOAT_EQ(directionTable[1].y, -s);
    EXPECT_EQ(directionTable[2], Ogre::Vector2(0, -1));
    EXPECT_EQ(directionTable[4], Ogre::Vector2(-1, 0));
    EXPECT_EQ(directionTable[6], Ogre::Vector2(0, 1));
    for (const Ogre::Vector2& direction : directionTable)
        EXPECT_NEAR(direction.length(), 1.0f, 1e-6f);
}

TEST(StickDirection, TinyStickLeavesTheCode)
{
    EXPECT_EQ(quantized({0.009f, 0.0f}, 8, playerFacing(5)), 5u);
    EXPECT_EQ(quantized({0.005f, -0.005f}, 4, playerFacing(2)), 2u);
    EXPECT_EQ(quantized({0.0f, 0.0f}, 2, playerFacing(4)), 4u);
}

TEST(StickDirection, EightWaysTakesTheNearestSector)
{
    EXPECT_EQ(quantized({1, 0}, 8, playerFacing(3)), 0u);
    EXPECT_EQ(quantized({1, 1}, 8, playerFacing(0)), 1u);
    EXPECT_EQ(quantized({0, 1}, 8, playerFacing(0)), 2u);
    EXPECT_EQ(quantized({-1, 0}, 8, playerFacing(0)), 4u);
    EXPECT_EQ(quantized({0, -1}, 8, playerFacing(0)), 6u);
    EXPECT_EQ(quantized({1, -1}, 8, playerFacing(0)), 7u);
    EXPECT_EQ(quantized(atDegrees(22.0f), 8, playerFacing(4)), 0u);
    EXPECT_EQ(quantized(atDegrees(23.0f), 8, playerFacing(4)), 1u);
}

TEST(StickDirection, OtherWayCountsStayWithinTheTable)
{
    EXPECT_EQ(quantized({1, -1}, 0, playerFacing(0)), 7u);
    EXPECT_EQ(quantized({1, -1}, 16, playerFacing(0)), 7u);
    EXPECT_EQ(quantized({0, 1}, -3, playerFacing(0)), 2u);
}

TEST(StickDirection, FourWaysHoldsTheCodeInsideTheDiagonalCones)
{
    // Up (code 2) holds near either upper diagonal, and gives way outside the cone.
    EXPECT_EQ(quantized(atDegrees(40.0f), 4, playerFacing(2)), 2u);
    EXPECT_EQ(quantized(atDegrees(140.0f), 4, playerFacing(2)), 2u);
    EXPECT_EQ(quantized(atDegrees(20.0f), 4, playerFacing(2)), 0u);
    // From right (code 0) the same upper-right stick stays right, then turns up.
    EXPECT_EQ(quantized(atDegrees(50.0f), 4, playerFacing(0)), 0u);
    EXPECT_EQ(quantized(atDegrees(70.0f), 4, playerFacing(0)), 2u);
    // Codes 4 and 6 and the plain sectors.
    EXPECT_EQ(quantized(atDegrees(-130.0f), 4, playerFacing(4)), 4u);
    EXPECT_EQ(quantized(atDegrees(-130.0f), 4, playerFacing(6)), 6u);
    EXPECT_EQ(quantized({-1, 0}, 4, playerFacing(6)), 4u);
    EXPECT_EQ(quantized({0, -1}, 4, playerFacing(1)), 6u);
}

TEST(StickDirection, TwoWaysTurnsOnlyLeftAndRight)
{
    EXPECT_EQ(quantized({-1, 0}, 2, playerFacing(0)), 4u);
    EXPECT_EQ(quantized({1, 0}, 2, playerFacing(4)), 0u);
    // A stick in the upper or lower quarter keeps the side.
    EXPECT_EQ(quantized({0, 1}, 2, playerFacing(4)), 4u);
    EXPECT_EQ(quantized({0, -1}, 2, playerFacing(0)), 0u);
    EXPECT_EQ(quantized(atDegrees(130.0f), 2, playerFacing(0)), 0u);
    EXPECT_EQ(quantized(atDegrees(160.0f), 2, playerFacing(0)), 4u);
    EXPECT_EQ(quantized(atDegrees(-20.0f), 2, playerFacing(4)), 0u);
}

TEST(StickDirection, TwoWaysWithTheAlternativeFlagTurnsOnlyUpAndDown)
{
    EXPECT_EQ(quantized({0, 1}, 2, playerFacing(6, true)), 2u);
    EXPECT_EQ(quantized({0, -1}, 2, playerFacing(2, true)), 6u);
    // Left or right keeps up or down.
    EXPECT_EQ(quantized({1, 0}, 2, playerFacing(2, true)), 2u);
    EXPECT_EQ(quantized({-1, 0}, 2, playerFacing(6, true)), 6u);
    EXPECT_EQ(quantized(atDegrees(50.0f), 2, playerFacing(6, true)), 2u);
    EXPECT_EQ(quantized(atDegrees(-50.0f), 2, playerFacing(6, true)), 6u);
}
