// Fixed sub-steps of a frame: firing and shot movement advance in steps of
// 1/60 s so that their speed does not depend on the frame rate. A frame runs
// at most a given number of steps; what is left stays in the accumulator
// for the next frame, so a long frame's backlog is worked off later.
#pragma once

constexpr double fixedStep = 1.0 / 60.0;
constexpr int maxEnemyFireSteps = 8;
constexpr int maxShotSteps = 6;

// Adds the frame time to the accumulator and runs the step while a whole
// fixed step is in it and fewer than maxSteps have run; returns the count.
template <typename Step>
int runFixedSteps(double& accumulator, double dt, int maxSteps, Step&& step)
{
    accumulator += dt;
    int steps = 0;
    while (accumulator >= fixedStep && steps < maxSteps) {
        step();
        accumulator -= fixedStep;
        ++steps;
    }
    return steps;
}
