// Notes a request to end the program from outside its window (Ctrl+C in a
// terminal, SIGTERM when the desktop logs out): the main loop sees it and the
// game quits and saves, from whatever screen it shows.
#pragma once

namespace platform {

// Catches SIGINT and SIGTERM from now on. The same signal sent a second time
// ends the process at once, so a start-up that never reaches the main loop can
// still be stopped.
void catchTerminationSignals();

// True once a termination signal has arrived.
bool terminationRequested();

} // namespace platform
