// The frame's fixed steps: how many enemy-fire and shot steps a frame runs,
// the caps of a long frame, and the remainder carried to the next frame.
#include "play/FixedSteps.h"

#include <gtest/gtest.h>

namespace {

struct FrameCase {
    double dt;
    int enemySteps;
    int shotSteps;
    double enemyLeft;
    double shotLeft;
};

TEST(FixedStepsTest, AFrameRunsWholeStepsUpToItsCapAndKeepsTheRest)
{
    const FrameCase cases[] = {
        {1.0 / 30.0, 2, 2, 0.0, 0.0},
        {0.05, 3, 3, 0.0, 0.0},
        {0.1, 6, 6, 0.0, 0.0},
        {0.2, 8, 6, 0.2 - 8.0 / 60.0, 0.1},
        {1.0, 8, 6, 1.0 - 8.0 / 60.0, 0.9},
        {0.01, 0, 0, 0.01, 0.01},
        {0.0, 0, 0, 0.0, 0.0},
    };
    for (const FrameCase& c : cases) {
        double enemyFireTime = 0.0;
        double shotTime = 0.0;
        int enemyCalls = 0;
        int shotCalls = 0;
        EXPECT_EQ(runFixedSteps(enemyFireTime, c.dt, maxEnemyFireSteps, [&] { ++enemyCalls; }), c.enemySteps) << c.dt;
        EXPECT_EQ(runFixedSteps(shotTime, c.dt, maxShotSteps, [&] { ++shotCalls; }), c.shotSteps) << c.dt;
        EXPECT_EQ(enemyCalls, c.enemySteps) << c.dt;
        EXPECT_EQ(shotCalls, c.shotSteps) << c.dt;
        EXPECT_NEAR(enemyFireTime, c.enemyLeft, 1e-9) << c.dt;
        EXPECT_NEAR(shotTime, c.shotLeft, 1e-9) << c.dt;
    }
}

TEST(FixedStepsTest, RemaindersAddUpOverShortFrames)
{
    // A 144 Hz display: 144 frames of a second fire 60 steps in all.
    double accumulator = 0.0;
    int steps = 0;
    for (int frame = 0; frame < 144; ++frame)
        steps += runFixedSteps(accumulator, 1.0 / 144.0, maxShotSteps, [] {});
    EXPECT_GE(steps, 59);
    EXPECT_LE(steps, 60);
    EXPECT_LT(accumulator, fixedStep);
}

TEST(FixedStepsTest, ABacklogIsWorkedOffInLaterFrames)
{
    double accumulator = 0.0;
    EXPECT_EQ(runFixedSteps(accumulator, 0.5, maxShotSteps, [] {}), maxShotSteps);
    int frames = 1;
    while (runFixedSteps(accumulator, 0.0, maxShotSteps, [] {}) == maxShotSteps)
        ++frames;
    EXPECT_EQ(frames, 5);
    EXPECT_LT(accumulator, fixedStep);
}

} // namespace
