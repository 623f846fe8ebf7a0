// The whole game's checks of the end screens: they stay up for their set
// times.
#pragma once

#include "support/ScreenWatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// The score panel is up from its fade-in's end through the counts, a
// second's pause and 3 s of hold: at least 4.5 s of the screen's time, which
// frames longer than 16 ms only stretch; a level that scored nothing (a
// return to a checkpoint sets the level score back to 0) skips its count and
// the pause: 3.5 s. A key held runs it three times as fast.
enum class Keys { released, held };
inline void expectScoreScreenShown(const std::string& when, const ScreenWatch& watch, Keys keys = Keys::released)
{
    constexpr double shortestScores = 3.5, skipSpeed = 3.0;
    const double shortest = keys == Keys::held ? shortestScores / skipSpeed : shortestScores;
    EXPECT_GT(watch.secondsShown(WatchedScreen::scorePanel), shortest) << when;
}

// The game-over picture stays 4 s from its zoom-in (none of it cut short:
// nothing is held), its zoom and its fade taking a few tenths. Its clock
// is the game's: a frame slower than the game's longest step (a thirtieth
// of a second) advances it only by that step, so on a busy machine the
// message stays longer on the clock by as much.
inline void expectGameOverShown(const ScreenWatch& watch)
{
    constexpr double shortestMessage = 3.0;
    constexpr double longestMessage = 5.5;
    constexpr double longestStepRate = 30.0;
    const double shown = watch.secondsShown(WatchedScreen::gameOverPicture);
    const double rate = watch.frameRate(WatchedScreen::gameOverPicture);
    const double stretch = rate > 0.0 ? std::max(1.0, longestStepRate / rate) : 1.0;
    EXPECT_GT(shown, shortestMessage);
    EXPECT_LT(shown, longestMessage * stretch) << rate << " frames a second";
}
