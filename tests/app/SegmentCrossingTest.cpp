#include "app/SegmentCrossing.h"

#include "app/ObbOutlines.h"

#include <gtest/gtest.h>

TEST(SegmentCrossing, FindsWhereALaserEntersTheOutline)
{
    Obb target;
    makeSquareOutline(target, {0.5f, 0.5f}, 0.1f);
    Ogre::Vector2 crossing;
    segmentObbIntersection(crossing, target, {0.5f, 1.0f}, {0.5f, 0.5f});
    EXPECT_NEAR(crossing.x, 0.5f, 1e-6f);
    EXPECT_NEAR(crossing.y, 0.6f, 1e-6f);
}

TEST(SegmentCrossing, ALaserThroughTheOutlineGivesOneOfItsTwoCrossings)
{
    Obb target;
    makeSquareOutline(target, {0.5f, 0.5f}, 0.1f, 30.0f);
    Ogre::Vector2 crossing;
    segmentObbIntersection(crossing, target, {0.0f, 0.5f}, {1.0f, 0.5f});
    EXPECT_NEAR(crossing.y, 0.5f, 1e-6f);
    // The square's edges cross the line y = 0.5 at x = 0.5 -+ 0.1 / cos 30.
    EXPECT_NEAR(std::abs(crossing.x - 0.5f), 0.1f / std::cos(0.5235988f), 1e-5f);
}

TEST(SegmentCrossing, MissOrEmptyOutlineGivesTheOrigin)
{
    Obb target;
    Ogre::Vector2 crossing(3, 3);
    segmentObbIntersection(crossing, target, {0, 0}, {1, 1});
    EXPECT_EQ(crossing, Ogre::Vector2::ZERO);

    makeSquareOutline(target, {0.5f, 0.5f}, 0.1f);
    crossing = {3, 3};
    segmentObbIntersection(crossing, target, {0.0f, 0.0f}, {1.0f, 0.1f});
    EXPECT_EQ(crossing, Ogre::Vector2::ZERO);
    // A segment wholly inside crosses nothing either.
    segmentObbIntersection(crossing, target, {0.45f, 0.5f}, {0.55f, 0.5f});
    EXPECT_EQ(crossing, Ogre::Vector2::ZERO);
}
