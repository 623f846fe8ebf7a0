// The life of the process: start-up in a fixed order, the main loop, shutdown.
#pragma once

// Returns the exit code: 0 after a normal end, when another copy runs or when
// there is no preference folder; 1 after an exception.
int runGame();
