// The whole game's checks of the in-game screens: each runs about as fast as
// the screens around it (in play the pause menu, which draws the same level
// behind it; out of play the start menu), and the end screens stay up for
// their set times.
#pragma once

#include "support/ScreenWatch.h"
#include "support/ShownFrames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

// Long enough to count tens of frames on a busy machine.
constexpr auto frameRateSpan = std::chrono::seconds(2);

// A screen may cost more a frame than the screens around it, but not more
// than this; at the display's rate or above, a player sees no difference
// (the virtual server draws without a vertical sync, hundreds of frames a
// second).
constexpr double slowestShare = 1.0 / 3.0;
constexpr double displayRate = 60.0;

inline void expectFrameRateNear(const std::string& screen, const ShownRate& rate, const ShownRate& around)
{
    EXPECT_TRUE(rate.perSecond >= displayRate
                || rate.perProcessorSecond > slowestShare * around.perProcessorSecond)
        << screen << " showed " << rate.perSecond << " frames a second, " << rate.perProcessorSecond
        << " a second of the program's processor time; the screens around it " << around.perSecond << " and "
        << around.perProcessorSecond;
}

// The score panel is up from its fade-in's end through the counts, a
// second's pause and 3 s of hold: at least 4.5 s of the screen's time, which
// frames longer than 16 ms only stretch; a level that scored nothing (a
// return to a checkpoint sets the level score back to 0) skips its count and
// the pause: 3.5 s. A key held runs it three times as fast.
enum class Keys { released, held };
inline void expectScoreScreenShown(const std::string& when, const ScreenWatch& watch, const ShownRate& aroundRate,
                                   Keys keys = Keys::released)
{
    constexpr double shortestScores = 3.5, skipSpeed = 3.0;
    const double shortest = keys == Keys::held ? shortestScores / skipSpeed : shortestScores;
    EXPECT_GT(watch.secondsShown(WatchedScreen::scorePanel), shortest) << when;
    expectFrameRateNear("the score screen " + when, watch.frameRate(WatchedScreen::scorePanel), aroundRate);
}

// The game-over picture stays 4 s from its zoom-in (none of it cut short:
// nothing is held), its zoom and its fade taking a few tenths. Its clock
// is the game's: a frame slower than the game's longest step (a thirtieth
// of a second) advances it only by that step, so on a busy machine the
// message stays longer on the clock by as much.
inline void expectGameOverShown(const ScreenWatch& watch, const ShownRate& aroundRate)
{
    constexpr double shortestMessage = 3.0;
    constexpr double longestMessage = 5.5;
    constexpr double longestStepRate = 30.0;
    const double shown = watch.secondsShown(WatchedScreen::gameOverPicture);
    const ShownRate rate = watch.frameRate(WatchedScreen::gameOverPicture);
    const double stretch = rate.perSecond > 0.0 ? std::max(1.0, longestStepRate / rate.perSecond) : 1.0;
    EXPECT_GT(shown, shortestMessage);
    EXPECT_LT(shown, longestMessage * stretch) << rate.perSecond << " frames a second";
    expectFrameRateNear("the game-over message", rate, aroundRate);
}
