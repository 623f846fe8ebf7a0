#include "app/WindowLayout.h"

#include <SDL_video.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

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

// Whatever the settings hold, the window lies within the desktop, is at least
// 1x1, and its minimum never makes SDL enlarge it past the render window.
TEST(WindowLayout, EveryRequestGivesAWindowTheDesktopCanShow)
{
    const int huge = 2147483647;
    const std::vector<WindowRequest> requests = {
        windowed(huge, huge), windowed(huge, 720, 1900, 0), windowed(1280, 720, 100, 400),
        windowed(1, 1, 1919, 1079), windowed(-huge - 1, 0, -huge - 1, -1), windowed(0, 0, 3000, 10)};
    const std::vector<std::pair<int, int>> desktops = {{1920, 1080}, {800, 600}, {1080, 1920}, {0, 0}};
    for (WindowRequest request : requests)
        for (const int mode : {0, 1, 2, -3})
            for (const unsigned fullScreen : {0u, 100000u, 4294967295u})
                for (const auto& [width, height] : desktops) {
                    request.fullscreen = mode;
                    request.fullScreenWidth = request.fullScreenHeigth = fullScreen;
                    const WindowLayout l = computeWindowLayout(request, width, height);
                    const int w = std::max(width, 1), h = std::max(height, 1);
                    SCOPED_TRACE(::testing::Message() << request.width << " " << request.posX << " " << mode << " "
                                                      << fullScreen << " " << width);
                    EXPECT_TRUE(l.width >= 1 && l.width <= w && l.height >= 1 && l.height <= h);
                    EXPECT_TRUE(l.createWidth >= 1 && l.createWidth <= w && l.createHeight >= 1 && l.createHeight <= h);
                    EXPECT_TRUE(l.centred || (l.x >= 0 && l.x + l.createWidth <= w && l.y + l.createHeight <= h));
                    EXPECT_TRUE(l.minWidth <= l.createWidth && l.minHeight <= l.createHeight);
                    EXPECT_TRUE(l.mode >= 0 && l.mode <= 2);
                }
}

// A window manager puts a new window's frame where it is asked and the client
// area inside it; what is stored must bring the window back in place.
TEST(WindowLayout, StartingAndQuittingManyTimesLeavesTheWindowWhereItWas)
{
    const WindowBorders borders{20, 1};
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{300, 200}, {5, 0}, {1200, 500}}) {
        WindowRequest request = windowed(1280, 720, x, y);
        for (int start = 0; start < 20; ++start) {
            const WindowLayout layout = computeWindowLayout(request, 1920, 1080);
            const StoredPosition stored =
                storedWindowPosition(layout.x + borders.left, layout.y + borders.top, borders);
            request.posX = stored.x;
            request.posY = stored.y;
        }
        EXPECT_EQ(request.posX, x);
        EXPECT_EQ(request.posY, y);
    }
}
