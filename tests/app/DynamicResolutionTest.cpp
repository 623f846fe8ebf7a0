#include "app/DynamicResolution.h"

#include <gtest/gtest.h>

TEST(DynamicResolution, RequestedShapeFollowsTheWindow)
{
    int width = 1280, height = 960;
    fitToWindowAspect(16.0f / 9.0f, width, height);
    EXPECT_EQ(width, 1706);
    EXPECT_EQ(height, 960);

    width = 1920;
    height = 800;
    fitToWindowAspect(16.0f / 9.0f, width, height);
    EXPECT_EQ(width, 1920);
    EXPECT_EQ(height, 1080);

    width = 1280;
    height = 720;
    fitToWindowAspect(1280.0f / 720.0f, width, height);
    EXPECT_EQ(width, 1280);
    EXPECT_EQ(height, 720);
}
