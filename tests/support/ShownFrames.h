// Counts the frames a window shows, as the X server sees them: every frame
// the program presents damages its window, and the server reports the first
// damage after each repair. The count does not depend on what the frames
// show, so a screen that holds still is measured as well as one that moves.
#pragma once

#include <chrono>

// Frames per second the window showed over that span; 0 without a display,
// window or damage extension.
double shownFrameRate(unsigned long window, std::chrono::milliseconds span);
