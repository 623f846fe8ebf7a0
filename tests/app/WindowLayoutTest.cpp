#include "app/WindowLayout.h"

#include <SDL_video.h>
#include <gtest/gtest.h>

namespace {

WindowRequest windowed(int width, int height, int posX = 0, int posY = 0)
{
    WindowRequest request;
    request.width = width;
    request.height = height;
    request.posX = posX;
    request.posY = posY;
    return request;
}

} // namespace

TEST(WindowLayout, SmallSizesGrowToTheMinimumAndNegativePositionsBecome64)
{
    const WindowLayout layout = computeWindowLayout(windowed(800, 600, -5, -1), 2560, 1440);
    EXPECT_EQ(layout.width, 1280);
    EXPECT_EQ(layout.height, 720);
    EXPECT_FALSE(layout.centred);
    EXPECT_EQ(layout.x, 64);
    EXPECT_EQ(layout.y, 64);
    EXPECT_EQ(layout.flags, 0x2028u);
    EXPECT_EQ(layout.createWidth, 1280);
}

TEST(WindowLayout, WindowedHeightShrinksToFitBelowItsPosition)
{
    const WindowLayout layout = computeWindowLayout(windowed(1280, 1080, 10, 64), 1920, 1080);
    EXPECT_EQ(layout.height, 965); // (1080 - 64) * 0.95 = 965.2
    EXPECT_EQ(layout.width, 1280);
    EXPECT_EQ(layout.createHeight, 965);
}

TEST(WindowLayout, WindowedAtOriginIsCentredAndFitsTheDesktop)
{
    const WindowLayout layout = computeWindowLayout(windowed(1920, 1080), 1920, 1080);
    EXPECT_TRUE(layout.centred);
    EXPECT_EQ(layout.width, 1824);
    EXPECT_EQ(layout.height, 1026);
}

TEST(WindowLayout, PositionBeyondTheDesktopIsCentredInsteadOfCollapsing)
{
    const WindowLayout layout = computeWindowLayout(windowed(1280, 720, 4000, 3000), 1920, 1080);
    EXPECT_TRUE(layout.centred);
    EXPECT_EQ(layout.width, 1280);
    EXPECT_EQ(layout.height, 720);
}

TEST(WindowLayout, PortraitDesktopNarrowsTheWindowAndItsMinimum)
{
    const WindowLayout layout = computeWindowLayout(windowed(1280, 720), 1080, 1920);
    EXPECT_TRUE(layout.isDesktopPortrait);
    EXPECT_EQ(layout.width, 540);
    EXPECT_EQ(layout.minWidth, 540);
    EXPECT_EQ(layout.minHeight, 720);
}

TEST(WindowLayout, FullScreenModes)
{
    WindowRequest desktop = windowed(1280, 720);
    desktop.fullscreen = 1;
    const WindowLayout borderless = computeWindowLayout(desktop, 2560, 1440);
    EXPECT_EQ(borderless.width, 2560);
    EXPECT_EQ(borderless.height, 1440);
    EXPECT_EQ(borderless.flags, 0x3009u);
    EXPECT_TRUE(borderless.centred);

    WindowRequest exclusive = windowed(1280, 720);
    exclusive.fullscreen = 2;
    const WindowLayout full = computeWindowLayout(exclusive, 2560, 1440);
    EXPECT_EQ(full.createWidth, 1920);
    EXPECT_EQ(full.createHeight, 1080);
    EXPECT_EQ(full.flags, 0x2009u);

    exclusive.fullscreen = 7; // any other mode: desktop-sized full screen
    EXPECT_EQ(computeWindowLayout(exclusive, 2560, 1440).flags, 0x3009u);
}
