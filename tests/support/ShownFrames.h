// Counts the frames a window shows, as the X server sees them: every frame
// the program presents damages its window, and the server reports the first
// damage after each repair. The count does not depend on what the frames
// show, so a screen that holds still is measured as well as one that moves.
//
// A frame's cost is also counted against the program's processor time: on a
// machine whose other work comes and goes, frames per second of the clock
// measured a minute apart differ by the load, frames per second of the
// program's own processor time do not.
#pragma once

#include <sys/types.h>

#include <chrono>

struct ShownRate {
    double perSecond = 0.0;
    double perProcessorSecond = 0.0;
};

// User and system time of all the program's threads so far, in seconds; 0
// once it is gone.
double processorSeconds(pid_t program);

// The frames the program's window showed over that span, per second and per
// second of the program's processor time; 0 without a display, window or
// damage extension.
ShownRate shownFrameRate(unsigned long window, pid_t program, std::chrono::milliseconds span);
