// Fitting the camera's view to windows of other shapes than the design's.
#include "world/ViewFitting.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float wide = 16.0f / 9.0f;

// The horizontal field of view in radians for a vertical one and an aspect.
float horizontalFov(float fovY, float aspect)
{
    return 2.0f * std::atan(std::tan(fovY / 2.0f) * aspect);
}

TEST(ViewFitting, ADesignShapedWindowShowsTheWholeViewAtTheDesignFov)
{
    const viewportRect rect = fitViewportRect(1920.0f, 1080.0f, wide, true);
    EXPECT_FLOAT_EQ(rect.left, 0.0f);
    EXPECT_FLOAT_EQ(rect.top, 0.0f);
    EXPECT_FLOAT_EQ(rect.width, 1.0f);
    EXPECT_FLOAT_EQ(rect.height, 1.0f);
    EXPECT_FLOAT_EQ(fittedFovY(80.0f, wide, 1920.0f, 1080.0f), 80.0f * 0.017453292f);
}

TEST(ViewFitting, AFourByThreeWindowIsLetterboxedAndKeepsTheWideHorizontalView)
{
    const viewportRect rect = fitViewportRect(1024.0f, 768.0f, wide, true);
    EXPECT_FLOAT_EQ(rect.top, 0.125f);
    EXPECT_FLOAT_EQ(rect.height, 0.75f);
    EXPECT_FLOAT_EQ(rect.left, 0.0f);
    EXPECT_FLOAT_EQ(rect.width, 1.0f);

    const float fovY = fittedFovY(80.0f, wide, 1024.0f, 768.0f);
    EXPECT_GT(fovY, 80.0f * 0.017453292f);
    EXPECT_NEAR(horizontalFov(fovY, 4.0f / 3.0f), horizontalFov(80.0f * 0.017453292f, wide), 1e-5f);
}

TEST(ViewFitting, APortraitWindowGetsBarsAboveAndBelowAndATallerView)
{
    const viewportRect rect = fitViewportRect(1080.0f, 1920.0f, wide, true);
    const float share = (1080.0f / 1920.0f) / wide;
    EXPECT_FLOAT_EQ(rect.height, share);
    EXPECT_FLOAT_EQ(rect.top, (1.0f - share) / 2.0f);

    const float fovY = fittedFovY(80.0f, wide, 1080.0f, 1920.0f);
    EXPECT_NEAR(horizontalFov(fovY, 1080.0f / 1920.0f), horizontalFov(80.0f * 0.017453292f, wide), 1e-5f);
    EXPECT_LT(fovY, 3.1415927f);
}

TEST(ViewFitting, AWiderWindowIsPillarboxedAndKeepsTheDesignFov)
{
    const viewportRect rect = fitViewportRect(2560.0f, 1080.0f, wide, true);
    const float share = wide / (2560.0f / 1080.0f);
    EXPECT_FLOAT_EQ(rect.width, share);
    EXPECT_FLOAT_EQ(rect.left, (1.0f - share) / 2.0f);
    EXPECT_FLOAT_EQ(rect.height, 1.0f);
    EXPECT_FLOAT_EQ(fittedFovY(80.0f, wide, 2560.0f, 1080.0f), 80.0f * 0.017453292f);
}

TEST(ViewFitting, WithoutLetterboxingOrWithoutAWindowSizeTheWholeWindowIsUsed)
{
    const viewportRect free = fitViewportRect(1024.0f, 768.0f, wide, false);
    EXPECT_FLOAT_EQ(free.height, 1.0f);
    EXPECT_FLOAT_EQ(free.top, 0.0f);
    // A minimised window: nothing to divide by, nothing to fit.
    const viewportRect minimised = fitViewportRect(1024.0f, 0.0f, wide, true);
    EXPECT_FLOAT_EQ(minimised.height, 1.0f);
    EXPECT_FLOAT_EQ(fittedFovY(80.0f, wide, 1024.0f, 0.0f), 0.0f);
    EXPECT_FLOAT_EQ(fittedFovY(80.0f, wide, 0.0f, 768.0f), 0.0f);
}

TEST(ViewFitting, TheShadowRangeStaysWithinItsBounds)
{
    EXPECT_FLOAT_EQ(shadowFarDistance(10.0f, 20.0f), 370.0f);
    EXPECT_FLOAT_EQ(shadowFarDistance(300.0f, 20.0f), 420.0f);
    EXPECT_FLOAT_EQ(shadowFarDistance(9000.0f, 20.0f), 470.0f);
    EXPECT_FLOAT_EQ(shadowFarDistance(NAN, 0.0f), 350.0f);
}

} // namespace
