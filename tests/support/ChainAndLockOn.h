// What a player of the sample game sees of a chain and hears of a lock-on
// gun: the chain gauge's tinted bar in a capture of the window, and the lock
// sounds' tones in the recorded mix.
#pragma once

#include "support/ProgramPlayer.h"
#include "support/RenderColours.h"
#include "support/SoundRecording.h"

#include <algorithm>
#include <functional>

namespace chainlockon {

// The sample's lock-on missiles answer to the fourth shoot button.
constexpr unsigned long lockKey = XK_v;

// The chain gauge, as the sample's game file places it: from a hundredth of
// the screen's width to 0.21 of it, centred 0.12 of its height from the top,
// the gauge above it. Its fill is tinted from orange, the chain's time nearly
// out, to green, all of it left; the rows looked at miss the gauge.
constexpr double barRight = 0.2, barTop = 0.11, barBottom = 0.125;
const Ogre::ColourValue emptyTint(1.0f, 0.5f, 0.0f), fullTint(0.4f, 1.0f, 0.2f);
// A bar with a chain going fills a good share of those rows; without one,
// nothing there has the tint.
constexpr double barShown = 0.05, barGone = 0.005;

inline bool isChainTint(const Ogre::ColourValue& colour)
{
    constexpr int tints = 32;
    for (int t = 0; t <= tints; ++t) {
        const float fill = float(t) / tints;
        if (colourDistance(colour, emptyTint * (1.0f - fill) + fullTint * fill) <= colourTolerance)
            return true;
    }
    return false;
}

inline double barShare(const WindowImage& image)
{
    std::size_t tinted = 0, all = 0;
    for (int y = int(image.height * barTop); y < int(image.height * barBottom); ++y)
        for (int x = 0; x < int(image.width * barRight); ++x, ++all)
            tinted += isChainTint(rgb(image.pixels[static_cast<std::size_t>(y * image.width + x)] & 0xffffffu));
    return all ? double(tinted) / double(all) : 0.0;
}

// Runs `step` (a move of the ship, which calls `look` again and again while
// it lasts) until a look at the window finds the chain bar shown (or gone);
// false when the time, seconds of menu time (stretched by the pace), runs out.
inline bool stepUntilBar(Player& player, bool isShown,
                         const std::function<void(const std::function<void()>& look)>& step, int seconds)
{
    bool isSeen = false;
    const auto look = [&] {
        const double share = barShare(player.capture());
        isSeen = isSeen || (isShown ? share > barShown : share < barGone);
    };
    for (const Clock::time_point start = Clock::now(); !isSeen && secondsSince(start) < seconds * player.pace;)
        step(look);
    return isSeen;
}

// The sample's lock sounds, "lock.wav" and at a full lock "lockFull.wav",
// are sines (C7 and E7) that nothing else of the game plays alone: the
// larger share of either tone between the two frames.
inline double lockToneShare(const soundrecording::Recording& mix, std::size_t from, std::size_t to, double audible)
{
    constexpr double lockTones[] = {2093.0, 2637.0};
    double share = 0.0;
    for (const double tone : lockTones)
        share = std::max(share, soundrecording::strongestToneShare(mix, from, to, tone, audible));
    return share;
}

// Presses the lock key alone, a step (a move of the ship) at a time, until
// the recording of the mix so far holds a lock sound over a press: a lock
// needs the ship in play and an enemy on screen, which a kill or the ship's
// own fall may have just ended. The largest share of a lock tone heard.
inline double pressUntilLockHeard(Player& player, const std::string& recording, const std::function<void()>& step,
                                  double audible, double heard, int seconds)
{
    double share = 0.0;
    for (const Clock::time_point start = Clock::now(); share <= heard && secondsSince(start) < seconds * player.pace;) {
        const std::uintmax_t from = soundrecording::writtenBytes(recording);
        player.press(lockKey);
        step();
        player.release(lockKey);
        const std::uintmax_t to = soundrecording::writtenBytes(recording);
        const soundrecording::Recording mix = soundrecording::readRecording(recording);
        share = std::max(share, lockToneShare(mix, mix.frameAt(from), mix.frameAt(to), audible));
    }
    return share;
}

} // namespace chainlockon
