// The wave's waypoint path: a looping path's closing point and the curve
// sampled through the waypoints, which the members' followers travel.
#include "combat/Wave.h"

void Wave::closeWaypointLoop() {}

void Wave::buildPathCurve() {}

void Wave::rebuildPath() {}
