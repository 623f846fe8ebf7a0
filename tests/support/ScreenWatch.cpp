#include "support/ScreenWatch.h"

#include "support/RenderColours.h"
#include "support/ShownFrames.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iterator>

namespace {

using Clock = std::chrono::steady_clock;

// The watch captures the window and counts its frames from a thread of its
// own while the test's thread presses keys and captures too: Xlib is safe
// across threads only when told so before its first call, which a static
// initialiser of the test program comes before. Without it, two threads
// opening and using connections at once could leave one of them waiting
// for ever.
[[maybe_unused]] const Status xlibThreads = XInitThreads();

// The frames are counted over this span after each capture.
constexpr auto countSpan = std::chrono::milliseconds(250);
const Ogre::ColourValue panelBorder = rgb(0x6fa8e8);
constexpr float borderTolerance = 40.0f / 255.0f;
// The border's share of the middle of the window when the panel is up: a
// panel still fading in or out does not count.
constexpr double borderShare = 0.01;
// The picture's black above its letters, and the letters, across the
// middle of the window.
constexpr double blackShare = 0.8;
constexpr double letterShare = 0.1;
constexpr std::uint32_t darkest = 24;
constexpr std::uint32_t whitest = 200;

double shareOf(const WindowImage& image, double left, double top, double right, double bottom,
               const std::function<bool(std::uint32_t)>& isCounted)
{
    std::size_t counted = 0, all = 0;
    for (int y = static_cast<int>(image.height * top); y < static_cast<int>(image.height * bottom); ++y)
        for (int x = static_cast<int>(image.width * left); x < static_cast<int>(image.width * right); ++x, ++all)
            counted += isCounted(image.pixels[static_cast<std::size_t>(y * image.width + x)]);
    return all ? static_cast<double>(counted) / static_cast<double>(all) : 0.0;
}

std::uint32_t channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xffu; }

bool isBlack(std::uint32_t pixel) { return std::max({channel(pixel, 16), channel(pixel, 8), channel(pixel, 0)}) < darkest; }

bool isWhite(std::uint32_t pixel) { return std::min({channel(pixel, 16), channel(pixel, 8), channel(pixel, 0)}) > whitest; }

bool isBorder(std::uint32_t pixel) { return colourDistance(rgb(pixel & 0xffffffu), panelBorder) < borderTolerance; }

} // namespace

WatchedScreen screenShown(const WindowImage& image)
{
    if (image.pixels.empty())
        return WatchedScreen::other;
    if (shareOf(image, 0.2, 0.1, 0.8, 0.9, isBorder) > borderShare)
        return WatchedScreen::scorePanel;
    if (shareOf(image, 0.3, 0.34, 0.7, 0.39, isBlack) > blackShare
        && shareOf(image, 0.15, 0.44, 0.85, 0.56, isWhite) > letterShare)
        return WatchedScreen::gameOverPicture;
    return WatchedScreen::other;
}

ScreenWatch::ScreenWatch(unsigned long window) : watcher([this, window] { watch(window); })
{
}

ScreenWatch::~ScreenWatch() { stop(); }

void ScreenWatch::stop()
{
    isRunning = false;
    if (watcher.joinable())
        watcher.join();
}

void ScreenWatch::watch(unsigned long window)
{
    const Clock::time_point start = Clock::now();
    while (isRunning) {
        WindowImage image = captureWindow(window);
        const WatchedScreen screen = screenShown(image);
        const double time = std::chrono::duration<double>(Clock::now() - start).count();
        const double rate = shownFrameRate(window, countSpan);
        const std::lock_guard<std::mutex> lock(mutex);
        samples.push_back({time, screen, rate});
        if (screen == WatchedScreen::scorePanel)
            lastScorePanel = std::move(image);
        else if (screen == WatchedScreen::gameOverPicture)
            lastGameOverPicture = std::move(image);
    }
}

std::vector<ScreenWatch::Sample> ScreenWatch::samplesOf(WatchedScreen screen) const
{
    const std::lock_guard<std::mutex> lock(mutex);
    std::vector<Sample> found;
    std::copy_if(samples.begin(), samples.end(), std::back_inserter(found),
                 [screen](const Sample& sample) { return sample.screen == screen; });
    return found;
}

double ScreenWatch::secondsShown(WatchedScreen screen) const
{
    const std::vector<Sample> found = samplesOf(screen);
    return found.empty() ? 0.0 : found.back().time - found.front().time;
}

WindowImage ScreenWatch::lastShown(WatchedScreen screen) const
{
    const std::lock_guard<std::mutex> lock(mutex);
    if (screen == WatchedScreen::scorePanel)
        return lastScorePanel;
    return screen == WatchedScreen::gameOverPicture ? lastGameOverPicture : WindowImage{};
}

double ScreenWatch::frameRate(WatchedScreen screen) const
{
    std::vector<Sample> found = samplesOf(screen);
    if (found.empty())
        return 0.0;
    const auto middle = found.begin() + static_cast<std::ptrdiff_t>(found.size() / 2);
    std::nth_element(found.begin(), middle, found.end(),
                     [](const Sample& a, const Sample& b) { return a.frameRate < b.frameRate; });
    return middle->frameRate;
}
