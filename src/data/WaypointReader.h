// Reads one "waypoint" element of an enemy path (in a wave definition, a
// level or the waypoint-path library) into a Waypoint.
#pragma once

#include "data/XmlFile.h"

class Waypoint;

// Every value ends up in the waypoint, also those the element leaves out
// (they take the reader's defaults, not the Waypoint's own).
void readWaypoint(const XmlNode& element, Waypoint& waypoint);
