// Counts the frames a window shows, as the X server sees them: every frame
// the program presents damages its window, and the server reports the first
// damage after each repair. The count does not depend on what the frames
// show, so a screen that holds still is measured as well as one that moves.
// Also the program's processor time.
#pragma once

#include <sys/types.h>

#include <chrono>

// User and system time of all the program's threads so far, in seconds; 0
// once it is gone.
double processorSeconds(pid_t program);

// The frames the window showed over that span, per second; 0 without a
// display, window or damage extension.
double shownFrameRate(unsigned long window, std::chrono::milliseconds span);
